#include <csignal>
#include <QtTest>
#include <unistd.h>

// Runs copies of the real executable (offscreen) in a private directory, with the lock in a private
// directory of the test's (or in a cache directory of its own).
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString executable;

    // The runtime directory a start inherits (or none, as from ssh or cron) must not move the lock.
    void start(QProcess& process, const QString& lockDir = {}, bool inheritsRuntimeDir = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TESSALY_TEST_LOCK_DIR", lockDir.isEmpty() ? dir.path() : lockDir);
        if (inheritsRuntimeDir)
            environment.insert("XDG_RUNTIME_DIR", dir.path());
        else
            environment.remove("XDG_RUNTIME_DIR");
        environment.insert("XDG_CACHE_HOME", dir.filePath("cache"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LD_LIBRARY_PATH", dir.path());
        // Without a bus, as where this suite runs: with one, its name would decide for a broken lock.
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        process.setProcessEnvironment(environment);
        process.start(executable, {});
        QVERIFY(process.waitForStarted());
    }

private slots:
    void initTestCase()
    {
        executable = dir.filePath("tessaly");
        QVERIFY(QFile::copy(TESSALY_EXECUTABLE, executable));
    }

    void secondCopyEndsAtOnceAndCrashDoesNotBlock()
    {
        QProcess first;
        start(first);
        // The first run creates its settings file during its initialisation, long after the lock.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath("Config.ini")), 10000);

        QProcess second;
        start(second, {}, false);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        QVERIFY(first.waitForFinished());

        QProcess third;
        start(third);
        QVERIFY2(!third.waitForFinished(1500), "a crashed instance must not block the next start");
        ::kill(static_cast<pid_t>(third.processId()), SIGKILL);
        QVERIFY(third.waitForFinished());
    }

    // What another local user can put where the lock goes: each start must still open its window, and only
    // a lock of our own (in the cache directory, for another user's runtime directory) keeps a second out.
    void foreignLockStillStarts_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<bool>("locked");
        QTest::newRow("another user's lock file") << "file" << false;
        QTest::newRow("a symlink in its place") << "symlink" << false;
        QTest::newRow("a directory in its place") << "directory" << false;
        QTest::newRow("a runtime directory of another user") << "runtime" << true;
    }

    void foreignLockStillStarts()
    {
        QFETCH(QString, prepare);
        QFETCH(bool, locked);
        QTemporaryDir runtime;
        const QString lock = runtime.filePath("Pellmark.lock");
        const QString owned = prepare == "runtime" ? runtime.path() : lock; // given to user 4242
        if (prepare == "symlink")
            QVERIFY(QFile::link(dir.filePath("elsewhere"), lock));
        else if (prepare == "directory")
            QVERIFY(QDir(runtime.path()).mkdir("Pellmark.lock"));
        else if ((prepare == "file" && !QFile(lock).open(QIODevice::WriteOnly)) ||
                 ::chown(QFile::encodeName(owned).constData(), 4242, 4242) != 0)
            QSKIP("needs root to give a file another owner");

        QFile::remove(dir.filePath("Config.ini"));
        QProcess first, second;
        start(first, runtime.path());
        QVERIFY2(!first.waitForFinished(1500), "the start was refused");
        QVERIFY(QFileInfo::exists(dir.filePath("Config.ini"))); // its initialisation ran
        start(second, runtime.path());
        QCOMPARE(second.waitForFinished(1500), locked);
        for (QProcess* process : {&first, &second}) {
            process->kill();
            process->waitForFinished();
        }
        // The reason is told, and a link is not followed.
        QCOMPARE(first.readAllStandardError().contains("no single-instance lock"), !locked);
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
