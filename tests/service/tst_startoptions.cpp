#include "service/StartOptions.h"
#include "state/MarkingTranslator.h"

#include <QtTest>

// What the command line asks for, before any application object exists: Qt's own options are accepted on
// every path, the headless one included, and anything else unknown is a usage error.
class TestStartOptions : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("headless");
        QTest::addColumn<QString>("platform");

        QTest::newRow("plain") << QStringList{} << true << false << QString();
        QTest::newRow("headless with Qt's platform")
            << QStringList{"--headless", "-platform", "offscreen"} << true << true << "offscreen";
        QTest::newRow("Qt's options in either spelling")
            << QStringList{"--platform=minimal", "-style", "Fusion", "-reverse"} << true << false
            << "minimal";
        QTest::newRow("an unknown option") << QStringList{"--frobnicate"} << false << false << QString();
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(bool, headless);
        QFETCH(QString, platform);
        qunsetenv("QT_QPA_PLATFORM");
        const StartOptions options = ReadStartOptions(QStringList{"tessaly"} + arguments);
        QCOMPARE(options.error.isEmpty(), accepted);
        if (!accepted)
            return;
        QCOMPARE(options.headless, headless);
        QCOMPARE(options.platform, platform);
    }

    void helpListsOurOptionsOnly()
    {
        const QString help = ReadStartOptions(QStringList{"tessaly", "--help"}).output;
        QVERIFY(help.contains("--headless") && help.contains("--background"));
        QVERIFY(!help.contains("platform") && !help.contains("<executable_name>"));
    }

    // What a person reads of it is in their language: each option's words, and a usage error.
    void inTheUsersLanguage()
    {
        const MarkingLanguage language;
        const QString help = ReadStartOptions(QStringList{"tessaly", "--help"}).output;
        for (const QString& line : help.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("  -")))
                QVERIFY2(line.contains(QLatin1String("[StartOptions|")), qPrintable(line));
        }
        const QString error = ReadStartOptions(QStringList{"tessaly", "stray"}).error;
        QVERIFY2(error.startsWith(QLatin1String("[StartOptions|")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
