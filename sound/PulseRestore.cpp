#include "sound/PulseRestore.h"

#include <optional>
#include <pulse/pulseaudio.h>
#include <QDeadlineTimer>
#include <utility>

namespace {

PulseRestore* Self(void* userdata)
{
    return static_cast<PulseRestore*>(userdata);
}

} // namespace

PulseRestore::PulseRestore(pa_context* context, RoutingRecord record, std::function<void()> done)
    : context(context), record(std::move(record)), done(std::move(done)), routedIndex(PA_INVALID_INDEX)
{}

void PulseRestore::Start()
{
    pending = 1;
    Issued(pa_context_get_server_info(
        context, [](pa_context*, const pa_server_info* info, void* self) { Self(self)->WithDefault(info); },
        this));
    Answered();
}

void PulseRestore::WithDefault(const pa_server_info* info)
{
    currentDefault = info && info->default_sink_name ? info->default_sink_name : "";
    Issued(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->WithSink(info, eol != 0);
        },
        this));
    Answered();
}

void PulseRestore::WithSink(const pa_sink_info* info, bool last)
{
    if (!last) {
        if (info && record.routedSink == info->name)
            routedIndex = info->index;
        return;
    }
    const bool routedSinkGone = routedIndex == PA_INVALID_INDEX;
    const bool giveBack = currentDefault == record.routedSink || routedSinkGone;
    if (giveBack)
        Issued(pa_context_set_default_sink(
            context, record.previousDefault.constData(),
            [](pa_context*, int, void* self) { Self(self)->Answered(); }, this));
    // A restore cut short after the default came back still owes the streams.
    if ((giveBack || currentDefault == record.previousDefault) && !routedSinkGone)
        Issued(pa_context_get_sink_input_info_list(
            context,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                Self(self)->WithStream(info, eol != 0);
            },
            this));
    Answered();
}

void PulseRestore::WithStream(const pa_sink_input_info* info, bool last)
{
    if (last) {
        Answered();
        return;
    }
    if (info && info->sink == routedIndex)
        Issued(pa_context_move_sink_input_by_name(
            context, info->index, record.previousDefault.constData(),
            [](pa_context*, int, void* self) { Self(self)->Answered(); }, this));
}

void PulseRestore::Issued(pa_operation* operation)
{
    if (!operation)
        return;
    ++pending;
    pa_operation_unref(operation);
}

void PulseRestore::Answered()
{
    if (--pending == 0)
        done();
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
                restore.emplace(context, record, [&finished] { finished = true; });
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
