#include "app/WriteErrorMessage.h"
#include "device/DeviceConnection.h"
#include "device/DeviceHandle.h"
#include "device/HidLibrary.h"
#include "device/HidNotification.h"
#include "device/ReportWriter.h"
#include "device/SendReport.h"
#include "FakeTransmitterReports.h"

#include <algorithm>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <sys/sysmacros.h>

namespace {

const QByteArray OpeningTune = "000050011878"
                               "1A0000";
const QByteArray OpeningSetup = "0000510325"
                                "00000000";

// What the main panel's Stop/Play does to the device; the panel itself is not part of this unit.
int toggles = 0;
void ToggleOnAir()
{
    ++toggles;
    transmitterState.onAir = !transmitterState.onAir;
    SendReport(TuneReport);
}

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

    int writeErrors = 0;

private slots:
    void initTestCase() { CountWriteErrors(writeErrors); }

    void init()
    {
        FakeHid_Reset();
        transmitterState = TransmitterState{};
        transmitterState.retunePending = true;
        transmitterState.frequency = 9000;
        transmitterState.paLevel = 90;
        transmitterState.optionFlags = 37;
        toggles = 0;
        writeErrors = 0;
        hidLibrary.Load();
        deviceHandle = -1;
        QVERIFY(hidLibrary.IsLoaded());
    }

    void cleanup()
    {
        CloseDevice([] {});
        SettleReports();
        hidLibrary.Release();
    }

    void openingSequence()
    {
        OpenDevice();
        QVERIFY(deviceHandle >= 0);

        int arguments[5];
        FakeHid_LastOpenArguments(arguments);
        QCOMPARE(QList<int>(arguments, arguments + 5), QList<int>({1133, 2574, 0, 0, 1}));

        const auto tune = TakeReport();
        const auto setup = TakeReport();
        QVERIFY(tune && setup);
        QCOMPARE(tune->bytes.toHex().toUpper(), OpeningTune);
        QCOMPARE(setup->bytes.toHex().toUpper(), OpeningSetup);
        // The transmitter must have had its 20 ms to retune before the setup report left.
        QVERIFY2(setup->sentAtNs - tune->sentAtNs >= 20'000'000,
                 qPrintable(QString::number(setup->sentAtNs - tune->sentAtNs)));
        QVERIFY(!TakeReport());
        QVERIFY(!transmitterState.retunePending);
    }

    void hotplug_data()
    {
        QTest::addColumn<bool>("startOpen");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("arrival");
        QTest::addColumn<QList<QByteArray>>("reports");
        QTest::addColumn<bool>("openAfter");
        QTest::addColumn<bool>("onAirAfter");
        QTest::addColumn<int>("openCalls");
        QTest::addColumn<int>("closeCalls");

        const QList<QByteArray> none;
        QTest::newRow("arrival while closed reopens with the retune bit")
            << false << false << true << true << QList<QByteArray>{OpeningTune, OpeningSetup} << true << false
            << 1 << 0;
        QTest::newRow("arrival while closed and on air") << false << true << true << true
                                                         << QList<QByteArray>{"000050011878"
                                                                              "190000",
                                                                              OpeningSetup}
                                                         << true << true << 1 << 0;
        QTest::newRow("arrival of another device while the transmitter is away")
            << false << false << false << true << none << false << false << 1 << 0;
        QTest::newRow("arrival while open does nothing")
            << true << true << true << true << none << true << true << 0 << 0;
        QTest::newRow("removal while on air goes off air and sends nothing")
            << true << true << true << false << none << false << false << 0 << 1;
        QTest::newRow("removal of any device closes the link")
            << true << false << true << false << none << false << false << 0 << 1;
        QTest::newRow("removal while closed changes nothing")
            << false << true << false << false << none << false << true << 0 << 0;
    }

    void hotplug()
    {
        QFETCH(bool, startOpen);
        QFETCH(bool, onAir);
        QFETCH(bool, present);
        QFETCH(bool, arrival);
        QFETCH(QList<QByteArray>, reports);
        QFETCH(bool, openAfter);
        QFETCH(bool, onAirAfter);
        QFETCH(int, openCalls);
        QFETCH(int, closeCalls);

        if (startOpen) {
            OpenDevice();
            QCOMPARE(TakeReports().size(), 2);
        }
        const int handleBefore = deviceHandle;
        const int openCallsBefore = FakeHid_OpenCalls();
        transmitterState.onAir = onAir;
        FakeHid_SetPresent(present);

        HotplugWatcher watcher;
        RegisterHidNotification(watcher, ToggleOnAir);
        if (arrival)
            emit watcher.deviceArrived();
        else
            emit watcher.deviceRemoved();

        QCOMPARE(TakeReports(), reports);
        QCOMPARE(deviceHandle >= 0, openAfter);
        QCOMPARE(transmitterState.onAir, onAirAfter);
        QCOMPARE(FakeHid_OpenCalls() - openCallsBefore, openCalls);
        QCOMPARE(FakeHid_CloseCalls(), closeCalls);
        if (closeCalls)
            QCOMPARE(FakeHid_LastClosedHandle(), handleBefore);
        QCOMPARE(writeErrors, 0);
    }

