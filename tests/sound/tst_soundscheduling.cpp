#include "sound/RoutingPlan.h"
#include "sound/RoutingScheduler.h"
#include "sound/RoutingServer.h"

#include <memory>
#include <QtTest>

namespace {

const TransmitterIdentity transmitter{{}, {}, 0x046D, 0x0A0E};

// Sinks named "radio..." play on the transmitter.
ServerSinks Server(const QByteArray& defaultSink, const QByteArrayList& names)
{
    ServerSinks server{defaultSink, {}};
    for (const QByteArray& name : names) {
        SinkSeen sink{name, std::uint32_t(server.sinks.size()), QString::fromLatin1(name), {}};
        if (name.startsWith("radio"))
            sink.properties = {{"device.vendor.id", "0x046d"}, {"device.product.id", "0a0e"}};
        server.sinks += sink;
    }
    return server;
}

// "previous>routed", empty for none.
QByteArray Written(const std::optional<RoutingRecord>& record)
{
    return record ? record->previousDefault + '>' + record->routedSink : QByteArray();
}

// Holds each operation's answer until the test gives it; a lost connection drops it unanswered.
class FakeServer final : public RoutingServer
{
public:
    ServerSinks state = Server("speakers", {"speakers", "radio"});
    // Every default in turn, the first one included, and "+streams" where every stream was moved to it.
    QByteArrayList defaults{state.defaultSink};
    bool overlapped = false;

    void WatchSinks(bool) override {}
    void Search(std::function<RoutingPlan(const ServerSinks&)> plan, std::function<void()> done) override
    {
        Hold([this, plan, done] {
            const RoutingPlan planned = plan(state);
            if (planned.setDefault)
                SetDefault(planned.sink->name);
            if (planned.moveAllStreams)
                defaults += "+streams";
            done();
        });
    }
    void Check(std::function<void(const ServerSinks&)> done) override
    {
        Hold([this, done] { done(state); });
    }
    void Restore(const RoutingRecord& record, std::function<void()> done) override
    {
        Hold([this, record, done] {
            if (PlanRestore(state, record).giveBackDefault)
                SetDefault(record.previousDefault);
            done();
        });
    }
    bool Answer()
    {
        if (!held)
            return false;
        std::exchange(held, {})();
        return true;
    }
    void Drop() { held = {}; }
    void SetDefault(const QByteArray& sink)
    {
        if (sink != state.defaultSink)
            defaults += sink;
        state.defaultSink = sink;
    }

private:
    void Hold(std::function<void()> answer)
    {
        overlapped = overlapped || held;
        held = std::move(answer);
    }

    std::function<void()> held;
};

} // namespace

class TestSoundScheduling : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheSink_data();
    void choosesTheSink();
    void givesBackWhatIsOurs_data();
    void givesBackWhatIsOurs();
    void latestRequestWins_data();
    void latestRequestWins();
};

// Which sink is routed to, what is written down as replaced, and whether the default changes.
void TestSoundScheduling::choosesTheSink_data()
{
    QTest::addColumn<QByteArray>("defaultSink");
    QTest::addColumn<QByteArrayList>("sinks");
    QTest::addColumn<QByteArray>("recordBefore");
    QTest::addColumn<QByteArray>("routedTo");
    QTest::addColumn<QByteArray>("recordAfter");
    QTest::addColumn<bool>("setDefault");

    QTest::newRow("from the user's default")
        << QByteArray("speakers") << QByteArrayList{"speakers", "radio"} << QByteArray()
        << QByteArray("radio") << QByteArray("speakers>radio") << true;
    QTest::newRow("first of two") << QByteArray("speakers")
                                  << QByteArrayList{"speakers", "radio-a", "radio-b"} << QByteArray()
                                  << QByteArray("radio-a") << QByteArray("speakers>radio-a") << true;
    QTest::newRow("none of the transmitter's")
        << QByteArray("speakers") << QByteArrayList{"speakers", "hdmi"} << QByteArray("speakers>radio")
        << QByteArray() << QByteArray() << false;
    QTest::newRow("the user's default already")
        << QByteArray("radio") << QByteArrayList{"speakers", "radio"} << QByteArray() << QByteArray("radio")
        << QByteArray() << false;
    QTest::newRow("ours from a killed run")
        << QByteArray("radio") << QByteArrayList{"speakers", "radio"} << QByteArray("speakers>radio")
        << QByteArray("radio") << QByteArray("speakers>radio") << false;
    QTest::newRow("recorded sink gone, the server's pick")
        << QByteArray("hdmi") << QByteArrayList{"hdmi", "radio-b"} << QByteArray("speakers>radio-a")
        << QByteArray("radio-b") << QByteArray("speakers>radio-b") << true;
    QTest::newRow("the user picked another meanwhile")
        << QByteArray("headphones") << QByteArrayList{"headphones", "radio"} << QByteArray("speakers>radio")
        << QByteArray("radio") << QByteArray("headphones>radio") << true;
    QTest::newRow("no default") << QByteArray() << QByteArrayList{"radio"} << QByteArray()
                                << QByteArray("radio") << QByteArray() << true;
}

