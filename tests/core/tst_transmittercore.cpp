#include "core/TestCore.h"
#include "device/FakeTransmitterReports.h"
#include "state/FavouritesFile.h"
#include "state/StartOnAirFile.h"

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

Operation tuneTo(std::int32_t frequency)
{
    return [frequency](TransmitterCore& core) {
        return core.TuneTo(frequency) ? QString() : QStringLiteral("refused");
    };
}

Operation step(bool (TransmitterCore::*operation)())
{
    return [operation](TransmitterCore& core) {
        return (core.*operation)() ? QString() : QStringLiteral("ignored");
    };
}

using FavouriteOperation = std::function<FavouriteAnswer(TransmitterCore&)>;

FavouriteOperation add(std::int32_t frequency)
{
    return [frequency](TransmitterCore& core) { return core.AddFavourite(frequency); };
}

FavouriteOperation remove(std::int32_t frequency)
{
    return [frequency](TransmitterCore& core) { return core.RemoveFavourite(frequency); };
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(FavouriteOperation)

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

        QTest::newRow("a favourite chosen on air retunes")
            << true << 9000 << tuneTo(8810) << true << R{tune("00F2", "78", "19")} << 8810 << 0x25;
        QTest::newRow("a favourite chosen off air is kept for later")
            << false << 9000 << tuneTo(10800) << true << R{} << 10800 << 0x25;
        QTest::newRow("a typed frequency off the grid")
            << true << 9000 << tuneTo(8812) << false << R{} << 9000 << 0x25;
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
        QTest::newRow("the core refuses a level beyond the device's range itself")
            << true << 9000 << Operation([](TransmitterCore& core) {
                   return core.ChangePaLevel(226) ? QString() : QStringLiteral("refused");
               })
            << false << R{} << 9000 << 0x25;
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
        TakeReports(core);
        const TransmitterState before = core.State();
        QSignalSpy changes(&core, &TransmitterCore::changed);

        const QString refusal = operation(core);
        QCOMPARE(refusal.isEmpty(), accepted);
        QCOMPARE(TakeReports(core), reports);
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
            {QStringLiteral("OnAir"), true},       {QStringLiteral("Muted"), true},
            {QStringLiteral("PaLevel"), 45u},      {QStringLiteral("TxGain"), 23u},
            {QStringLiteral("Stereo"), true},      {QStringLiteral("Step"), 100u},
            {QStringLiteral("Deemphasis"), 50u},   {QStringLiteral("Band"), QStringLiteral("76-90")},
            {QStringLiteral("Frequency"), 76050u}, {QStringLiteral("OnAirAtStart"), true}};
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            QVERIFY2(core.WriteProperty(it.key(), it.value()).isEmpty(), qPrintable(it.key()));
        QVariantMap expected = written;
        expected.insert(QStringLiteral("Connected"), false);
        expected.insert(QStringLiteral("Connection"), QStringLiteral("absent"));
        expected.insert(QStringLiteral("Delivered"), true);
        expected.insert(QStringLiteral("WriteFailedAt"), QString());
        expected.insert(QStringLiteral("StartAtLogin"), false);
        expected.insert(QStringLiteral("Favourites"), QVariant::fromValue(QList<uint>()));
        QCOMPARE(core.Properties(), expected);
        QVERIFY(ReadStartOnAir(StartOnAirPath(test.settingsFile())));
    }

    // Kept in their own file: what the file gives is brought under the rules, each change is stored, and a
    // refused or unstorable one changes nothing. The lines left out at the start are named, with why, for
    // the window to tell ("line:why").
    void favourites_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<FavouriteOperation>("operation");
        QTest::addColumn<FavouriteAnswer>("answer");
        QTest::addColumn<QList<uint>>("after");
        QTest::addColumn<QString>("leftOut");
        const QByteArray twelve =
            "88000\n88100\n88200\n88300\n88400\n88500\n88600\n88700\n88800\n88900\n89000\n89100\n";
        const QList<uint> twelveKHz = {88000, 88100, 88200, 88300, 88400, 88500,
                                       88600, 88700, 88800, 88900, 89000, 89100};
        const FavouriteOperation none = [](TransmitterCore&) { return FavouriteAnswer::Done; };
        QTest::newRow("a damaged file is brought under the rules")
            << QByteArray("108000\n88100\nabc\n88100\n88125\n200000\n-5\n76000\n\n") << 0x25 << none
            << FavouriteAnswer::Done << QList<uint>{76000, 88100, 108000}
            << "3:off 4:repeat 5:off 6:off 7:off";
        QTest::newRow("more than twelve: the lowest twelve")
            << twelve + "76000\n"
            << 0x25 << none << FavouriteAnswer::Done << QList<uint>{76000} + twelveKHz.mid(0, 11)
            << "12:beyond";
        QTest::newRow("added in order") << QByteArray("90000\n88100\n") << 0x25 << add(8900)
                                        << FavouriteAnswer::Done << QList<uint>{88100, 89000, 90000} << "";
        QTest::newRow("one already there with twelve")
            << twelve << 0x25 << add(8850) << FavouriteAnswer::Done << twelveKHz << "";
        QTest::newRow("a thirteenth")
            << twelve << 0x25 << add(9000) << FavouriteAnswer::Full << twelveKHz << "";
        QTest::newRow("more than twelve, then a change")
            << twelve + "76000\n"
            << 0x25 << remove(7600) << FavouriteAnswer::Done << twelveKHz.mid(0, 11) << "12:beyond";
        QTest::newRow("off the grid")
            << QByteArray() << 0x25 << add(8812) << FavouriteAnswer::Refused << QList<uint>{} << "";
        QTest::newRow("outside the low band in use")
            << QByteArray() << 0x27 << add(9500) << FavouriteAnswer::Refused << QList<uint>{} << "";
        QTest::newRow("inside the low band only")
            << QByteArray() << 0x27 << add(7600) << FavouriteAnswer::Done << QList<uint>{76000} << "";
        QTest::newRow("removed") << QByteArray("90000\n88100\n") << 0x25 << remove(9000)
                                 << FavouriteAnswer::Done << QList<uint>{88100} << "";
        QTest::newRow("removing one that is none")
            << QByteArray("88100\n") << 0x25 << remove(9000) << FavouriteAnswer::NotFavourite
            << QList<uint>{88100} << "";
        QTest::newRow("a directory in the file's place") << QByteArray("<directory>") << 0x25 << add(9000)
                                                         << FavouriteAnswer::NotStored << QList<uint>{} << "";
    }

    void favourites()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, optionFlags);
        QFETCH(FavouriteOperation, operation);
        QFETCH(FavouriteAnswer, answer);
        QFETCH(QList<uint>, after);
        QFETCH(QString, leftOut);

        TestCore test(SettingsBytes(9000, 90, 0, optionFlags));
        const QString path = FavouritesPath(test.settingsFile());
        if (file == "<directory>") {
            QVERIFY(QDir().mkdir(path));
        } else if (!file.isEmpty()) {
            QFile favouritesFile(path);
            QVERIFY(favouritesFile.open(QIODevice::WriteOnly));
            favouritesFile.write(file);
        }
        test.core.LoadState(test.settingsFile());
        const std::vector<std::int32_t> before = test.core.Favourites();
        const bool linesLeftOut = ReadFavouritesFile(path).frequencies.size() > before.size();
        QStringList named;
        for (const LeftOutLine& line : test.core.FavouritesLeftOutAtStart().lines) {
            using enum LeftOutLine::Why;
            named.append(QStringLiteral("%1:%2")
                             .arg(line.number)
                             .arg(line.why == NotTunable ? "off"
                                  : line.why == Repeated ? "repeat"
                                                         : "beyond"));
            QCOMPARE(line.text, file.split('\n').value(line.number - 1));
        }
        QCOMPARE(named.join(' '), leftOut);
        QSignalSpy changes(&test.core, &TransmitterCore::changed);

        QCOMPARE(operation(test.core), answer);
        QCOMPARE(test.core.Properties().value(QStringLiteral("Favourites")).value<QList<uint>>(), after);
        QCOMPARE(changes.isEmpty(), test.core.Favourites() == before);
        // Nothing the file held is lost: a rewrite that leaves lines out keeps the file as it was.
        QCOMPARE(QFile::exists(path + ".bak"), linesLeftOut && !changes.isEmpty());
        if (QFile::exists(path + ".bak")) {
            QFile backup(path + ".bak");
            QVERIFY(backup.open(QIODevice::ReadOnly));
            QCOMPARE(backup.readAll(), file);
        }
        // Read again as the next start reads it.
        if (!changes.isEmpty())
            QCOMPARE(KeptFavourites(ReadFavouritesFile(path).frequencies), test.core.Favourites());
    }

    // The first arrival of the run goes on air as Play does, once the start is done, when the option is on;
    // a file that says anything else starts off air as the program always did.
    void onAirAtStart_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("onAir");
        QTest::newRow("on") << QByteArray("OnAirAtStart=1\n") << true;
        QTest::newRow("off") << QByteArray("OnAirAtStart=0\n") << false;
        QTest::newRow("damaged") << QByteArray("OnAirAtStart=yes\n") << false;
    }

    void onAirAtStart()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, onAir);

        FakeHid_Reset();
        TestCore test(SettingsBytes(9000, 90, 0, 0x25));
        if (!file.isEmpty()) {
            QFile startFile(StartOnAirPath(test.settingsFile()));
            QVERIFY(startFile.open(QIODevice::WriteOnly));
            startFile.write(file);
        }
        QVERIFY(test.Start());
        QList<QByteArray> expected = {tune("0118", "78", "1A"), SetupBytes("03", "25")};
        if (onAir)
            expected.append(tune("0118", "78", "09"));
        QCOMPARE(TakeReports(test.core), expected);
        QCOMPARE(test.core.State().onAir, onAir);
        QCOMPARE(test.core.OnAirAtStart(), onAir);

        // The wake-up after sleep tells the transmitter everything again, retuning first.
        test.core.ResendAll();
        QCOMPARE(TakeReports(test.core),
                 QList<QByteArray>({tune("0118", "78", onAir ? "19" : "1A"), SetupBytes("03", "25")}));
    }
};

QTEST_GUILESS_MAIN(TestTransmitterCore)
#include "tst_transmittercore.moc"
