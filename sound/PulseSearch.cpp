#include "sound/PulseSearch.h"

#include <utility>

PulseSearch::PulseSearch(pa_context* context, std::function<RoutingPlan(const ServerSinks& seen)> plan,
                         std::function<void(const ServerSinks& seen)> done)
    : PulseOperation(context, std::move(done)), plan(std::move(plan))
{}

void PulseSearch::WithSinks(const ServerSinks& seen)
{
    const RoutingPlan planned = plan(seen);
    if (planned.sink && planned.moveAllStreams)
        MoveStreams(std::nullopt, *planned.sink);
    if (!planned.setDefault)
        return;
    SetDefault(planned.sink->name);
    if (planned.moveAllStreams)
        return;
    // Newer servers move the streams that follow the default themselves, before they answer the list
    // below; only what still plays on the old default (on older servers, or tied to that sink) is moved.
    if (const SinkSeen* previous = FindSink(seen, seen.defaultSink))
        MoveStreams(previous->index, *planned.sink);
}
