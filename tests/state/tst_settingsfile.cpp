#include "state/SettingsFile.h"

#include <QtTest>

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

void scramble()
{
    transmitterState.frequency = 1;
    transmitterState.paLevel = 2;
    transmitterState.txGainIndex = 3;
    transmitterState.optionFlags = 4;
}

PersistedSettings current()
{
    return {transmitterState.frequency, transmitterState.paLevel, transmitterState.txGainIndex,
            transmitterState.optionFlags};
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
        LoadSettingsFile(path());
        QVERIFY(QFileInfo::exists(path()));
        QCOMPARE(QFileInfo(path()).size(), 0);
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(path()));
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void roundTripKeepsOutOfRangeValues()
    {
        transmitterState.frequency = -5;
        transmitterState.paLevel = 1000;
        transmitterState.txGainIndex = INT32_MIN;
        transmitterState.optionFlags = -1;
        const PersistedSettings written = current();
        writeAll(path(), {});
        QVERIFY(SaveSettingsFile(path()));
        QCOMPARE(QFileInfo(path()).size(), SettingsFileSize);
        scramble();
        LoadSettingsFile(path());
        QCOMPARE(current(), written);
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
        LoadSettingsFile(path());
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(path()));
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void longFileReadsFirstSixteenAndIsCut()
    {
        const QByteArray settings = QByteArray::fromHex("D22700001E0000001700000012000000");
        writeAll(path(), settings + QByteArray(40, '\x55'));
        LoadSettingsFile(path());
        QCOMPARE(current(), (PersistedSettings{10194, 30, 23, 0x12}));
        QVERIFY(SaveSettingsFile(path()));
        QCOMPARE(readAll(path()), settings);
    }

    void missingFileAtExitSavesNothing()
    {
        scramble();
        QVERIFY(SaveSettingsFile(path()));
        QVERIFY(!QFileInfo::exists(path()));
    }

    void saveLeavesNoTemporaryFile()
    {
        writeAll(path(), {});
        QVERIFY(SaveSettingsFile(path()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.ini"});
    }

    void failedSaveKeepsOldFile()
    {
        // A directory that cannot take the temporary file: the old settings survive untouched.
        writeAll(path(), defaultBytes);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        scramble();
        const bool saved = SaveSettingsFile(path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (saved)
            QSKIP("running as root: the directory stays writable");
        QCOMPARE(readAll(path()), defaultBytes);
    }

    void unreadableDirectoryStillRuns()
    {
        scramble();
        LoadSettingsFile(QStringLiteral("/proc/no-such-dir/Config.ini"));
        QCOMPARE(current(), PersistedSettings{});
        QVERIFY(SaveSettingsFile(QStringLiteral("/proc/no-such-dir/Config.ini")));
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

    void readOnlyExecutableDirectoryFallsBackToUserConfig()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QCOMPARE(SettingsDirectory("/usr/lib/tessaly", false), dir.path() + "/tessaly");
        QCOMPARE(SettingsDirectory("/opt/portable", true), QStringLiteral("/opt/portable"));

        // The fallback directory is made on the first run.
        const QString fallback = SettingsDirectory("/usr/lib/tessaly", false) + "/Config.ini";
        LoadSettingsFile(fallback);
        QVERIFY(QFileInfo::exists(fallback));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