void TestSoundScheduling::choosesTheSink()
{
    QFETCH(QByteArray, defaultSink);
    QFETCH(QByteArrayList, sinks);
    QFETCH(QByteArray, recordBefore);
    QFETCH(QByteArray, routedTo);
    QFETCH(QByteArray, recordAfter);
    QFETCH(bool, setDefault);
    std::optional<RoutingRecord> record;
    if (!recordBefore.isEmpty())
        record = RoutingRecord{recordBefore.split('>').first(), recordBefore.split('>').last()};
    const RoutingPlan plan = PlanRouting(Server(defaultSink, sinks), transmitter, record);
    QCOMPARE(plan.sink ? plan.sink->name : QByteArray(), routedTo);
    QCOMPARE(Written(plan.record), recordAfter);
    QCOMPARE(plan.setDefault, setDefault);
}

// Routed from speakers to radio: what comes back depends on what the user and the server did since.
void TestSoundScheduling::givesBackWhatIsOurs_data()
{
    QTest::addColumn<QByteArray>("defaultSink");
    QTest::addColumn<QByteArrayList>("sinks");
    QTest::addColumn<bool>("giveBackDefault");
    QTest::addColumn<bool>("moveStreams");

    QTest::newRow("still routed") << QByteArray("radio") << QByteArrayList{"speakers", "radio"} << true
                                  << true;
    QTest::newRow("routed sink gone")
        << QByteArray("hdmi") << QByteArrayList{"speakers", "hdmi"} << true << false;
    QTest::newRow("the user's pick stays")
        << QByteArray("headphones") << QByteArrayList{"speakers", "radio", "headphones"} << false << false;
    QTest::newRow("cut short after the default")
        << QByteArray("speakers") << QByteArrayList{"speakers", "radio"} << false << true;
}

void TestSoundScheduling::givesBackWhatIsOurs()
{
    QFETCH(QByteArray, defaultSink);
    QFETCH(QByteArrayList, sinks);
    QFETCH(bool, giveBackDefault);
    QFETCH(bool, moveStreams);
    const RestorePlan plan = PlanRestore(Server(defaultSink, sinks), {"speakers", "radio"});
    QCOMPARE(plan.giveBackDefault, giveBackDefault);
    QCOMPARE(plan.moveStreams, moveStreams);
}

