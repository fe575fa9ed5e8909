#include "sound/PulseOperation.h"

#include <pulse/pulseaudio.h>
#include <utility>

namespace {

PulseOperation* Self(void* userdata)
{
    return static_cast<PulseOperation*>(userdata);
}

SinkProperties PropertiesOf(const pa_proplist* list)
{
    SinkProperties properties;
    for (const char* key : {"sysfs.path", "device.bus_path", "device.vendor.id", "device.product.id"})
        if (const char* value = pa_proplist_gets(list, key))
            properties.insert(key, value);
    return properties;
}

} // namespace

SinkSeen SinkSeenOf(const pa_sink_info* info)
{
    return {info->name,
            info->index,
            QString::fromUtf8(info->description ? info->description : info->name),
            PropertiesOf(info->proplist),
            info->mute != 0,
            pa_cvolume_max(&info->volume),
            info->monitor_source_name};
}

StreamSeen StreamSeenOf(const pa_sink_input_info* info)
{
    const char* name = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_NAME);
    if (!name)
        name = info->name;
    return {info->sink, info->corked != 0, QString::fromUtf8(name ? name : "a program")};
}

PulseOperation::PulseOperation(pa_context* context, std::function<void(const ServerSinks& seen)> done)
    : context(context), done(std::move(done))
{}

void PulseOperation::Start()
{
    pending = 1;
    Issued(pa_context_get_server_info(
        context, [](pa_context*, const pa_server_info* info, void* self) { Self(self)->WithDefault(info); },
        this));
    Answered();
}

void PulseOperation::SetDefault(const QByteArray& sink)
{
    Issued(pa_context_set_default_sink(
        context, sink.constData(), [](pa_context*, int, void* self) { Self(self)->Answered(); }, this));
}

void PulseOperation::MoveStreams(std::optional<std::uint32_t> from, const SinkSeen& to)
{
    movedFrom = from;
    movedTo = to;
    Issued(pa_context_get_sink_input_info_list(
        context,
        [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
            Self(self)->WithStream(info, eol != 0);
        },
        this));
}

void PulseOperation::WithDefault(const pa_server_info* info)
{
    seen.defaultSink = info && info->default_sink_name ? info->default_sink_name : "";
    Issued(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->WithSink(info, eol != 0);
        },
        this));
    Answered();
}

void PulseOperation::WithSink(const pa_sink_info* info, bool last)
{
    if (!last) {
        if (info)
            seen.sinks.append(SinkSeenOf(info));
        return;
    }
    WithSinks(seen);
    Answered();
}

void PulseOperation::WithStream(const pa_sink_input_info* info, bool last)
{
    if (last) {
        Answered();
        return;
    }
    if (info && (movedFrom ? info->sink == *movedFrom : info->sink != movedTo.index))
        Issued(pa_context_move_sink_input_by_name(
            context, info->index, movedTo.name.constData(),
            [](pa_context*, int, void* self) { Self(self)->Answered(); }, this));
}

void PulseOperation::Issued(pa_operation* operation)
{
    if (!operation)
        return;
    ++pending;
    pa_operation_unref(operation);
}

void PulseOperation::Answered()
{
    if (--pending == 0)
        done(seen);
}
