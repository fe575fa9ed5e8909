#include <csignal>
#include <QtTest>
#include <unistd.h>

// Runs copies of the real executable (offscreen) in a private directory and runtime directory.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString executable;

    void start(QProcess& process, const QString& runtimeDir = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtimeDir.isEmpty() ? dir.path() : runtimeDir);
        environment.insert("XDG_CACHE_HOME", dir.filePath("cache"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LD_LIBRARY_PATH", dir.path());
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
        start(second);
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

    // What another local user can put where the lock goes: each start must still open its window.
    void foreignLockStillStarts_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<bool>("locked"); // a private lock could still be made elsewhere
        QTest::newRow("another user's lock file") << "file" << false;
        QTest::newRow("a symlink in its place") << "symlink" << false;
        QTest::newRow("a directory in its place") << "directory" << false;
        QTest::newRow("a runtime directory of another user") << "foreign runtime" << true;
    }

    void foreignLockStillStarts()
    {
        QFETCH(QString, prepare);
        QFETCH(bool, locked);
        constexpr uid_t otherUser = 4242;
        QTemporaryDir runtime;
        const QByteArray lock = QFile::encodeName(runtime.filePath("Pellmark.lock"));
        if (prepare == "file") {
            QVERIFY(QFile(runtime.filePath("Pellmark.lock")).open(QIODevice::WriteOnly));
            if (::chown(lock.constData(), otherUser, otherUser) != 0)
                QSKIP("needs root to give the file another owner");
        } else if (prepare == "symlink") {
            QVERIFY(QFile::link(dir.filePath("elsewhere"), runtime.filePath("Pellmark.lock")));
        } else if (prepare == "directory") {
            QVERIFY(QDir(runtime.path()).mkdir("Pellmark.lock"));
        } else if (::chown(QFile::encodeName(runtime.path()).constData(), otherUser, otherUser) != 0) {
            QSKIP("needs root to give the directory another owner");
        }

        QFile::remove(dir.filePath("Config.ini"));
        QProcess first;
        start(first, runtime.path());
        QVERIFY2(!first.waitForFinished(1500), "the start was refused");
        QVERIFY(QFileInfo::exists(dir.filePath("Config.ini"))); // its initialisation ran
        QProcess second;
        start(second, runtime.path());
        QCOMPARE(second.waitForFinished(1500), locked);
        for (QProcess* process : {&first, &second}) {
            process->kill();
            process->waitForFinished();
        }
        // The reason is told, and the link was not followed.
        QCOMPARE(first.readAllStandardError().contains("without the single-instance lock"), !locked);
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
