#include "app/WindowRun.h"
#include "core/TransmitterCore.h"
#include "device/FakeTransmitterReports.h"
#include "device/HotplugWatcher.h"
#include "panels/CMainPanel.h"
#include "state/SettingsFile.h"

#include <algorithm>
#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int StormEvents = 1000;
// The default band and spacing: 87.50 to 108.00 MHz in 50 kHz steps.
constexpr int BandLower = 8750;
constexpr int BandUpper = 10800;
constexpr int Step = 5;

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}

QByteArray hexByte(int byte)
{
    return QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
}

// An on-air, unmuted TuneReport with the retune bit, at the default power, in hex.
QByteArray steppedTune(int frequency)
{
    const int code = (frequency - 7600) / 5;
    return "000050" + hexByte((code >> 8) & 0x03) + hexByte(code & 0xFF) + "78190000";
}

} // namespace

// Arrivals and removals in random order, with the transmitter sometimes there and sometimes not, while
// the panel is on air and stepping through the real main window.
class TestHotplugStorm : public QObject
{
    Q_OBJECT

    int writeErrors = 0;

private slots:
    void initTestCase()
    {
        IgnoreSigpipe();
        QFile::remove(settingsPath());
    }

    void cleanupTestCase() { QFile::remove(settingsPath()); }

    void storm_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void storm()
    {
        QFETCH(quint32, seed);
        FakeHid_Reset();
        writeErrors = 0;
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        connect(&dialog.Core(), &TransmitterCore::writeFailed, this, [this] { ++writeErrors; });
        QVERIFY(dialog.OnInitDialog());
        QCOMPARE(TakeReports(dialog.Core()).size(), 2);
        HotplugWatcher& watcher = *dialog.Core().findChild<HotplugWatcher*>();
        const int descriptorsBefore = openDescriptors();

        QRandomGenerator generator(seed);
        bool open = true;
        int frequency = dialog.Core().State().frequency;
        for (int event = 0; event < StormEvents; ++event) {
            const bool present = generator.bounded(4) != 0;
            FakeHid_SetPresent(present);
            if (generator.bounded(2)) {
                emit watcher.deviceArrived();
                open = open || present;
            } else {
                const bool wasOnAir = dialog.Core().State().onAir;
                emit watcher.deviceRemoved();
                // Only an open link is closed, and only then does the panel go off air.
                QCOMPARE(dialog.Core().State().onAir, wasOnAir && !open);
                open = false;
            }
            QCOMPARE(dialog.Core().IsConnected(), open);

            if (!dialog.Core().State().onAir && generator.bounded(2))
                dialog.ToggleOnAir();
            if (dialog.Core().State().onAir) {
                if (generator.bounded(2)) {
                    dialog.Panel()->StepFrequencyUp();
                    frequency = std::min(frequency + Step, BandUpper);
                } else {
                    dialog.Panel()->StepFrequencyDown();
                    frequency = std::max(frequency - Step, BandLower);
                }
                QCOMPARE(dialog.Core().State().frequency, frequency);
                const QList<QByteArray> reports = TakeReports(dialog.Core());
                if (open) {
                    QVERIFY(!reports.isEmpty());
                    QCOMPARE(reports.last(), steppedTune(frequency));
                } else {
                    QVERIFY(reports.isEmpty());
                }
            }
            TakeReports(dialog.Core());
        }

        // Back to where the storm started: the transmitter plugged in and its link open.
        FakeHid_SetPresent(true);
        emit watcher.deviceRemoved();
        emit watcher.deviceArrived();
        QVERIFY(dialog.Core().IsConnected());
        SettleReports(dialog.Core());
        QCOMPARE(openDescriptors(), descriptorsBefore);
        QCOMPARE(writeErrors, 0);
    }
};

QTEST_MAIN(TestHotplugStorm)
#include "tst_hotplugstorm.moc"
