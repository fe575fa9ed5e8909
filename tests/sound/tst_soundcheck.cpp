#include "sound/LevelPacer.h"
#include "sound/SoundCheck.h"

#include <cmath>
#include <QtTest>

namespace {

const TransmitterIdentity transmitter{{}, {}, 0x046D, 0x0A0E};

// "name" plays elsewhere, "radio..." on the transmitter; "+muted" and "+volume0" as the sound settings have
// them. The sink's index is its place in the list.
ServerSinks Sinks(const QByteArray& defaultSink, const QByteArrayList& sinks)
{
    ServerSinks seen{defaultSink, {}};
    for (const QByteArray& written : sinks) {
        const QByteArrayList parts = written.split('+');
        SinkSeen sink{parts.first(),
                      std::uint32_t(seen.sinks.size()),
                      QString::fromLatin1(parts.first()).toUpper(),
                      {}};
        if (sink.name.startsWith("radio"))
            sink.properties = {{"device.vendor.id", "0x046d"}, {"device.product.id", "0x0a0e"}};
        sink.muted = parts.contains("muted");
        sink.volume = parts.contains("volume0") ? 0 : 65536;
        sink.monitorSource = sink.name + ".monitor";
        seen.sinks += sink;
    }
    return seen;
}

// "sink index:corked" or "sink index:playing", space-separated.
QList<StreamSeen> Streams(const QString& written)
{
    QList<StreamSeen> streams;
    for (const QString& stream : written.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        streams += {stream.section(QLatin1Char(':'), 0, 0).toUInt(),
                    stream.section(QLatin1Char(':'), 1) == QLatin1String("corked")};
    return streams;
}

// Answers only when the test says so; counts what it was asked, and its end.
class FakeCheckServer final : public CheckServer
{
public:
    struct Seen
    {
        std::function<void(const ServerReading&)> read;
        std::function<void()> lost;
        std::function<void(float)> heard;
        std::function<void()> failed;
        QByteArray measured;
        bool gone = false;
    };
    explicit FakeCheckServer(Seen& seen) : seen(seen) {}
    ~FakeCheckServer() override { seen.gone = true; }
    void Read(std::function<void(const ServerReading&)> read, std::function<void()> lost) override
    {
        seen.read = std::move(read);
        seen.lost = std::move(lost);
    }
    void Measure(const QByteArray& source, std::function<void(float)> heard,
                 std::function<void()> failed) override
    {
        seen.measured = source;
        seen.heard = std::move(heard);
        seen.failed = std::move(failed);
    }

private:
    Seen& seen;
};

} // namespace

class TestSoundCheck : public QObject
{
    Q_OBJECT

private slots:
    void readsTheWay_data();
    void readsTheWay();
    void endsWhateverTheServerDoes_data();
    void endsWhateverTheServerDoes();
    void sharesOneCheck();
    void pacesTheLevel_data();
    void pacesTheLevel();
};

void TestSoundCheck::readsTheWay_data()
{
    QTest::addColumn<QByteArray>("defaultSink");
    QTest::addColumn<QByteArrayList>("sinks");
    QTest::addColumn<QString>("streams");
    QTest::addColumn<QByteArray>("serverName");
    // Expected: found, routed, muted, playing, pipewire, where the sound goes, where a stream plays instead.
    QTest::addColumn<QString>("facts");

    const QByteArrayList two{"speakers", "radio"};
    QTest::newRow("routed, playing") << QByteArray("radio") << two << "1:playing" << QByteArray("pulseaudio")
                                     << "found routed playing RADIO";
    QTest::newRow("the only stream paused")
        << QByteArray("radio") << two << "1:corked" << QByteArray("pulseaudio") << "found routed RADIO";
    QTest::newRow("one paused, one playing") << QByteArray("radio") << two << "1:corked 1:playing"
                                             << QByteArray("pulseaudio") << "found routed playing RADIO";
    QTest::newRow("playing elsewhere") << QByteArray("speakers") << two << "0:playing"
                                       << QByteArray("pulseaudio") << "found SPEAKERS elsewhere:SPEAKERS";
    QTest::newRow("routed, the one stream moved elsewhere")
        << QByteArray("radio") << two << "0:playing" << QByteArray("pulseaudio")
        << "found routed RADIO elsewhere:SPEAKERS";
    QTest::newRow("one here, one elsewhere") << QByteArray("radio") << two << "0:playing 1:playing"
                                             << QByteArray("pulseaudio") << "found routed playing RADIO";
    QTest::newRow("paused elsewhere")
        << QByteArray("radio") << two << "0:corked" << QByteArray("pulseaudio") << "found routed RADIO";
    QTest::newRow("muted") << QByteArray("radio") << QByteArrayList{"speakers", "radio+muted"} << "1:playing"
                           << QByteArray("pulseaudio") << "found routed muted playing RADIO";
    QTest::newRow("volume 0") << QByteArray("radio") << QByteArrayList{"speakers", "radio+volume0"} << ""
                              << QByteArray("pulseaudio") << "found routed muted RADIO";
    QTest::newRow("another sink muted") << QByteArray("radio") << QByteArrayList{"speakers+muted", "radio"}
                                        << "" << QByteArray("pulseaudio") << "found routed RADIO";
    QTest::newRow("first of two cards, the second the default")
        << QByteArray("radio-b") << QByteArrayList{"radio-a", "radio-b"} << "1:playing"
        << QByteArray("pulseaudio") << "found RADIO-B elsewhere:RADIO-B";
    QTest::newRow("no card") << QByteArray("speakers") << QByteArrayList{"speakers", "hdmi"} << "0:playing"
                             << QByteArray("pulseaudio") << "SPEAKERS";
    QTest::newRow("no default") << QByteArray() << two << "" << QByteArray("pulseaudio") << "found";
    QTest::newRow("PipeWire's server")
        << QByteArray("radio") << two << "1:playing" << QByteArray("PulseAudio (on PipeWire 1.4.2)")
        << "found routed playing pipewire RADIO";
}

void TestSoundCheck::readsTheWay()
{
    QFETCH(QByteArray, defaultSink);
    QFETCH(QByteArrayList, sinks);
    QFETCH(QString, streams);
    QFETCH(QByteArray, serverName);
    const SoundFacts facts = FactsOf({serverName, Sinks(defaultSink, sinks), Streams(streams)}, transmitter);
    QStringList said;
    for (const auto& [holds, word] : {std::pair{facts.transmitterCardFound, "found"},
                                      {facts.routedToTransmitter, "routed"},
                                      {facts.sinkMuted, "muted"},
                                      {facts.playing, "playing"},
                                      {facts.pipewire, "pipewire"}})
        if (holds)
            said += QString::fromLatin1(word);
    if (!facts.defaultSinkDescription.isEmpty())
        said += facts.defaultSinkDescription;
    if (!facts.streamElsewhereSink.isEmpty())
        said += QStringLiteral("elsewhere:") + facts.streamElsewhereSink;
    QCOMPARE(facts.server, SoundFacts::Server::Answering);
    QVERIFY(!facts.peakDbfs);
    QTEST(said.join(QLatin1Char(' ')), "facts");
}

// What the server does, step by step: "read" (radio, a stream playing into it), "read-idle" (nothing
// playing), "read-none" (no card), "read-muted" (its sink muted, a stream playing), "hear:<linear peak>",
// "fail" (the stream), "lost" (the server went), "wait" (until the measuring time is up). The check must end
// exactly once with what it found, and let its server go.
void TestSoundCheck::endsWhateverTheServerDoes_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("measureMs");
    QTest::addColumn<bool>("socketExists");
    QTest::addColumn<SoundFacts::Server>("server");
    QTest::addColumn<bool>("found");
    // "none": not measured; "-inf" or dBFS rounded.
    QTest::addColumn<QString>("peak");

