#include "app/TrayControl.h"
#include "app/WindowRun.h"
#include "core/TransmitterCore.h"
#include "device/FakeTransmitterReports.h"
#include "device/HotplugWatcher.h"
#include "panels/CMainPanel.h"
#include "skin/CBitmapButton.h"
#include "state/SettingsFile.h"

#include <cerrno>
#include <QtTest>
#include <unistd.h>

// A transmitter whose writes fail in each way the kernel reports it: every failed report gives one
// message, and the state the user set survives until the transmitter works again.
class TestFailingDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowRun> run;
    CTransmitterDlg* dialog = nullptr;
    HotplugWatcher* watcher = nullptr;
    int writeErrors = 0;

    // One report's worth of action: exactly one more message.
    void expectOneMessage(const std::function<void()>& action)
    {
        const int before = writeErrors;
        action();
        SettleReports(dialog->Core());
        QCOMPARE(writeErrors, before + 1);
    }

private slots:
    void initTestCase() { IgnoreSigpipe(); }

    void init()
    {
        QFile::remove(settingsPath());
        FakeHid_Reset();
        writeErrors = 0;
        run = std::make_unique<WindowRun>();
        dialog = &run->dialog;
        QVERIFY(dialog->OnInitDialog());
        // Counted instead of shown: a message box would end a held repeat.
        disconnect(&dialog->Core(), &TransmitterCore::writeFailed, dialog, nullptr);
        connect(&dialog->Core(), &TransmitterCore::writeFailed, this, [this] { ++writeErrors; });
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(TakeReports(dialog->Core()).size(), 2);
        watcher = dialog->Core().findChild<HotplugWatcher*>();
        QVERIFY(watcher);
    }

    void cleanup()
    {
        run.reset();
        dialog = nullptr;
        FakeHid_Reset();
        QFile::remove(settingsPath());
    }

    void eachFailedReportGivesOneMessage_data()
    {
        QTest::addColumn<int>("error");
        QTest::newRow("EPIPE: the far end is gone") << EPIPE;
        QTest::newRow("EIO: the transfer failed") << EIO;
        QTest::newRow("ENODEV: the device node is dead") << ENODEV;
        QTest::newRow("short: part of each report taken") << FAKEHID_SHORT_WRITE;
    }

    void eachFailedReportGivesOneMessage()
    {
        QFETCH(int, error);
        if (error == EPIPE) {
            FakeHid_ClosePeer();
        } else {
            QCOMPARE(FakeHid_FailWritesWith(error), 0);
            emit watcher->deviceRemoved();
            SettleReports(dialog->Core()); // the failing handle's descriptor is free again
            const int before = writeErrors;
            emit watcher->deviceArrived();
            SettleReports(dialog->Core());
            QCOMPARE(writeErrors, before + 2); // the opening TuneReport and SetupReport
        }
        QVERIFY(dialog->Core().IsConnected());
        const char probe[2] = {};
        const ssize_t written = ::write(FakeHid_LastOpenedHandle(), probe, 2);
        QCOMPARE(written, error == FAKEHID_SHORT_WRITE ? 1 : -1);
        QVERIFY(written > 0 || errno == error);

        expectOneMessage([this] { dialog->ToggleOnAir(); });
        QVERIFY(dialog->Core().State().onAir);
        expectOneMessage([this] { dialog->Panel()->StepFrequencyUp(); });
        expectOneMessage([this] { dialog->Panel()->StepFrequencyUp(); });
        expectOneMessage([this] { dialog->Panel()->StepFrequencyDown(); });
        expectOneMessage([this] { dialog->Panel()->ToggleMute(); });
        QCOMPARE(dialog->Core().State().frequency, 9005);
        QVERIFY(dialog->Core().State().muted);
        QVERIFY(dialog->Core().State().onAir);
        QVERIFY(dialog->Core().IsConnected());
        // Every face says so until a write is taken.
        QVERIFY(!dialog->Core().Delivered());
        QVERIFY(TrayToolTip(dialog->Core())
                    .endsWith(QStringLiteral("the transmitter did not take the last change")));
        QVERIFY(!dialog->Core().Properties().value(QStringLiteral("WriteFailedAt")).toString().isEmpty());
        // Failures go on: the time is the latest one's, not the first's.
        const QTime first = dialog->Core().FailedWriteTime();
        QVERIFY(QTest::qWaitFor(
            [&] {
                expectOneMessage([this] { dialog->Panel()->StepFrequencyUp(); });
                expectOneMessage([this] { dialog->Panel()->StepFrequencyDown(); });
                return dialog->Core().FailedWriteTime().second() != first.second();
            },
            60'000));

        // Replugged and working: the transmitter is told what the user set while it failed.
        QCOMPARE(FakeHid_FailWritesWith(0), 0);
        emit watcher->deviceRemoved();
        QVERIFY(!dialog->Core().State().onAir);
        emit watcher->deviceArrived();
        dialog->ToggleOnAir();
        const int errorsBefore = writeErrors;
        QCOMPARE(TakeReports(dialog->Core()),
                 (QList<QByteArray>{"000050011978160000", "000051032500000000", "000050011978050000"}));
        QCOMPARE(writeErrors, errorsBefore);
        QVERIFY(dialog->Core().Delivered());
    }

    void deviceVanishesDuringHeldRepeat_data()
    {
        QTest::addColumn<bool>("writesFailFirst");
        QTest::newRow("removal announced at once") << false;
        QTest::newRow("writes fail before the removal is announced") << true;
    }

    void deviceVanishesDuringHeldRepeat()
    {
        QFETCH(bool, writesFailFirst);
        dialog->ToggleOnAir();
        TakeReports(dialog->Core());
        auto* up = dialog->findChild<CBitmapButton*>(QStringLiteral("1010"));
        QVERIFY(up);
        const QPoint centre = up->rect().center();
        QTest::mouseMove(up, centre);
        QTest::mousePress(up, Qt::LeftButton, {}, centre);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Core().State().frequency >= 9015, 5000); // the repeat is running

        if (writesFailFirst) {
            FakeHid_ClosePeer();
            const int frequencyAtFailure = dialog->Core().State().frequency;
            QTRY_VERIFY_WITH_TIMEOUT(dialog->Core().State().frequency >= frequencyAtFailure + 10, 5000);
            SettleReports(dialog->Core());
            // One message per repeat step that could not reach the transmitter.
            QCOMPARE(writeErrors, (dialog->Core().State().frequency - frequencyAtFailure) / 5);
        }
        TakeReports(dialog->Core());
        emit watcher->deviceRemoved();
        SettleReports(dialog->Core());
        QVERIFY(!dialog->Core().IsConnected());
        QVERIFY(!dialog->Core().State().onAir);
        const int frequencyAtRemoval = dialog->Core().State().frequency;
        const int errorsAtRemoval = writeErrors;
        QTest::qWait(400);
        QCOMPARE(dialog->Core().State().frequency, frequencyAtRemoval);
        QCOMPARE(writeErrors, errorsAtRemoval);
        QVERIFY(TakeReports(dialog->Core()).isEmpty());
        QTest::mouseRelease(up, Qt::LeftButton, {}, centre);
    }
};

QTEST_MAIN(TestFailingDevice)
#include "tst_failingdevice.moc"
