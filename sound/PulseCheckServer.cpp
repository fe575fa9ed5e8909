#include "sound/PulseCheckServer.h"

#include "sound/PulseOperation.h"

#include <pulse/pulseaudio.h>
#include <utility>

namespace {

PulseCheckServer* Self(void* userdata)
{
    return static_cast<PulseCheckServer*>(userdata);
}

} // namespace

PulseCheckServer::PulseCheckServer(pa_mainloop_api* api) : api(api) {}

PulseCheckServer::~PulseCheckServer()
{
    // The stream holds the context: it goes first. Pending answers are dropped with the context.
    stream.reset();
    if (!context)
        return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    // The context ends from inside the client library's own dispatch, before any answer can reach this
    // object. Ended from another event source in an iteration where its socket was ready, it would leave
    // the library's GLib source nothing to dispatch; GLib then removes that source for good, and with it
    // every connection of the program to the sound server.
    pa_mainloop_api_once(
        api,
        [](pa_mainloop_api*, void* ending) {
            auto* context = static_cast<pa_context*>(ending);
            pa_context_disconnect(context);
            pa_context_unref(context);
        },
        context);
}

void PulseCheckServer::Read(std::function<void(const ServerReading& reading)> readDone,
                            std::function<void()> lostDone)
{
    read = std::move(readDone);
    lost = std::move(lostDone);
    context = api ? pa_context_new(api, "Tessaly") : nullptr;
    if (!context) {
        lost();
        return;
    }
    pa_context_set_state_callback(
        context, [](pa_context*, void* self) { Self(self)->StateChanged(); }, this);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        lost();
}

void PulseCheckServer::Measure(const QByteArray& source, std::function<void(float peak)> heard,
                               std::function<void()> failed)
{
    stream = std::make_unique<PulsePeakStream>(context, source, std::move(heard), std::move(failed));
}

void PulseCheckServer::StateChanged()
{
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        // All three asked at once; the reading is whole once the last has answered.
        const auto issued = [this](pa_operation* operation) {
            if (!operation)
                return;
            ++pending;
            pa_operation_unref(operation);
        };
        pending = 1;
        issued(pa_context_get_server_info(
            context,
            [](pa_context*, const pa_server_info* info, void* self) { Self(self)->WithServer(info); }, this));
        issued(pa_context_get_sink_info_list(
            context,
            [](pa_context*, const pa_sink_info* info, int eol, void* self) {
                Self(self)->WithSink(info, eol != 0);
            },
            this));
        issued(pa_context_get_sink_input_info_list(
            context,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                Self(self)->WithStream(info, eol != 0);
            },
            this));
        Answered();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        lost();
        break;
    default:
        break;
    }
}

void PulseCheckServer::WithServer(const pa_server_info* info)
{
    if (info) {
        reading.serverName = info->server_name ? info->server_name : "";
        reading.sinks.defaultSink = info->default_sink_name ? info->default_sink_name : "";
    }
    Answered();
}

void PulseCheckServer::WithSink(const pa_sink_info* info, bool last)
{
    if (last)
        Answered();
    else if (info)
        reading.sinks.sinks.append(SinkSeenOf(info));
}

void PulseCheckServer::WithStream(const pa_sink_input_info* info, bool last)
{
    if (last)
        Answered();
    else if (info)
        reading.streams.append(StreamSeenOf(info));
}

void PulseCheckServer::Answered()
{
    if (--pending == 0)
        read(reading);
}