    using enum SoundFacts::Server;
    // The measuring time is far beyond the test's wait: an answer shows that the check stopped early.
    const int anHour = 3600 * 1000;
    QTest::newRow("accepts, never answers") << "" << 0 << true << NotAnswering << false << "none";
    QTest::newRow("not measured when not asked") << "read" << 0 << true << Answering << true << "none";
    QTest::newRow("nothing playing, nothing to measure")
        << "read-idle" << anHour << true << Answering << true << "none";
    QTest::newRow("muted sink, nothing to measure")
        << "read-muted" << anHour << true << Answering << true << "none";
    QTest::newRow("no card, nothing to measure")
        << "read-none" << anHour << true << Answering << false << "none";
    QTest::newRow("sound stops the measuring")
        << "read hear:0 hear:0.0001 hear:0.5" << anHour << true << Answering << true << "-6";
    QTest::newRow("silence for the whole time")
        << "read hear:0 hear:0.0005 wait" << 50 << true << Answering << true << "-66";
    QTest::newRow("nothing heard: the source slept")
        << "read wait" << 50 << true << Answering << true << "-inf";
    QTest::newRow("stream refused") << "read fail" << anHour << true << Answering << true << "none";
    QTest::newRow("gone while measuring, socket gone")
        << "read hear:0 lost" << anHour << false << None << false << "none";
    QTest::newRow("gone while measuring, socket still there")
        << "read hear:0 lost" << anHour << true << NotAnswering << false << "none";
    QTest::newRow("refused at once") << "lost" << anHour << false << None << false << "none";
    QTest::newRow("late answers after the end are not heard")
        << "read hear:0.5 lost read" << anHour << true << Answering << true << "-6";
}

