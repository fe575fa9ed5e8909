#include "core/Tuning.h"

#include <QtTest>

class TestTuning : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");

        // Spacing bits 4-5: 0 gives 200 kHz, 1 gives 100 kHz, 2 and 3 give 50 kHz; bit 1 picks 76-90 MHz.
        QTest::newRow("50 kHz default") << 0x25 << 9000 << 9005 << 8995;
        QTest::newRow("spacing 3 as 50 kHz") << 0x35 << 9000 << 9005 << 8995;
        QTest::newRow("100 kHz") << 0x10 << 9000 << 9010 << 8990;
        QTest::newRow("200 kHz off grid") << 0x00 << 8755 << 8775 << 8750;
        QTest::newRow("top of band") << 0x00 << 10800 << 10800 << 10780;
        QTest::newRow("near top clamps") << 0x00 << 10790 << 10800 << 10770;
        QTest::newRow("low band") << 0x02 << 8000 << 8020 << 7980;
        QTest::newRow("low band top") << 0x02 << 9000 << 9000 << 8980;
        QTest::newRow("low band bottom") << 0x22 << 7600 << 7605 << 7600;
        // A stored value beyond the far limit moves by one step and is not pulled into the band.
        QTest::newRow("above band, down one step") << 0x02 << 10000 << 9000 << 9980;
        QTest::newRow("below band, up one step") << 0x00 << 7000 << 7020 << 8750;
        QTest::newRow("extreme values") << 0x00 << INT32_MIN << INT32_MIN + 20 << 8750;
        QTest::newRow("extreme high") << 0x00 << INT32_MAX << 10800 << INT32_MAX - 20;
    }

    void steps()
    {
        QFETCH(int, optionFlags);
        QFETCH(int, frequency);
        QFETCH(int, up);
        QFETCH(int, down);
        QCOMPARE(SteppedUp(frequency, optionFlags), up);
        QCOMPARE(SteppedDown(frequency, optionFlags), down);
    }

    void bandClamp_data()
    {
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("clamped"); // -1: unchanged

        QTest::newRow("to 76-90 from 100.00") << 0x02 << 10000 << 9000;
        QTest::newRow("to 76-90 at 90.01") << 0x02 << 9001 << 9000;
        QTest::newRow("to 76-90 at 90.00") << 0x02 << 9000 << -1;
        QTest::newRow("to 87.5-108 from 80.00") << 0x00 << 8000 << 8750;
        QTest::newRow("to 87.5-108 at 87.49") << 0x00 << 8749 << 8750;
        QTest::newRow("88.00 either way a") << 0x02 << 8800 << -1;
        QTest::newRow("88.00 either way b") << 0x00 << 8800 << -1;
        QTest::newRow("far side left alone low") << 0x02 << 7000 << -1;
        QTest::newRow("far side left alone high") << 0x00 << 20000 << -1;
    }

    void bandClamp()
    {
        QFETCH(int, optionFlags);
        QFETCH(int, frequency);
        QFETCH(int, clamped);
        QCOMPARE(BandClamped(frequency, optionFlags).value_or(-1), clamped);
    }
};

QTEST_GUILESS_MAIN(TestTuning)
#include "tst_tuning.moc"
