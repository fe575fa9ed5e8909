#pragma once

#include "sound/RoutingRecord.h"

#include <cstdint>
#include <functional>

struct pa_context;
struct pa_operation;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// Gives back what a routing replaced, on a connected context. The previous default comes back when the
// default is still the routed sink, or when that sink is gone (the server, not the user, picked another in
// its place); the streams left on the routed sink then follow it. A default the user picked meanwhile stays,
// and so do the streams.
class PulseRestore final
{
public:
    // done: called once, as the last thing of the last answer; never when the context goes first.
    PulseRestore(pa_context* context, RoutingRecord record, std::function<void()> done);
    void Start();

private:
    void WithDefault(const pa_server_info* info);
    void WithSink(const pa_sink_info* info, bool last);
    void WithStream(const pa_sink_input_info* info, bool last);
    void Issued(pa_operation* operation);
    void Answered();

    pa_context* context;
    RoutingRecord record;
    std::function<void()> done;
    QByteArray currentDefault;
    std::uint32_t routedIndex;
    int pending = 0;
};

// Connects on a loop of its own, without the program's event loop (so also from an exit path), and gives
// back what record names; waits at most timeoutMs. True when the restore ran to its end.
bool RestoreSynchronously(const RoutingRecord& record, int timeoutMs);
