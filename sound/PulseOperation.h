#pragma once

#include "sound/RoutingPlan.h"
#include "sound/SoundCheck.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <QByteArray>

struct pa_context;
struct pa_operation;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// A sink as the server lists it.
SinkSeen SinkSeenOf(const pa_sink_info* info);
// A stream into a sink as the server lists it.
StreamSeen StreamSeenOf(const pa_sink_input_info* info);

// One exchange with the sound server on a connected context, each step run from the answer to the one
// before: it reads the default, then the sinks, and hands what it saw to WithSinks, where an operation of
// its own kind makes its changes. Alone it is the check: it only reads. It holds one count of its own while
// a step runs, so that it ends only after its last answer.
class PulseOperation
{
public:
    // done: called once, as the last thing of the last answer; never when the context goes first.
    PulseOperation(pa_context* context, std::function<void(const ServerSinks& seen)> done);
    virtual ~PulseOperation() = default;
    PulseOperation(const PulseOperation&) = delete;
    PulseOperation& operator=(const PulseOperation&) = delete;

    void Start();

protected:
    virtual void WithSinks(const ServerSinks& /*seen*/) {}
    void SetDefault(const QByteArray& sink);
    // Moves every stream that plays on the sink numbered from (any sink but to, when none) to the sink to.
    void MoveStreams(std::optional<std::uint32_t> from, const SinkSeen& to);

private:
    void WithDefault(const pa_server_info* info);
    void WithSink(const pa_sink_info* info, bool last);
    void WithStream(const pa_sink_input_info* info, bool last);
    void Issued(pa_operation* operation);
    void Answered();

    pa_context* context;
    std::function<void(const ServerSinks& seen)> done;
    ServerSinks seen;
    std::optional<std::uint32_t> movedFrom;
    SinkSeen movedTo;
    int pending = 0;
};
