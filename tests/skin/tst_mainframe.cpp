#include "app/WindowRun.h"
#include "skin/CToolTipStyle.h"
#include "skin/TitleFont.h"
#include "state/SettingsFile.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QtTest>

// The main window's initialisation brings its frame up; the title face the title pictures are drawn in.
class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QFile::remove(settingsPath()); }

    void initialisationSetsUpTheFrame()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        QCOMPARE(dialog.size(), QSize(475, 298));
        QVERIFY(!dialog.mask().isEmpty());
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        QVERIFY(qobject_cast<CToolTipStyle*>(QApplication::style()));

        auto* title = dialog.findChild<QLabel*>(QStringLiteral("1037"));
        QVERIFY(title);
        QCOMPARE(title->accessibleName(), QStringLiteral("Tessaly Ver1.2.1"));
        QVERIFY(!title->pixmap().isNull());
        QCOMPARE(title->geometry(), QRect(QPoint(35, 7), title->pixmap().deviceIndependentSize().toSize()));
        QCOMPARE(dialog.findChild<QWidget*>(QStringLiteral("1033"))->pos(), QPoint(3, 5));
        QWidget* close = dialog.findChild<QWidget*>(QStringLiteral("1036"));
        QCOMPARE(close->geometry(), QRect(436, 5, 29, 17));
        QCOMPARE(close->toolTip(), QStringLiteral("close"));
    }

    void titleFontFallsBackToAKaiFace_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::newRow("KaiTi") << QStringLiteral("楷体");
        QTest::newRow("unknown face") << QStringLiteral("No Such Face 12345");
    }

    void titleFontFallsBackToAKaiFace()
    {
        QFETCH(QString, wanted);
        QFont font;
        BuildFont(15, font, wanted);
        QCOMPARE(font.pixelSize(), 15);
        QCOMPARE(font.weight(), QFont::Medium);
        const QStringList families = QFontDatabase::families();
        QString expected;
        if (families.contains(wanted))
            expected = wanted;
        else if (families.contains(QStringLiteral("AR PL UKai CN")))
            expected = QStringLiteral("AR PL UKai CN");
        else
            QSKIP("neither the wanted face nor a Kai-style face is installed");
        QCOMPARE(QFontInfo(font).family(), expected);
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
