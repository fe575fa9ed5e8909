#include "app/CTransmitterDlg.h"
#include "device/DeviceHandle.h"
#include "device/HidLibrary.h"
#include "device/ReportWriter.h"
#include "FakeTransmitterReports.h"
#include "state/SettingsFile.h"

#include <QtTest>

// The main window's part in the device link: the opening at the end of its initialisation, and the
// teardown's last report and close.
class TestDialogDevice : public QObject
{
    Q_OBJECT

    int writeErrors = 0;

private slots:
    void initTestCase()
    {
        writeErrorNotifier = [this] { ++writeErrors; };
    }

    void init()
    {
        QFile::remove(settingsPath());
        FakeHid_Reset();
        writeErrors = 0;
    }

    void cleanup() { QFile::remove(settingsPath()); }

    void teardown_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("goOnAir");
        QTest::addColumn<QList<QByteArray>>("lastReports");
        QTest::addColumn<int>("closeCalls");
        QTest::addColumn<bool>("onAirAfter");

        QTest::newRow("open and on air: off-air report, then close") << true << true
                                                                     << QList<QByteArray>{"000050011878"
                                                                                          "0A0000"}
                                                                     << 1 << false;
        QTest::newRow("open and off air: close only") << true << false << QList<QByteArray>{} << 1 << false;
        QTest::newRow("no connection and on air: nothing")
            << false << true << QList<QByteArray>{} << 0 << true;
    }

    void teardown()
    {
        QFETCH(bool, present);
        QFETCH(bool, goOnAir);
        QFETCH(QList<QByteArray>, lastReports);
        QFETCH(int, closeCalls);
        QFETCH(bool, onAirAfter);

        FakeHid_SetPresent(present);
        CTransmitterDlg dialog;
        QVERIFY(dialog.OnInitDialog()); // the library loaded
        QCOMPARE(FakeHid_OpenCalls(), 1);
        QCOMPARE(TakeReports().size(), present ? 2 : 0);
        const int handle = deviceHandle;

        if (goOnAir) {
            dialog.ToggleOnAir();
            QCOMPARE(TakeReports().size(), present ? 1 : 0);
        }
        dialog.DestroyWindow();

        QCOMPARE(TakeReports(), lastReports);
        QCOMPARE(FakeHid_CloseCalls(), closeCalls);
        if (closeCalls)
            QCOMPARE(FakeHid_LastClosedHandle(), handle);
        QCOMPARE(deviceHandle, -1);
        QCOMPARE(transmitterState.onAir, onAirAfter);
        QVERIFY(!hidLibrary.IsLoaded());
        QCOMPARE(writeErrors, 0);
    }
};

QTEST_MAIN(TestDialogDevice)
#include "tst_dialogdevice.moc"
