#include "sound/RoutingScheduler.h"

#include "sound/RoutingServer.h"

#include <utility>

namespace {

constexpr int SearchWindowMs = 10000;

} // namespace

RoutingScheduler::RoutingScheduler(bool enabled, const QString& recordPath, EngineStatusCallback report)
    : enabled(enabled), report(std::move(report)), recordPath(recordPath),
      record(ReadRoutingRecord(recordPath))
{
    searchWindow.setSingleShot(true);
    searchWindow.setInterval(SearchWindowMs);
    QObject::connect(&searchWindow, &QTimer::timeout, &searchWindow, [this] {
        EndSearch();
        putBack = false;
        notFound = Wanted() && !routed;
        Next();
        Report();
    });
}

void RoutingScheduler::SetEnabled(bool on)
{
    if (on == enabled)
        return;
    enabled = on;
    notFound = false;
    putBack = on;
    if (on)
        BeginSearch();
    else
        EndSearch();
    Next();
    Report();
}

void RoutingScheduler::PutBack()
{
    if (!Wanted())
        return;
    putBack = true;
    routed = false;
    BeginSearch();
    Next();
    Report();
}

void RoutingScheduler::TransmitterOpened(const TransmitterIdentity& opened)
{
    transmitter = opened;
    transmitterOpen = true;
    Recheck();
}

void RoutingScheduler::TransmitterClosed()
{
    transmitterOpen = false;
    notFound = false;
    EndSearch();
    Next();
    Report();
}

void RoutingScheduler::Recheck()
{
    if (!Wanted())
        return;
    // Routed already: the sink may have gone and come back meanwhile, the default with it.
    if (routed)
        checkDue = true;
    else
        BeginSearch();
    Next();
    Report();
}

void RoutingScheduler::ServerReady(RoutingServer* ready)
{
    server = ready;
    BeginSearch();
    Next();
    Report();
}

void RoutingScheduler::ServerLost()
{
    server = nullptr;
    busy = false;
    routed = false;
    EndSearch();
    Report();
}

void RoutingScheduler::SinksAnnounced()
{
    if (!searching)
        return;
    searchDue = true;
    Next();
}

std::optional<RoutingRecord> RoutingScheduler::Finish()
{
    if (finished)
        return std::nullopt;
    finished = true;
    EndSearch();
    // What the connection still had under way is dropped; the record is given back from a fresh reading.
    server = nullptr;
    busy = false;
    routed = false;
    return record;
}

void RoutingScheduler::GivenBack()
{
    Forget();
}

void RoutingScheduler::BeginSearch()
{
    if (!Wanted() || !server || routed)
        return;
    notFound = false;
    if (!searching) {
        searching = true;
        server->WatchSinks(true);
    }
    searchDue = true;
    searchWindow.start();
}

void RoutingScheduler::EndSearch()
{
    searchWindow.stop();
    searchDue = false;
    if (!searching)
        return;
    searching = false;
    if (server)
        server->WatchSinks(false);
}

void RoutingScheduler::Next()
{
    if (busy || !server || finished)
        return;
    if ((routed || record) && !(Wanted() && (routed || searching))) {
        routed = false;
        if (!record)
            return;
        busy = true;
        server->Restore(*record, [this] {
            Forget();
            Done();
        });
    } else if (Wanted() && routed && checkDue) {
        busy = true;
        checkDue = false;
        server->Check([this](const ServerSinks& seen) {
            Checked(seen);
            Done();
        });
    } else if (Wanted() && !routed && searching && searchDue) {
        busy = true;
        searchDue = false;
        server->Search([this](const ServerSinks& seen) { return Planned(seen); }, [this] { Done(); });
    }
}

void RoutingScheduler::Done()
{
    busy = false;
    Next();
    Report();
}

void RoutingScheduler::Report()
{
    const EngineStatus status = !server     ? EngineStatus::NoServer
                                : routed    ? EngineStatus::Routed
                                : searching ? EngineStatus::Searching
                                : notFound  ? EngineStatus::NotFound
                                            : EngineStatus::Idle;
    const QString description = status == EngineStatus::Routed ? routedDescription : QString();
    if (status == reported && description == reportedDescription)
        return;
    reported = status;
    reportedDescription = description;
    if (report)
        report(status, description);
}

RoutingPlan RoutingScheduler::Planned(const ServerSinks& seen)
{
    if (!Wanted())
        return {};
    RoutingPlan plan = PlanRouting(seen, transmitter, record);
    if (!plan.sink)
        return plan;
    plan.moveAllStreams = std::exchange(putBack, false);
    routed = true;
    routedSink = plan.sink->name;
    routedIndex = plan.sink->index;
    routedDescription = plan.sink->description;
    notFound = false;
    EndSearch();
    // Written down before the default changes: a run killed from here on is undone by the next one.
    if (plan.record)
        Remember(*plan.record);
    else
        Forget();
    return plan;
}

void RoutingScheduler::Checked(const ServerSinks& seen)
{
    // Gone, or made anew (its default then the server's pick, not the user's): looked for again as on the
    // transmitter's arrival.
    const SinkSeen* sink = FindSink(seen, routedSink);
    if (routed && (!sink || sink->index != routedIndex)) {
        routed = false;
        BeginSearch();
    }
}

void RoutingScheduler::Remember(const RoutingRecord& replaced)
{
    record = replaced;
    WriteRoutingRecord(recordPath, replaced);
}

void RoutingScheduler::Forget()
{
    if (!record)
        return;
    record.reset();
    RemoveRoutingRecord(recordPath);
}
