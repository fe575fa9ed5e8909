#include "state/Frequency.h"
#include "state/Power.h"
#include "state/TransmitterValues.h"

#include <cstdint>
#include <limits>
#include <QtTest>

class TestFrequency : public QObject
{
    Q_OBJECT

private slots:
    // What a person may write, in the program's C locale and in one that writes a comma; -1: refused.
    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("kilohertz");
        const auto row = [](const char* text, const char* locale, qint64 kilohertz) {
            QTest::addRow("'%s' %s", text, locale)
                << QString::fromUtf8(text) << QString::fromLatin1(locale) << kilohertz;
        };
        row("88.1", "C", 88100);
        row("88,1", "C", 88100);
        row("88.10", "C", 88100);
        row("088.10", "C", 88100);
        row("88", "C", 88000);
        row("76", "C", 76000);
        row("108.00", "C", 108000);
        row("0", "C", 0);
        row("999.999", "C", 999999);
        row("88.105", "C", 88105);        // whole kHz, off the 10 kHz units
        row("88.1000000000", "C", 88100); // zeros past whole kHz change nothing
        row("88,1", "de_DE", 88100);
        row("88.1", "de_DE", 88100);
        row("88.1001", "C", -1);
        row("", "C", -1);
        row(".", "C", -1);
        row("88.", "C", -1);
        row(".5", "C", -1);
        row("1e3", "C", -1);
        row("1000", "C", -1);
        row("0088.1", "C", -1);
        row("99999999999999999999", "C", -1);
        row("-88.1", "C", -1);
        row("+88.1", "C", -1);
        row(" 88.1", "C", -1);
        row("88.1 ", "C", -1);
        row("88.1.0", "C", -1);
        row("88,1,0", "C", -1);
        row("88x1", "C", -1);
        row("٨٨", "C", -1);
    }

    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(qint64, kilohertz);
        const std::optional<Frequency> parsed = Frequency::FromMegahertzText(text, QLocale(locale));
        QCOMPARE(parsed.has_value(), kilohertz >= 0);
        if (parsed)
            QCOMPARE(parsed->Kilohertz(), kilohertz);
    }

    void bandEdgesGoRoundEveryScale_data()
    {
        QTest::addColumn<std::int32_t>("units");
        for (const BandLimits band : {WideBand, LowBand}) {
            QTest::addRow("%d", band.lower) << band.lower;
            QTest::addRow("%d", band.upper) << band.upper;
        }
        QTest::addRow("one grid step above the low band") << LowBand.lower + FrequencyGrid;
    }

    void bandEdgesGoRoundEveryScale()
    {
        QFETCH(std::int32_t, units);
        const Frequency frequency = Frequency::FromUnits(units);
        QVERIFY(frequency.InWholeUnits());
        QCOMPARE(Frequency::FromKilohertz(std::uint32_t(frequency.Kilohertz())), frequency);
        QCOMPARE(Frequency::FromMegahertzText(frequency.MegahertzText()), frequency);
        QCOMPARE(Frequency::FromMegahertzText(frequency.MegahertzText(QLocale(QLocale::German)),
                                              QLocale(QLocale::German)),
                 frequency);
        QCOMPARE(frequency.Units(), units);
    }

    // The text the status, the tray and the page showed before: whole units as two decimals, kHz between
    // them rounded to the nearest.
    void megahertzTextKeepsTheEarlierForm()
    {
        for (std::int32_t units = 0; units <= WideBand.upper + 100; ++units) {
            const QString earlier =
                QStringLiteral("%1.%2").arg(units / 100).arg(units % 100, 2, 10, QLatin1Char('0'));
            QCOMPARE(Frequency::FromUnits(units).MegahertzText(), earlier);
        }
        for (std::uint32_t kHz : {88104u, 88105u, 88106u, 108000u, 50u}) {
            const QString earlier = QString::number(double(kHz) / 1000, 'f', 2);
            QCOMPARE(Frequency::FromKilohertz(kHz).MegahertzText(), earlier);
        }
        QVERIFY(!Frequency::FromKilohertz(88106).InWholeUnits() &&
                Frequency::FromKilohertz(88106) != Frequency::FromUnits(8810));
    }

    void extremesDoNotOverflow()
    {
        constexpr std::uint32_t mostKilohertz = std::numeric_limits<std::uint32_t>::max();
        const Frequency highest = Frequency::FromKilohertz(mostKilohertz);
        QCOMPARE(highest.Kilohertz(), qint64(mostKilohertz));
        QVERIFY(highest.Units() > 0);
        QVERIFY(!Frequency::FromMegahertzText(highest.MegahertzText()));
        // No group separator, whatever the locale writes between thousands.
        QVERIFY(!highest.MegahertzText(QLocale(QLocale::German)).contains(u'.'));
        for (const std::int32_t units :
             {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
            QCOMPARE(Frequency::FromUnits(units).Units(), units);
            QVERIFY(Frequency::FromUnits(units).InWholeUnits());
        }
    }

    void powerLevels()
    {
        QVERIFY(!Power::FromLevel(-1));
        QVERIFY(!Power::FromLevel(qint64(PaLevelMaximum) + 1));
        QVERIFY(!Power::FromLevel(std::numeric_limits<qint64>::max()));
        for (std::int32_t level = 0; level <= PaLevelMaximum; ++level) {
            const std::optional<Power> power = Power::FromLevel(level);
            QVERIFY(power);
            QCOMPARE(power->Level(), level);
            // The transmitter's scale keeps the order and the steps of the user's.
            QCOMPARE(Power::PaValueOf(std::uint32_t(level)) - Power::PaValueOf(0), std::uint32_t(level));
        }
        // A level only a damaged state holds still gives a value, in the report byte's arithmetic.
        QCOMPARE(Power::PaValueOf(std::numeric_limits<std::uint32_t>::max()), Power::PaValueOf(0) - 1);
    }
};

QTEST_GUILESS_MAIN(TestFrequency)
#include "tst_frequency.moc"
