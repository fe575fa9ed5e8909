#include "sound/PulseRestore.h"

#include <optional>
#include <pulse/pulseaudio.h>
#include <QDeadlineTimer>
#include <utility>

PulseRestore::PulseRestore(pa_context* context, RoutingRecord record,
                           std::function<void(const ServerSinks& seen)> done)
    : PulseOperation(context, std::move(done)), record(std::move(record))
{}

void PulseRestore::WithSinks(const ServerSinks& seen)
{
    const RestorePlan plan = PlanRestore(seen, record);
    if (plan.giveBackDefault)
        SetDefault(record.previousDefault);
    if (plan.moveStreams) {
        SinkSeen previous;
        previous.name = record.previousDefault;
        MoveStreams(FindSink(seen, record.routedSink)->index, previous);
    }
}

bool RestoreSynchronously(const RoutingRecord& record, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    pa_mainloop* loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Tessaly");
    bool finished = false;
    std::optional<PulseRestore> restore;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        while (!finished && !deadline.hasExpired()) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (state == PA_CONTEXT_READY && !restore) {
                restore.emplace(context, record, [&finished](const ServerSinks&) { finished = true; });
                restore->Start();
                continue;
            }
            if (pa_mainloop_prepare(loop, static_cast<int>(deadline.remainingTime() * 1000)) < 0 ||
                pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                break;
        }
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return finished;
}
