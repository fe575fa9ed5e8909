#pragma once

#include "sound/RoutingRecord.h"
#include "sound/SinkMatch.h"

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>

// One sink as the sound server lists it.
struct SinkSeen
{
    QByteArray name;
    std::uint32_t index = 0;
    QString description;
    SinkProperties properties;
    bool muted = false;
    std::uint32_t volume = 1;      // its loudest channel's volume in the sound settings; 0 is silence
    QByteArray monitorSource = {}; // the source that hears what the sink plays
};

// What one reading of the server found: its default sink (empty when none) and its sinks, in its order.
struct ServerSinks
{
    QByteArray defaultSink;
    QList<SinkSeen> sinks;
};

// The sink named name among those seen; null when it is not there.
const SinkSeen* FindSink(const ServerSinks& seen, const QByteArray& name);
// The sink numbered index among those seen; null when it is not there.
const SinkSeen* FindSinkByIndex(const ServerSinks& seen, std::uint32_t index);

// The first sink seen that plays on the transmitter; null when there is none.
const SinkSeen* TransmitterSink(const ServerSinks& seen, const TransmitterIdentity& transmitter);

// What a search does with what it found.
struct RoutingPlan
{
    std::optional<SinkSeen> sink;        // the transmitter's sink; none: not found, nothing changes
    std::optional<RoutingRecord> record; // with a sink: what to keep written down; none: nothing owed back
    bool setDefault = false;             // the sink becomes the default; the streams on the old one follow
    bool moveAllStreams = false;         // asked for by the user: every stream on another sink follows too
};

// The first sink of the transmitter's is routed to. The default is ours when the record says we made it
// so (in this run or a killed one), or when the sink recorded went away and the server picked the default
// in its place; any other default is the user's, and it is what a routing replaces.
RoutingPlan PlanRouting(const ServerSinks& seen, const TransmitterIdentity& transmitter,
                        const std::optional<RoutingRecord>& record);

// What a restore gives back.
struct RestorePlan
{
    bool giveBackDefault = false; // the previous default comes back
    bool moveStreams = false;     // the streams left on the routed sink follow it
};

// The previous default comes back when the default is still the routed sink, or when that sink is gone (the
// server, not the user, picked another in its place); the streams left on the routed sink then follow it. A
// default the user picked meanwhile stays, and so do the streams.
RestorePlan PlanRestore(const ServerSinks& seen, const RoutingRecord& record);
