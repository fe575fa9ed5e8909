#include <QtTest>
#include <csignal>

// Runs copies of the real executable (offscreen) in a private directory and runtime directory.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString executable;

    void start(QProcess& process)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", dir.path());
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
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
