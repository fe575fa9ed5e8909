#include "core/TestCore.h"
#include "device/FakeTransmitterReports.h"

#include <functional>
#include <QSignalSpy>
#include <QtTest>

namespace {

using Operation = std::function<QString(TransmitterCore&)>;

Operation write(const char* name, const QVariant& value)
{
    return
        [name, value](TransmitterCore& core) { return core.WriteProperty(QString::fromLatin1(name), value); };
}

Operation run(void (TransmitterCore::*operation)())
{
    return [operation](TransmitterCore& core) {
        (core.*operation)();
        return QString();
    };
}

Operation step(bool (TransmitterCore::*operation)())
{
    return [operation](TransmitterCore& core) {
        return (core.*operation)() ? QString() : QStringLiteral("ignored");
    };
}

} // namespace

Q_DECLARE_METATYPE(Operation)

// Every way into the transmitter's state: what it changes, what the device receives and that the change
// is announced; a refused value changes, sends and announces nothing.
class TestTransmitterCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { IgnoreSigpipe(); }

    void operations_data()
    {
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<QByteArray>>("reports");
        QTest::addColumn<int>("frequencyAfter");
        QTest::addColumn<int>("optionFlagsAfter");
        using R = QList<QByteArray>;
        // Start: 90.00 MHz, PA 90, gain index 0, options 0x25 (mono, 87.5-108, 75 us, 50 kHz).
        QTest::newRow("Stop/Play") << true << 9000 << run(&TransmitterCore::ToggleOnAir) << true
                                   << R{tune("0118", "78", "0A")} << 9000 << 0x25;
        QTest::newRow("Mute") << true << 9000 << run(&TransmitterCore::ToggleMute) << true
                              << R{tune("0118", "78", "05")} << 9000 << 0x25;
        QTest::newRow("step up retunes") << true << 9000 << step(&TransmitterCore::StepFrequencyUp) << true
                                         << R{tune("0119", "78", "19")} << 9005 << 0x25;
        QTest::newRow("step down at the band edge")
            << true << 8750 << step(&TransmitterCore::StepFrequencyDown) << true
            << R{tune("00E6", "78", "19")} << 8750 << 0x25;
        QTest::newRow("step off air is ignored")
            << false << 9000 << step(&TransmitterCore::StepFrequencyUp) << false << R{} << 9000 << 0x25;
        QTest::newRow("Frequency on air retunes") << true << 9000 << write("Frequency", 88100u) << true
                                                  << R{tune("00F2", "78", "19")} << 8810 << 0x25;
        QTest::newRow("Frequency off air is kept for later")
            << false << 9000 << write("Frequency", 108000u) << true << R{} << 10800 << 0x25;
        QTest::newRow("Frequency off the 50 kHz grid")
            << true << 9000 << write("Frequency", 88125u) << false << R{} << 9000 << 0x25;
        QTest::newRow("Frequency below the band")
            << true << 9000 << write("Frequency", 87000u) << false << R{} << 9000 << 0x25;

        QTest::newRow("Frequency as a signed integer")
            << true << 9000 << write("Frequency", 88100) << false << R{} << 9000 << 0x25;
        QTest::newRow("OnAir false") << true << 9000 << write("OnAir", false) << true
                                     << R{tune("0118", "78", "0A")} << 9000 << 0x25;
        QTest::newRow("OnAir as it is sends nothing")
            << true << 9000 << write("OnAir", true) << true << R{} << 9000 << 0x25;

        QTest::newRow("Muted true") << true << 9000 << write("Muted", true) << true
                                    << R{tune("0118", "78", "05")} << 9000 << 0x25;
        QTest::newRow("PaLevel 60") << true << 9000 << write("PaLevel", 60u) << true
                                    << R{tune("0118", "5A", "09")} << 9000 << 0x25;
        QTest::newRow("PaLevel above 90")
            << true << 9000 << write("PaLevel", 91u) << false << R{} << 9000 << 0x25;
        QTest::newRow("TxGain 5") << true << 9000 << write("TxGain", 5u) << true << R{SetupBytes("53", "25")}
                                  << 9000 << 0x25;
        QTest::newRow("TxGain above 23")
            << true << 9000 << write("TxGain", 24u) << false << R{} << 9000 << 0x25;
        QTest::newRow("Stereo") << true << 9000 << write("Stereo", true) << true << R{SetupBytes("03", "24")}
                                << 9000 << 0x24;
        QTest::newRow("Band 76-90 clamps the frequency first")
            << true << 10000 << write("Band", QStringLiteral("76-90")) << true
            << R{tune("0118", "78", "19"), SetupBytes("03", "27")} << 9000 << 0x27;
        QTest::newRow("Band unknown")
            << true << 9000 << write("Band", QStringLiteral("88-108")) << false << R{} << 9000 << 0x25;
        QTest::newRow("Step 200") << true << 9000 << write("Step", 200u) << true << R{SetupBytes("03", "05")}
                                  << 9000 << 0x05;
        QTest::newRow("Step 25") << true << 9000 << write("Step", 25u) << false << R{} << 9000 << 0x25;
        QTest::newRow("Deemphasis 50")
            << true << 9000 << write("Deemphasis", 50u) << true << R{SetupBytes("03", "21")} << 9000 << 0x21;
        QTest::newRow("Deemphasis 60")
            << true << 9000 << write("Deemphasis", 60u) << false << R{} << 9000 << 0x25;
        QTest::newRow("Connected is read-only")
            << true << 9000 << write("Connected", false) << false << R{} << 9000 << 0x25;
        QTest::newRow("unknown property")
            << true << 9000 << write("Volume", 3u) << false << R{} << 9000 << 0x25;
        QTest::newRow("settings window closing in the low band")
            << true << 10000 << Operation([](TransmitterCore& core) {
                   core.ApplySettings(0x02, 23);
                   return QString();
               })
            << true << R{tune("0118", "78", "19"), SetupBytes("50", "02")} << 9000 << 0x02;
    }

    void operations()
    {
        QFETCH(bool, onAir);
        QFETCH(int, frequency);
        QFETCH(Operation, operation);
        QFETCH(bool, accepted);
        QFETCH(QList<QByteArray>, reports);
        QFETCH(int, frequencyAfter);
        QFETCH(int, optionFlagsAfter);

        FakeHid_Reset();
        TestCore test(SettingsBytes(frequency, 90, 0, 0x25));
        QVERIFY(test.Start());
        TransmitterCore& core = test.core;
        QVERIFY(core.IsConnected());
        if (onAir)
            core.ToggleOnAir();
        TakeReports();
        const TransmitterState before = core.State();
        QSignalSpy changes(&core, &TransmitterCore::changed);

        const QString refusal = operation(core);
        QCOMPARE(refusal.isEmpty(), accepted);
        QCOMPARE(TakeReports(), reports);
        const TransmitterState& after = core.State();
        QCOMPARE(after.frequency, frequencyAfter);
        QCOMPARE(after.optionFlags, optionFlagsAfter);
        const bool stateChanged = after.frequency != before.frequency || after.onAir != before.onAir ||
                                  after.muted != before.muted || after.paLevel != before.paLevel ||
                                  after.txGainIndex != before.txGainIndex ||
                                  after.optionFlags != before.optionFlags;
        QCOMPARE(changes.size() > 0, stateChanged || !reports.isEmpty());
        // A report that went out took the retune bit with it.
        QVERIFY(reports.isEmpty() || !after.retunePending);
        if (!accepted) {
            QVERIFY(!refusal.isEmpty());
            QCOMPARE(after.paLevel, before.paLevel);
            QCOMPARE(after.txGainIndex, before.txGainIndex);
            QCOMPARE(after.onAir, before.onAir);
        }
        QCOMPARE(test.writeErrors, 0);
    }

    // What a write stores reads back the same, in the units and spelling it was written in.
    void propertiesReadBack()
    {
        TestCore test(SettingsBytes(9000, 90, 0, 0x25));
        TransmitterCore& core = test.core;
        core.LoadState(test.settingsFile());
        const QVariantMap written = {
            {QStringLiteral("OnAir"), true},      {QStringLiteral("Muted"), true},
            {QStringLiteral("PaLevel"), 45u},     {QStringLiteral("TxGain"), 23u},
            {QStringLiteral("Stereo"), true},     {QStringLiteral("Step"), 100u},
            {QStringLiteral("Deemphasis"), 50u},  {QStringLiteral("Band"), QStringLiteral("76-90")},
            {QStringLiteral("Frequency"), 76050u}};
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            QVERIFY2(core.WriteProperty(it.key(), it.value()).isEmpty(), qPrintable(it.key()));
        QVariantMap expected = written;
        expected.insert(QStringLiteral("Connected"), false);
        QCOMPARE(core.Properties(), expected);
    }
};

QTEST_GUILESS_MAIN(TestTransmitterCore)
#include "tst_transmittercore.moc"
