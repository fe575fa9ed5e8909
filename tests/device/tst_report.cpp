#include "device/Report.h"

#include <QtTest>

namespace {

QByteArray bytesOf(const ReportBytes& report)
{
    return QByteArray(reinterpret_cast<const char*>(report.data()), static_cast<int>(report.size()));
}

TransmitterState defaults()
{
    TransmitterState state;
    state.retunePending = true;
    state.frequency = 9000;
    state.paLevel = 90;
    state.txGainIndex = 0;
    state.optionFlags = 37;
    return state;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("paLevel");
        QTest::addColumn<int>("txGainIndex");
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<bool>("muted");
        QTest::addColumn<bool>("retune");
        QTest::addColumn<QByteArray>("expected");

        auto row = [](const char* name, int kind, int frequency, int pa, int gain, int flags, bool onAir,
                      bool muted, bool retune, const char* hex) {
            QTest::newRow(name) << kind << frequency << pa << gain << flags << onAir << muted << retune
                                << QByteArray::fromHex(hex);
        };
        row("opening tune", TuneReport, 9000, 90, 0, 37, false, false, true, "000050011878 1A0000");
        row("opening setup", SetupReport, 9000, 90, 0, 37, false, false, true, "0000510325 00000000");
        row("on air", TuneReport, 9000, 90, 0, 37, true, false, false, "0000500118780900 00");
        row("step up", TuneReport, 9005, 90, 0, 37, true, false, true, "0000500119781900 00");
        row("mute", TuneReport, 9005, 90, 0, 37, true, true, false, "0000500119780500 00");
        row("off air muted", TuneReport, 9005, 90, 0, 37, false, true, false, "0000500119780600 00");
        row("band low edge", TuneReport, 7600, 90, 0, 37, false, false, false, "0000500000780A00 00");
        row("band 87.50", TuneReport, 8750, 90, 0, 37, false, false, false, "00005000E6780A00 00");
        row("band high edge", TuneReport, 10800, 90, 0, 37, false, false, false, "0000500280780A00 00");
        row("off grid truncates", TuneReport, 9001, 90, 0, 37, false, false, false, "0000500118780A00 00");
        row("below band two's complement", TuneReport, 0, 90, 0, 37, false, false, false,
            "0000500210780A00 00");
        row("lowest stored value", TuneReport, INT32_MIN, 90, 0, 37, false, false, false,
            "0000500077780A00 00");
        row("power zero", TuneReport, 9000, 0, 0, 37, false, false, false, "00005001181E0A00 00");
        row("gain top", SetupReport, 9000, 90, 23, 0x12, false, false, false, "0000515012 00000000");
        row("gain middle", SetupReport, 9000, 90, 13, 37, false, false, false, "0000511125 00000000");
        row("option low byte only", SetupReport, 9000, 90, 5, 0x1FF, false, false, false,
            "00005153FF 00000000");
        row("gain clamped high", SetupReport, 9000, 90, 30, 37, false, false, false, "0000515025 00000000");
        row("gain clamped low", SetupReport, 9000, 90, -2, 37, false, false, false, "0000510325 00000000");
    }

    void bytes()
    {
        QFETCH(int, kind);
        TransmitterState state;
        QFETCH(int, frequency);
        state.frequency = frequency;
        QFETCH(int, paLevel);
        state.paLevel = paLevel;
        QFETCH(int, txGainIndex);
        state.txGainIndex = txGainIndex;
        QFETCH(int, optionFlags);
        state.optionFlags = optionFlags;
        QFETCH(bool, onAir);
        state.onAir = onAir;
        QFETCH(bool, muted);
        state.muted = muted;
        QFETCH(bool, retune);
        state.retunePending = retune;
        QFETCH(QByteArray, expected);

        QCOMPARE(bytesOf(BuildReport(static_cast<ReportKind>(kind), state)), expected);
        QCOMPARE(state.txGainIndex, txGainIndex); // clamping is for the look-up only
    }

    void gainTable()
    {
        for (int i = 0; i < 24; ++i)
            QCOMPARE(TxGainCodeTable[i], std::uint8_t(((i % 6) << 4) | (3 - i / 6)));
    }

    void retuneBitFollowsRetunePending()
    {
        TransmitterState state = defaults();
        QCOMPARE(BuildReport(TuneReport, state)[6], std::uint8_t(0x1A));
        state.retunePending = false;
        QCOMPARE(BuildReport(TuneReport, state)[6], std::uint8_t(0x0A));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
