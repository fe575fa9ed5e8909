#include "state/FavouritesFile.h"
#include "state/FileWriter.h"
#include "state/SettingsFile.h"
#include "state/StartOnAirFile.h"

#include <functional>
#include <QtTest>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

using Files = QMap<QString, QByteArray>;

// Every file in dir with its bytes: what a failed write must leave exactly as it was, temporaries included.
Files filesIn(const QString& dir)
{
    Files files;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(dir).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A writer of the program's: the file it writes, what stands there before, and the write of new bytes.
struct Writer
{
    QString file;
    QByteArray old;
    std::function<QString(const QString& dir)> write;
};

const QByteArray favouritesWithNotes = "# car presets\n88100\n101500 ; work\nnot a frequency\n";

QList<std::pair<const char*, Writer>> writers()
{
    return {
        {"Config.ini",
         {"Config.ini", QByteArray(16, '\1'),
          [](const QString& dir) {
              return SaveSettingsFile(dir + "/Config.ini", {9000, 1, 2, 3});
          }}},
        {"StartOnAir.ini",
         {"StartOnAir.ini", "OnAirAtStart=0\n",
          [](const QString& dir) { return WriteStartOnAir(dir + "/StartOnAir.ini", true); }}},
        // A rewrite that drops a line keeps the old file as .bak first: both writes are checked.
        {"Favourites.ini",
         {"Favourites.ini", favouritesWithNotes,
          [](const QString& dir) {
              FavouritesText current = ParseFavourites(favouritesWithNotes);
              return WriteFavouritesFile(dir + "/Favourites.ini", current, {8810, 10150}, {8810});
          }}},
        {"Favourites.ini.bak",
         {"Favourites.ini.bak", "90000\n",
          [](const QString& dir) {
              FavouritesText current = ParseFavourites(favouritesWithNotes);
              return WriteFavouritesFile(dir + "/Favourites.ini", current, {8810, 10150}, {8810});
          }}},
        {"a secret",
         {"WebToken", "0123\n",
          [](const QString& dir) {
              return ReplaceFile(dir + "/WebToken", "4567\n", {FileWrite::Mode::Exactly, 0600});
          }}},
    };
}

} // namespace

class TestFileWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // The writer fails as told (a TESSALY_FAIL_IO rule, or the disk itself): it says so, naming the file
    // and the system's reason, and leaves every file of the directory as it was, with no temporary beside.
    void expectFailureLeavesAll(const QString& where, const Writer& writer, const QString& reason,
                                const QByteArray& rule = {})
    {
        const Files before = filesIn(where);
        if (!rule.isEmpty())
            qputenv("TESSALY_FAIL_IO", rule);
        const QString failure = writer.write(where);
        qunsetenv("TESSALY_FAIL_IO");
        QVERIFY2(!failure.isEmpty(), "a failed write was reported as done");
        QVERIFY2(failure.contains(reason), qPrintable(failure));
        QVERIFY2(failure.contains(".ini") || failure.contains("WebToken"), qPrintable(failure));
        QCOMPARE(filesIn(where), before);
    }