void TestSoundCheck::endsWhateverTheServerDoes()
{
    QFETCH(QString, steps);
    QFETCH(int, measureMs);
    QFETCH(bool, socketExists);
    FakeCheckServer::Seen seen;
    QList<SoundFacts> answers;
    auto* check = new SoundCheck(
        std::make_unique<FakeCheckServer>(seen), transmitter, measureMs,
        [socketExists] { return socketExists; }, [&answers](const SoundFacts& facts) { answers += facts; });
    QPointer<SoundCheck> alive(check);
    check->Start();
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1String("read")))
            seen.read({"pulseaudio",
                       Sinks("speakers", step == QLatin1String("read-none") ? QByteArrayList{"speakers"}
                                         : step == QLatin1String("read-muted")
                                             ? QByteArrayList{"speakers", "radio+muted"}
                                             : QByteArrayList{"speakers", "radio"}),
                       Streams(step == QLatin1String("read-idle") ? "1:corked" : "1:playing")});
        else if (step.startsWith(QLatin1String("hear:")))
            seen.heard(step.section(QLatin1Char(':'), 1).toFloat());
        else if (step == QLatin1String("fail"))
            seen.failed();
        else if (step == QLatin1String("lost"))
            seen.lost();
        else
            QTRY_VERIFY_WITH_TIMEOUT(!answers.isEmpty(), 60000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!alive, 60000);
    QCOMPARE(answers.size(), 1);
    QVERIFY(seen.gone);
    const SoundFacts& facts = answers.first();
    QTEST(facts.server, "server");
    QTEST(facts.transmitterCardFound, "found");
    if (!seen.measured.isEmpty())
        QCOMPARE(seen.measured, QByteArray("radio.monitor"));
    const QString peak = !facts.peakDbfs               ? QStringLiteral("none")
                         : std::isinf(*facts.peakDbfs) ? QStringLiteral("-inf")
                                                       : QString::number(std::lround(*facts.peakDbfs));
    QTEST(peak, "peak");
}

