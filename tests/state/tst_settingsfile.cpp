#include "state/SettingsFile.h"

#include <QtTest>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

const QByteArray defaultBytes = QByteArray::fromHex("282300005A0000000000000025000000");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the last load gave, and what a save writes.
PersistedSettings lastLoaded;

void scramble()
{
    lastLoaded = {1, 2, 3, 4};
}

PersistedSettings current()
{
    return lastLoaded;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Config.ini")); }

private slots:
    void init() { QFile::remove(path()); }

    void firstRunCreatesEmptyFileAndExitWritesDefaults()
    {
        scramble();
        lastLoaded = LoadSettingsFile(path());
        QVERIFY(QFileInfo::exists(path()));
        QCOMPARE(QFileInfo(path()).size(), 0);
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void loadBringsValuesIntoRange_data()
    {
        QTest::addColumn<PersistedSettings>("stored");
        QTest::addColumn<PersistedSettings>("loaded");
        const int low = 0x27; // mono, 76 to 90 MHz, 75 us, 50 kHz
        const struct
        {
            const char* name;
            PersistedSettings stored, loaded;
        } rows[] = {
            {"within every range", {10800, 0, 23, 37}, {10800, 0, 23, 37}},
            {"off the grid, down onto it", {9004, 45, 7, 0x10}, {9000, 45, 7, 0x10}},
            {"off the grid at the top", {10799, 90, 0, 37}, {10795, 90, 0, 37}},
            {"undefined option bits", {9000, 90, 0, 0x7ffffec8 | 0x17}, {9000, 90, 0, 0x17}},
            {"step code 3 as 50 kHz", {9005, 90, 0, 0x31}, {9005, 90, 0, 0x21}},
            {"above the band, PA and gain above", {11500, 91, 24, 37}, {10800, 90, 23, 37}},
            {"below the band, PA and gain below", {8749, -99, -1, 37}, {8750, 0, 0, 37}},
            {"low band: above", {9001, 90, 0, low}, {9000, 90, 0, low}},
            {"low band: below, edges", {7599, 0, 23, low}, {7600, 0, 23, low}},
            {"extremes", {INT32_MIN, INT32_MAX, INT32_MIN, -1}, {7600, 90, 0, low}},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.stored << row.loaded;
    }

    void loadBringsValuesIntoRange()
    {
        QFETCH(PersistedSettings, stored);
        QFETCH(PersistedSettings, loaded);
        writeAll(path(), SerializeSettings(stored));
        scramble();
        lastLoaded = LoadSettingsFile(path());
        QCOMPARE(current(), loaded);
        // The exit writes the corrected values, in the same format.
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(ParseSettings(readAll(path())), std::optional<PersistedSettings>(loaded));
        QCOMPARE(QFileInfo(path()).size(), SettingsFileSize);
    }

    void shortFileGivesDefaults_data()
    {
        QTest::addColumn<int>("length");
        for (int length = 0; length < SettingsFileSize; ++length)
            QTest::addRow("%d bytes", length) << length;
    }

    void shortFileGivesDefaults()
    {
        QFETCH(int, length);
        writeAll(path(), QByteArray(length, '\x7f'));
        scramble();
        lastLoaded = LoadSettingsFile(path());
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void longFileReadsFirstSixteenAndIsCut()
    {
        const QByteArray settings = QByteArray::fromHex("032000001E0000001700000012000000");
        writeAll(path(), settings + QByteArray(40, '\x55'));
        // An unusual mode, which the rewrite keeps.
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path(), mode));
        lastLoaded = LoadSettingsFile(path());
        QCOMPARE(current(), (PersistedSettings{8195, 30, 23, 0x12}));
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(readAll(path()), settings);
        QCOMPARE(QFile::permissions(path()) & ~(QFile::ReadUser | QFile::WriteUser), mode);
    }

    // What else may lie where the file belongs: it is neither read (a FIFO would block) nor replaced, and
    // nothing is written through it or beside it.
    void oddFileIsNeitherUsedNorReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"link to a file", "dangling link", "fifo", "directory"})
            QTest::newRow(kind) << kind;
    }

    void oddFileIsNeitherUsedNorReplaced()
    {
        QFETCH(QString, kind);
        const QString target = dir.filePath(QStringLiteral("target"));
        const QByteArray secret = QByteArray::fromHex("E02E00001E0000000500000011000000");
        if (kind == "link to a file")
            writeAll(target, secret);
        if (kind.endsWith("link"))
            QVERIFY(QFile::link(target, path()));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else
            QVERIFY(QDir(dir.path()).mkdir("Config.ini"));
        const auto entries = [this] {
            return QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();

        scramble();
        lastLoaded = LoadSettingsFile(path());
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(entries(), before);
        QCOMPARE(QFileInfo(path()).isSymLink(), kind.endsWith("link"));
        QCOMPARE(readAll(target), kind == "link to a file" ? secret : QByteArray());
        QFile::remove(target);
        QFile::remove(path());
        QDir(dir.path()).rmdir("Config.ini");
    }

    void missingFileAtExitSavesNothing()
    {
        scramble();
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QVERIFY(!QFileInfo::exists(path()));
    }

    void saveLeavesNoTemporaryFile()
    {
        writeAll(path(), {});
        QVERIFY(SaveSettingsFile(path(), lastLoaded).isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.ini"});
    }

    void failedSaveKeepsOldFile()
    {
        // A directory that cannot take the temporary file: the old settings survive untouched.
        writeAll(path(), defaultBytes);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        scramble();
        const bool saved = SaveSettingsFile(path(), lastLoaded).isEmpty();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (saved)
            QSKIP("running as root: the directory stays writable");
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void fullDiskKeepsOldFile()
    {
        QTemporaryDir mountPoint;
        if (::mount("tessaly-full", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
                    "size=8k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root)");
        auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH); });
        const QString settings = mountPoint.filePath(QStringLiteral("Config.ini"));
        writeAll(settings, defaultBytes);
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }

        scramble();
        QVERIFY(!SaveSettingsFile(settings, lastLoaded).isEmpty());
        QCOMPARE(readAll(settings), defaultBytes);
        QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Config.ini", "filler"}));
    }

    void unreadableDirectoryStillRuns()
    {
        scramble();
        lastLoaded = LoadSettingsFile(QStringLiteral("/proc/no-such-dir/Config.ini"));
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(QStringLiteral("/proc/no-such-dir/Config.ini"), lastLoaded).isEmpty());
    }

    void pathIsBesideExecutableWhateverTheCurrentDirectory()
    {
        const QString before = settingsPath();
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QString after = settingsPath();
        QDir::setCurrent(cwd);
        QCOMPARE(after, before);
        QCOMPARE(after, QCoreApplication::applicationDirPath() + "/Config.ini");
    }

    void installedOrReadOnlyCopyUsesUserConfig()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QCOMPARE(SettingsDirectory("/usr/lib/tessaly", false), dir.path() + "/tessaly");
        QCOMPARE(SettingsDirectory("/opt/portable", false), dir.path() + "/tessaly");
        QCOMPARE(SettingsDirectory("/opt/portable", true), QStringLiteral("/opt/portable"));
        // An installed copy run by root can write its directory, and still must not.
        QCOMPARE(SettingsDirectory("/usr/local/lib/tessaly", true), dir.path() + "/tessaly");
        // A relative value is ignored rather than tying the file to the working directory.
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(SettingsDirectory("/usr/lib/tessaly", true), QDir::homePath() + "/.config/tessaly");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));

        // The fallback directory is made on the first run.
        const QString fallback = SettingsDirectory("/usr/lib/tessaly", false) + "/Config.ini";
        lastLoaded = LoadSettingsFile(fallback);
        QVERIFY(QFileInfo::exists(fallback));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