private slots:
    void init()
    {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.filePath(name));
    }

    void failureAtAnyStepKeepsOldBytes_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("error");
        for (const auto& [name, writer] : writers()) {
            for (const char* call : {"open", "write", "fsync", "close", "rename"}) {
                for (const auto& [errorName, error] : {std::pair{"ENOSPC", ENOSPC}, std::pair{"EIO", EIO}})
                    QTest::addRow("%s, %s %s", name, call, errorName)
                        << QString(name) << QStringLiteral("%1:%2:/%3").arg(call, errorName, writer.file)
                        << error;
            }
        }
    }

    void failureAtAnyStepKeepsOldBytes()
    {
        QFETCH(QString, writer);
        QFETCH(QString, rule);
        QFETCH(int, error);
        const auto all = writers();
        const Writer& chosen =
            std::find_if(all.begin(), all.end(), [&](auto& row) { return writer == row.first; })->second;
        put(dir.filePath(chosen.file), chosen.old);
        // The .bak's own row needs Favourites.ini in place, as a real run has it.
        if (chosen.file.endsWith(".bak"))
            put(dir.filePath("Favourites.ini"), favouritesWithNotes);
        expectFailureLeavesAll(dir.path(), chosen, qt_error_string(error), rule.toLatin1());

        // Without the failure the same write goes through and changes the file.
        if (chosen.file.endsWith(".bak"))
            put(dir.filePath("Favourites.ini"), favouritesWithNotes);
        QVERIFY2(chosen.write(dir.path()).isEmpty(), "the write failed with nothing in its way");
        QVERIFY(filesIn(dir.path()).value(chosen.file) != chosen.old);
        QVERIFY(!filesIn(dir.path()).keys().join(' ').contains(".tmp-"));
    }

    // A full file system and a read-only one, for real: a small tmpfs of our own (root only).
    void fullAndReadOnlyDiskKeepOldBytes()
    {
        QTemporaryDir mountPoint;
        const QByteArray point = QFile::encodeName(mountPoint.path());
        if (::mount("tessaly-full", point.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root)");
        auto unmount = qScopeGuard([&] { ::umount2(point.constData(), MNT_DETACH); });
        for (const auto& [name, writer] : writers()) {
            put(mountPoint.filePath(writer.file), writer.old);
            if (writer.file.endsWith(".bak"))
                put(mountPoint.filePath("Favourites.ini"), favouritesWithNotes);
        }
        QFile filler(mountPoint.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'x')) > 0) {
        }
        filler.close();
        for (const auto& [name, writer] : writers())
            expectFailureLeavesAll(mountPoint.path(), writer, qt_error_string(ENOSPC));

        QFile::remove(mountPoint.filePath("filler"));
        QCOMPARE(::mount("tessaly-full", point.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=16k"), 0);
        for (const auto& [name, writer] : writers())
            expectFailureLeavesAll(mountPoint.path(), writer, qt_error_string(EROFS));
    }

    void modeIsKeptOrExact()
    {
        const QString kept = dir.filePath("Kept.ini"), secret = dir.filePath("Secret");
        put(kept, "old");
        QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        put(secret, "old");
        QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QVERIFY(ReplaceFile(kept, "new").isEmpty());
        QVERIFY(ReplaceFile(secret, "new", {FileWrite::Mode::Exactly, 0600}).isEmpty());
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(kept).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0640));
        QCOMPARE(::stat(QFile::encodeName(secret).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0600));

        // A link in the target's place is neither followed nor replaced.
        QVERIFY(QFile::link(kept, dir.filePath("Link.ini")));
        QVERIFY(!ReplaceFile(dir.filePath("Link.ini"), "new").isEmpty());
        QCOMPARE(filesIn(dir.path()).value("Kept.ini"), QByteArray("new"));
    }

    // What the user wrote stays: in the rewrite where it can, else whole in the .bak.
    void favouritesRewriteKeepsWhatTheUserWrote_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QList<int>>("kept");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::addColumn<bool>("backedUp");
        QTest::newRow("canonical, one added")
            << QByteArray("88100\n100500\n") << QList<int>{8810, 9000, 10050}
            << QByteArray("88100\n90000\n100500\n") << false;
        QTest::newRow("canonical, one removed")
            << QByteArray("88100\n100500\n") << QList<int>{8810} << QByteArray("88100\n") << false;
        QTest::newRow("comments and notes stay, new ones in order")
            << QByteArray("# car presets\n101500 ; work   \n\n; end\n") << QList<int>{8810, 10150, 10700}
            << QByteArray("# car presets\n88100\n101500 ; work   \n\n; end\n107000\n") << false;
        QTest::newRow("a removed note is kept in the .bak")
            << QByteArray("# car presets\n101500 ; work\n") << QList<int>{} << QByteArray("# car presets\n")
            << true;
        QTest::newRow("a line not understood is kept in the .bak")
            << QByteArray("88100\n+88200\n") << QList<int>{8810, 9000} << QByteArray("88100\n90000\n")
            << true;
        QTest::newRow("no final newline")
            << QByteArray("88100") << QList<int>{8810, 9000} << QByteArray("88100\n90000\n") << false;
    }

    void favouritesRewriteKeepsWhatTheUserWrote()
    {
        QFETCH(QByteArray, original);
        QFETCH(QList<int>, kept);
        QFETCH(QByteArray, rewritten);
        QFETCH(bool, backedUp);
        const QString path = dir.filePath("Favourites.ini");
        put(path, original);
        FavouritesText current = ReadFavouritesFile(path);
        const std::vector<std::int32_t> before = current.frequencies;
        QVERIFY(WriteFavouritesFile(path, current, before, {kept.begin(), kept.end()}).isEmpty());
        const Files files = filesIn(dir.path());
        QCOMPARE(files.value("Favourites.ini"), rewritten);
        QCOMPARE(files.contains("Favourites.ini.bak"), backedUp);
        if (backedUp)
            QCOMPARE(files.value("Favourites.ini.bak"), original);
        // What is kept in memory reads back from the file.
        QCOMPARE(ReadFavouritesFile(path).frequencies, current.frequencies);
    }

    void favouritesAboveTheReadLimitAreNeverRewritten()
    {
        const QString path = dir.filePath("Favourites.ini");
        // Its line across the limit would read as 8810 kHz: no line cut there is read.
        QByteArray huge = "88100\n";
        huge += QByteArray(64 * 1024 - huge.size() - 5, '#') + "\n88100\n";
        huge += QByteArray(100000, '#');
        put(path, huge);
        FavouritesText current = ReadFavouritesFile(path);
        QCOMPARE(current.frequencies, std::vector<std::int32_t>{8810});
        QVERIFY(!WriteFavouritesFile(path, current, {8810}, {}).isEmpty());
        QCOMPARE(filesIn(dir.path()), (Files{{"Favourites.ini", huge}}));
    }
};

QTEST_GUILESS_MAIN(TestFileWriter)
#include "tst_filewriter.moc"
