#include "core/TestCore.h"
#include "FakeTransmitterReports.h"

#include <QtTest>
#include <sys/sysmacros.h>

namespace {

const QByteArray OpeningTune = "000050011878"
                               "1A0000";
const QByteArray OpeningSetup = "0000510325"
                                "00000000";

} // namespace

// The device link under the core that owns it: opening, hot-plug and write failures, as the transmitter
// receives them.
class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { IgnoreSigpipe(); }

    void init() { FakeHid_Reset(); }

    void openingSequence()
    {
        TestCore test;
        QVERIFY(test.Start());
        QVERIFY(test.core.IsConnected());

        int arguments[5];
        FakeHid_LastOpenArguments(arguments);
        QCOMPARE(QList<int>(arguments, arguments + 5), QList<int>({1133, 2574, 0, 0, 1}));

        const auto tune = TakeReport(test.core);
        const auto setup = TakeReport(test.core);
        QVERIFY(tune && setup);
        QCOMPARE(tune->bytes.toHex().toUpper(), OpeningTune);
        QCOMPARE(setup->bytes.toHex().toUpper(), OpeningSetup);
        // The transmitter must have had its 20 ms to retune before the setup report left.
        QVERIFY2(setup->sentAtNs - tune->sentAtNs >= 20'000'000,
                 qPrintable(QString::number(setup->sentAtNs - tune->sentAtNs)));
        QVERIFY(!TakeReport(test.core));
        QVERIFY(!test.core.State().retunePending);
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

        FakeHid_SetPresent(startOpen);
        TestCore test;
        QVERIFY(test.Start());
        const int handleBefore = FakeHid_LastOpenedHandle();
        if (onAir)
            test.core.ToggleOnAir();
        TakeReports(test.core);
        const int openCallsBefore = FakeHid_OpenCalls();
        FakeHid_SetPresent(present);

        if (arrival)
            emit test.watcher->deviceArrived();
        else
            emit test.watcher->deviceRemoved();

        QCOMPARE(TakeReports(test.core), reports);
        QCOMPARE(test.core.IsConnected(), openAfter);
        QCOMPARE(test.core.State().onAir, onAirAfter);
        QCOMPARE(FakeHid_OpenCalls() - openCallsBefore, openCalls);
        QCOMPARE(FakeHid_CloseCalls(), closeCalls);
        if (closeCalls)
            QCOMPARE(FakeHid_LastClosedHandle(), handleBefore);
        QCOMPARE(test.writeErrors, 0);
    }

    // What the core tells of the transmitter follows the companion library's answer to each opening.
    void connectionState_data()
    {
        using enum TransmitterCore::ConnectionState;
        QTest::addColumn<bool>("deniedAtStart");
        QTest::addColumn<TransmitterCore::ConnectionState>("then"); // what the library answers next
        QTest::addColumn<bool>("arrival");
        QTest::newRow("refused, replugged with the rule") << true << Connected << true;
        QTest::newRow("refused, another device comes") << true << NoPermission << true;
        QTest::newRow("refused, unplugged") << true << Absent << false;
        QTest::newRow("open, unplugged") << false << Absent << false;
    }

    void connectionState()
    {
        using enum TransmitterCore::ConnectionState;
        QFETCH(bool, deniedAtStart);
        QFETCH(TransmitterCore::ConnectionState, then);
        QFETCH(bool, arrival);
        FakeHid_SetDenied(deniedAtStart);
        TestCore test;
        test.Start();
        QCOMPARE(test.core.Connection(), deniedAtStart ? NoPermission : Connected);
        QSignalSpy changes(&test.core, &TransmitterCore::changed);
        FakeHid_SetPresent(then != Absent);
        FakeHid_SetDenied(then == NoPermission);
        arrival ? emit test.watcher->deviceArrived() : emit test.watcher->deviceRemoved();
        QCOMPARE(test.core.Connection(), then);
        QCOMPARE(changes.isEmpty(), then == NoPermission);
    }

    void unplugWhileOnAirThenReplug()
    {
        TestCore test;
        test.Start();
        test.core.ToggleOnAir();
        QCOMPARE(TakeReports(test.core), (QList<QByteArray>{OpeningTune, OpeningSetup,
                                                            "000050011878"
                                                            "090000"}));

        emit test.watcher->deviceRemoved();
        QVERIFY(!test.core.State().onAir);
        QCOMPARE(TakeReport(test.core).has_value(), false);

        emit test.watcher->deviceArrived();
        QCOMPARE(TakeReports(test.core), (QList<QByteArray>{OpeningTune, OpeningSetup}));
    }

    void failedWriteIsReportedOncePerReportAndKeepsTheLink()
    {
        TestCore test;
        test.Start();
        TakeReports(test.core);
        FakeHid_ClosePeer();
        std::vector<std::uint64_t> failed;
        connect(&test.core, &TransmitterCore::reportsDone, this,
                [&](const std::vector<std::uint64_t>& tickets, bool written) {
                    if (!written)
                        failed.insert(failed.end(), tickets.begin(), tickets.end());
                });

        test.core.ToggleOnAir();
        SettleReports(test.core);
        QCOMPARE(test.writeErrors, 1);
        QCOMPARE(failed, std::vector<std::uint64_t>{test.core.LastTicket()});
        QVERIFY(test.core.State().onAir);

        test.core.ToggleMute();
        SettleReports(test.core);
        QCOMPARE(test.writeErrors, 2);
        QVERIFY(test.core.IsConnected());
        QCOMPARE(FakeHid_CloseCalls(), 0);
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
        TestCore test;
        test.Start();
        test.core.ToggleOnAir();

        emit test.watcher->deviceRemoved(removed);
        QCOMPARE(!test.core.IsConnected(), closes);
        QCOMPARE(test.core.State().onAir, !closes);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