    void unplugWhileOnAirThenReplug()
    {
        HotplugWatcher watcher;
        RegisterHidNotification(watcher, ToggleOnAir);
        OpenDevice();
        ToggleOnAir();
        QCOMPARE(TakeReports(), (QList<QByteArray>{OpeningTune, OpeningSetup,
                                                   "000050011878"
                                                   "090000"}));

        emit watcher.deviceRemoved();
        QVERIFY(!transmitterState.onAir);
        QCOMPARE(TakeReport().has_value(), false);

        emit watcher.deviceArrived();
        QCOMPARE(TakeReports(), (QList<QByteArray>{OpeningTune, OpeningSetup}));
    }

    void withoutLibraryActionsChangeStateAndNothingIsSent()
    {
        hidLibrary.Release();
        HotplugWatcher watcher;
        RegisterHidNotification(watcher, ToggleOnAir);

        OpenDevice();
        emit watcher.deviceArrived();
        QCOMPARE(deviceHandle, -1);
        QCOMPARE(FakeHid_OpenCalls(), 0);

        ToggleOnAir();
        QVERIFY(transmitterState.onAir);
        SendReport(SetupReport);
        QVERIFY(transmitterState.retunePending); // no report was built
        emit watcher.deviceRemoved();
        QVERIFY(transmitterState.onAir);
        QCOMPARE(FakeHid_CloseCalls(), 0);
        QCOMPARE(writeErrors, 0);
    }

    void failedWriteIsReportedOncePerReportAndKeepsTheLink()
    {
        OpenDevice();
        TakeReports();
        const int handle = deviceHandle;
        FakeHid_ClosePeer();

        transmitterState.retunePending = true;
        SendReport(TuneReport);
        SettleReports();
        QCOMPARE(writeErrors, 1);
        QVERIFY(!transmitterState.retunePending); // the failed report consumed it

        ToggleOnAir();
        SettleReports();
        QCOMPARE(writeErrors, 2);
        QVERIFY(transmitterState.onAir);

        SendReport(SetupReport);
        SettleReports();
        QCOMPARE(writeErrors, 3);
        QCOMPARE(deviceHandle, handle);
        QCOMPARE(FakeHid_CloseCalls(), 0);
    }

    void failedWritesShareOneMessageAtATime()
    {
        OpenDevice();
        TakeReports();
        FakeHid_ClosePeer();
        writeErrorNotifier = [] { ShowWriteErrorMessage(nullptr); };
        auto restore = qScopeGuard([this] { writeErrorNotifier = [this] { ++writeErrors; }; });
        const auto openMessages = [] {
            return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* w) {
                return qobject_cast<QMessageBox*>(w) && w->isVisible();
            });
        };

        // Both return at once; the second failure finds the message still open.
        SendReport(TuneReport);
        SendReport(SetupReport);
        QTRY_COMPARE(openMessages(), 1);
        auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QCOMPARE(message->text(), QStringLiteral("USB Data Write Error!"));
        QCOMPARE(message->buttons().size(), 1);
        message->button(QMessageBox::Ok)->click();
        SendReport(TuneReport); // the next failure after the dismissal is shown again
        QTRY_COMPARE(openMessages(), 1);
        QVERIFY(deviceHandle >= 0);
    }

    void removalClosesOnlyTheOpenNode_data()
    {
        QTest::addColumn<dev_t>("removed");
        QTest::addColumn<bool>("closes");
        // The handle is /dev/null, node 1:3, standing for the transmitter's hidraw node.
        QTest::newRow("another device (1:5)") << makedev(1, 5) << false;
        QTest::newRow("the transmitter's node") << makedev(1, 3) << true;
        QTest::newRow("a node that cannot be told") << dev_t(0) << true;
    }

    void removalClosesOnlyTheOpenNode()
    {
        QFETCH(dev_t, removed);
        QFETCH(bool, closes);
        qputenv("TESSALY_FAKE_HID_NODE", "/dev/null");
        auto restore = qScopeGuard([] { qunsetenv("TESSALY_FAKE_HID_NODE"); });
        HotplugWatcher watcher;
        RegisterHidNotification(watcher, ToggleOnAir);
        OpenDevice();
        ToggleOnAir();

        emit watcher.deviceRemoved(removed);
        QCOMPARE(deviceHandle < 0, closes);
        QCOMPARE(transmitterState.onAir, !closes);
    }
};

QTEST_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
