#include "app/CTransmitterDlg.h"
#include "device/FakeTransmitterReports.h"
#include "panels/CSettingsDlg.h"
#include "state/SettingsFile.h"

#include <QtTest>

// What a mouse user sees first, against pictures taken from the program before keyboard focus was drawn:
// the focus the program gives at start must not show.
class TestFirstPaint : public QObject
{
    Q_OBJECT

    static bool matchesReference(QWidget& window, const char* name)
    {
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage reference(QStringLiteral(TESSALY_REFERENCE_DIR "/%1.png").arg(QLatin1String(name)));
        return !reference.isNull() && shown == reference.convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void initTestCase()
    {
        writeErrorNotifier = [] {};
    }

    void windows()
    {
        QFile::remove(settingsPath());
        CTransmitterDlg main;
        QVERIFY(main.OnInitDialog());
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QVERIFY(QApplication::focusWidget());
        QVERIFY(matchesReference(main, "main-window"));

        CSettingsDlg settings(&main);
        settings.open();
        QVERIFY(QTest::qWaitForWindowActive(&settings));
        QVERIFY(matchesReference(settings, "settings-window"));
        settings.accept();
        main.DestroyWindow();
        QFile::remove(settingsPath());
    }
};

QTEST_MAIN(TestFirstPaint)
#include "tst_firstpaint.moc"
