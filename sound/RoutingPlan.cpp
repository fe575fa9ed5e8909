#include "sound/RoutingPlan.h"

const SinkSeen* FindSink(const ServerSinks& seen, const QByteArray& name)
{
    for (const SinkSeen& sink : seen.sinks)
        if (sink.name == name)
            return &sink;
    return nullptr;
}

const SinkSeen* FindSinkByIndex(const ServerSinks& seen, std::uint32_t index)
{
    for (const SinkSeen& sink : seen.sinks)
        if (sink.index == index)
            return &sink;
    return nullptr;
}

const SinkSeen* TransmitterSink(const ServerSinks& seen, const TransmitterIdentity& transmitter)
{
    for (const SinkSeen& sink : seen.sinks)
        if (SinkBelongsToTransmitter(sink.properties, transmitter))
            return &sink;
    return nullptr;
}

RoutingPlan PlanRouting(const ServerSinks& seen, const TransmitterIdentity& transmitter,
                        const std::optional<RoutingRecord>& record)
{
    RoutingPlan plan;
    const SinkSeen* found = TransmitterSink(seen, transmitter);
    if (!found)
        return plan;
    plan.sink = *found;
    const bool defaultIsOurs =
        record && (seen.defaultSink == record->routedSink || !FindSink(seen, record->routedSink));
    if (plan.sink->name == seen.defaultSink && !defaultIsOurs)
        return plan;
    const QByteArray previous = defaultIsOurs ? record->previousDefault : seen.defaultSink;
    if (!previous.isEmpty())
        plan.record = RoutingRecord{previous, plan.sink->name};
    plan.setDefault = plan.sink->name != seen.defaultSink;
    return plan;
}

RestorePlan PlanRestore(const ServerSinks& seen, const RoutingRecord& record)
{
    const bool routedSinkGone = !FindSink(seen, record.routedSink);
    const bool giveBack = seen.defaultSink == record.routedSink || routedSinkGone;
    // A restore cut short after the default came back still owes the streams.
    return {giveBack, (giveBack || seen.defaultSink == record.previousDefault) && !routedSinkGone};
}