// Askers that come while a check runs share its one server: those asking no level are answered once it was
// read, the others with the level; a level asked before the reading is measured even if the first asker
// wanted none. Once ended, the check takes nobody more.
void TestSoundCheck::sharesOneCheck()
{
    FakeCheckServer::Seen seen;
    QStringList answered; // "name" or "name:peak"
    const auto asker = [&answered](const QString& name) {
        return [&answered, name](const SoundFacts& facts) {
            answered += facts.peakDbfs
                            ? name + QLatin1Char(':') + QString::number(std::lround(*facts.peakDbfs))
                            : name;
        };
    };
    const int anHour = 3600 * 1000;
    auto* check = new SoundCheck(
        std::make_unique<FakeCheckServer>(seen), transmitter, 0, [] { return true; },
        asker(QStringLiteral("first")));
    QPointer<SoundCheck> alive(check);
    check->Start();
    QVERIFY(check->Join(anHour, asker(QStringLiteral("measured"))) &&
            check->Join(0, asker(QStringLiteral("quick"))));
    seen.read({"pulseaudio", Sinks("speakers", {"speakers", "radio"}), Streams("1:playing")});
    QVERIFY(check->Join(0, asker(QStringLiteral("meanwhile"))) &&
            check->Join(anHour, asker(QStringLiteral("late"))));
    QTRY_COMPARE(answered, (QStringList{"first", "quick", "meanwhile"}));
    QCOMPARE(seen.measured, QByteArray("radio.monitor"));
    seen.heard(0.5f);
    QVERIFY(!check->Join(0, asker(QStringLiteral("after the end"))));
    QTRY_VERIFY(!alive);
    QCOMPARE(answered, (QStringList{"first", "quick", "meanwhile", "measured:-6", "late:-6"}));
    QVERIFY(seen.gone);
}

// Readings as the server's clock gives them, one every intervalMs (jitter added to every other one), those
// of a stall of stallMs after the first second coming at once after it. At most 10 levels go in any second,
// a loud reading held back is carried by the next level, no more are held back than that needs, and the
// meter does not freeze for long, not even after a burst (longestPauseMs, beside the stall; 0: any).
void TestSoundCheck::pacesTheLevel_data()
{
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("jitterMs");
    QTest::addColumn<int>("stallMs");
    QTest::addColumn<int>("leastSent"); // of 200 readings
    QTest::addColumn<int>("longestPauseMs");
    QTest::newRow("even") << 100 << 0 << 0 << 200 << 100;
    QTest::newRow("uneven") << 100 << 8 << 0 << 200 << 108;
    QTest::newRow("faster than it may") << 50 << 0 << 0 << 95 << 0;
    QTest::newRow("a stall, then a burst") << 100 << 3 << 2000 << 175 << 206;
}

void TestSoundCheck::pacesTheLevel()
{
    QFETCH(int, intervalMs);
    QFETCH(int, jitterMs);
    QFETCH(int, stallMs);
    LevelPacer pacer;
    QList<qint64> sentAt;
    float loudestHeld = 0;
    qint64 clock = 0;
    for (int reading = 0; reading < 200; ++reading) {
        clock += intervalMs + (reading % 2 ? jitterMs : -jitterMs);
        const qint64 heardAt = clock > 1000 && clock < 1000 + stallMs ? 1000 + stallMs : clock;
        // Every 7th reading loud, louder each time; the others quiet.
        const float peak = reading % 7 == 0 ? 0.5f + reading / 1000.0f : 0.01f;
        loudestHeld = std::max(loudestHeld, peak);
        if (const std::optional<float> level = pacer.Heard(peak, heardAt)) {
            QCOMPARE(*level, loudestHeld);
            loudestHeld = 0;
            sentAt += heardAt;
        }
    }
    const auto most = qsizetype(LevelPacer::MostPerSecond);
    for (qsizetype first = 0; first + most < sentAt.size(); ++first)
        QVERIFY2(sentAt[first + most] - sentAt[first] >= 1000, qPrintable(QString::number(sentAt[first])));
    QFETCH(int, leastSent);
    QVERIFY2(sentAt.size() >= leastSent, qPrintable(QString::number(sentAt.size())));
    QFETCH(int, longestPauseMs);
    for (qsizetype next = 1; longestPauseMs > 0 && next < sentAt.size(); ++next)
        if (sentAt[next] != 1000 + stallMs)
            QVERIFY2(sentAt[next] - sentAt[next - 1] <= longestPauseMs,
                     qPrintable(QString::number(sentAt[next])));
}

QTEST_GUILESS_MAIN(TestSoundCheck)
#include "tst_soundcheck.moc"