// Requests come while an operation waits for its answers; the server ends where the latest one wants it.
// "answer" gives one held answer, "settle" all; "user:X" makes X the default, "unplug:X" and "plug:X" take a
// sink away and bring it back; "restart" is a run killed and the next one started, the server unready.
void TestSoundScheduling::latestRequestWins_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<EngineStatus>("status");

    const QByteArray routed = "speakers>radio";
    QTest::newRow("routed on arrival") << "ready open settle"
                                       << "speakers radio" << routed << EngineStatus::Routed;
    QTest::newRow("off during the search") << "open ready off settle"
                                           << "speakers" << QByteArray() << EngineStatus::Idle;
    QTest::newRow("off and on during the search")
        << "open ready off on settle"
        << "speakers radio +streams" << routed << EngineStatus::Routed;
    QTest::newRow("the user's pick while routed stays")
        << "ready open settle user:headphones recheck settle"
        << "speakers radio headphones" << routed << EngineStatus::Routed;
    QTest::newRow("put back after the user's pick") << "ready open settle user:headphones putback settle"
                                                    << "speakers radio headphones radio +streams"
                                                    << QByteArray("headphones>radio") << EngineStatus::Routed;
    QTest::newRow("put back a stream: the default stays ours")
        << "ready open settle putback settle"
        << "speakers radio +streams" << routed << EngineStatus::Routed;
    QTest::newRow("put back while off: nothing")
        << "ready open settle off settle putback settle"
        << "speakers radio speakers" << QByteArray() << EngineStatus::Idle;
    QTest::newRow("closed, reopened during the restore")
        << "ready open settle close open settle"
        << "speakers radio speakers radio" << routed << EngineStatus::Routed;
    QTest::newRow("closed: given back") << "ready open settle close settle"
                                        << "speakers radio speakers" << QByteArray() << EngineStatus::Idle;
    QTest::newRow("the user's pick survives the close")
        << "ready open settle user:headphones close settle"
        << "speakers radio headphones" << QByteArray() << EngineStatus::Idle;
    QTest::newRow("sink gone while asleep") << "ready open settle unplug:radio recheck settle"
                                            << "speakers radio speakers" << routed << EngineStatus::Searching;
    QTest::newRow("and back") << "ready open settle unplug:radio recheck settle plug:radio settle"
                              << "speakers radio speakers radio" << routed << EngineStatus::Routed;
    QTest::newRow("server lost mid-search") << "open ready lost ready settle"
                                            << "speakers radio" << routed << EngineStatus::Routed;
    QTest::newRow("server lost while routed") << "ready open settle lost"
                                              << "speakers radio" << routed << EngineStatus::NoServer;
    QTest::newRow("a killed run's routing, option off next time")
        << "ready open settle restart off ready settle"
        << "speakers radio speakers" << QByteArray() << EngineStatus::Idle;
    QTest::newRow("a killed run's routing, given back at the close")
        << "ready open settle restart open ready settle close settle"
        << "speakers radio speakers" << QByteArray() << EngineStatus::Idle;
}

void TestSoundScheduling::latestRequestWins()
{
    QFETCH(QString, steps);
    QTemporaryDir dir;
    const QString recordPath = dir.filePath(QStringLiteral("record"));
    FakeServer server;
    EngineStatus status = EngineStatus::NoServer;
    // A new run reports from scratch.
    auto start = [&] {
        status = EngineStatus::NoServer;
        return std::make_unique<RoutingScheduler>(true, recordPath,
                                                  [&](EngineStatus now, const QString&) { status = now; });
    };
    std::unique_ptr<RoutingScheduler> scheduler = start();
    using Sink = const QByteArray&;
    const QHash<QString, std::function<void(Sink)>> actions{
        {QStringLiteral("open"), [&](Sink) { scheduler->TransmitterOpened(transmitter); }},
        {QStringLiteral("close"), [&](Sink) { scheduler->TransmitterClosed(); }},
        {QStringLiteral("on"), [&](Sink) { scheduler->SetEnabled(true); }},
        {QStringLiteral("off"), [&](Sink) { scheduler->SetEnabled(false); }},
        {QStringLiteral("recheck"), [&](Sink) { scheduler->Recheck(); }},
        {QStringLiteral("putback"), [&](Sink) { scheduler->PutBack(); }},
        {QStringLiteral("ready"), [&](Sink) { scheduler->ServerReady(&server); }},
        {QStringLiteral("lost"),
         [&](Sink) {
             server.Drop();
             scheduler->ServerLost();
         }},
        {QStringLiteral("restart"),
         [&](Sink) {
             server.Drop();
             scheduler = start();
         }},
        {QStringLiteral("settle"),
         [&](Sink) {
             while (server.Answer()) {
             }
         }},
        {QStringLiteral("user"), [&](Sink sink) { server.SetDefault(sink); }},
        {QStringLiteral("unplug"),
         [&](Sink sink) {
             server.state.sinks.removeIf([&](const SinkSeen& seen) { return seen.name == sink; });
             if (server.state.defaultSink == sink)
                 server.SetDefault(server.state.sinks.first().name);
         }},
        {QStringLiteral("plug"),
         [&](Sink sink) {
             server.state.sinks += Server({}, {sink}).sinks;
             scheduler->SinksAnnounced();
         }},
    };
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        const auto action = actions.find(step.section(QLatin1Char(':'), 0, 0));
        QVERIFY2(action != actions.end(), qPrintable(step));
        (*action)(step.section(QLatin1Char(':'), 1).toLatin1());
    }
    QVERIFY(!server.overlapped);
    QTEST(QString::fromLatin1(server.defaults.join(' ')), "defaults");
    QTEST(Written(ReadRoutingRecord(recordPath)), "record");
    QTEST(status, "status");
}

QTEST_GUILESS_MAIN(TestSoundScheduling)
#include "tst_soundscheduling.moc"
