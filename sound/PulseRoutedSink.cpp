#include "sound/PulseRoutedSink.h"

#include "sound/PulseOperation.h"
#include "sound/RoutingPlan.h"

#include <algorithm>
#include <limits>
#include <pulse/pulseaudio.h>
#include <utility>

namespace {

PulseRoutedSink* Self(void* userdata)
{
    return static_cast<PulseRoutedSink*>(userdata);
}

} // namespace

PulseRoutedSink::PulseRoutedSink(pa_context* context, const QByteArray& sink,
                                 std::function<void(bool playing)> playing,
                                 std::function<void(double peakDbfs)> level,
                                 std::function<void(const QString& stream, const QString& sink)> elsewhere)
    : context(context), sink(sink), reportPlaying(std::move(playing)), reportLevel(std::move(level)),
      reportElsewhere(std::move(elsewhere))
{
    Read();
}

PulseRoutedSink::~PulseRoutedSink()
{
    stream.reset();
    // Answers still to come would find this object gone: they are not heard.
    for (pa_operation* operation : std::as_const(operations)) {
        if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
}

void PulseRoutedSink::StreamsAnnounced()
{
    // Announcements come in bursts: one reading at a time, and one more after it for all that came meanwhile.
    if (pending > 0)
        readAgain = true;
    else
        Read();
}

void PulseRoutedSink::SetLevelWatched(bool on)
{
    watched = on;
    Measure();
}

void PulseRoutedSink::Read()
{
    readAgain = false;
    sinkFound = false;
    seen = {};
    streams.clear();
    operations.removeIf([](pa_operation* operation) {
        const bool over = pa_operation_get_state(operation) != PA_OPERATION_RUNNING;
        if (over)
            pa_operation_unref(operation);
        return over;
    });
    pending = 1;
    Issued(pa_context_get_server_info(
        context, [](pa_context*, const pa_server_info* info, void* self) { Self(self)->WithDefault(info); },
        this));
    Issued(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->WithSink(info, eol != 0);
        },
        this));
    Issued(pa_context_get_sink_input_info_list(
        context,
        [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
            Self(self)->WithStream(info, eol != 0);
        },
        this));
    Answered();
}

void PulseRoutedSink::Issued(pa_operation* operation)
{
    if (!operation)
        return;
    ++pending;
    operations.append(operation);
}

void PulseRoutedSink::WithDefault(const pa_server_info* info)
{
    if (info && info->default_sink_name)
        seen.defaultSink = info->default_sink_name;
    Answered();
}

void PulseRoutedSink::WithSink(const pa_sink_info* info, bool last)
{
    if (last) {
        Answered();
        return;
    }
    if (!info)
        return;
    seen.sinks.append(SinkSeenOf(info));
    if (info->name != sink)
        return;
    sinkFound = true;
    sinkIndex = info->index;
    monitor = seen.sinks.back().monitorSource;
}

void PulseRoutedSink::WithStream(const pa_sink_input_info* info, bool last)
{
    if (last)
        Answered();
    else if (info)
        streams.append(StreamSeenOf(info));
}

void PulseRoutedSink::Answered()
{
    if (--pending > 0)
        return;
    if (readAgain) {
        Read();
        return;
    }
    const bool nowPlaying = sinkFound && PlaysInto(streams, sinkIndex);
    // The default first: it is where every new sound goes.
    std::pair<QString, QString> nowElsewhere;
    if (const SinkSeen* other = FindSink(seen, seen.defaultSink); sinkFound && other && other->name != sink)
        nowElsewhere = {QString(), other->description};
    else if (const StreamSeen* stream = sinkFound ? PlaysElsewhere(streams, seen, sinkIndex) : nullptr)
        nowElsewhere = {stream->name, FindSinkByIndex(seen, stream->sink)->description};
    if (nowElsewhere != elsewhere) {
        elsewhere = nowElsewhere;
        QMetaObject::invokeMethod(
            this, [this, nowElsewhere] { reportElsewhere(nowElsewhere.first, nowElsewhere.second); },
            Qt::QueuedConnection);
    }
    if (nowPlaying != playing) {
        playing = nowPlaying;
        // Told from the event loop: what hears it may change the routing, and with it drop this object.
        QMetaObject::invokeMethod(
            this, [this, nowPlaying] { reportPlaying(nowPlaying); }, Qt::QueuedConnection);
    }
    Measure();
}

void PulseRoutedSink::Measure()
{
    const bool wanted = watched && playing && !monitor.isEmpty();
    if (wanted == measuring)
        return;
    measuring = wanted;
    if (!wanted) {
        // One the server still creates cannot be disconnected, and PipeWire's pulse server may never finish
        // creating one closed meanwhile (it would stay for the connection's life): it is kept, unheard, for
        // the next measuring, or closed once the server has it.
        if (stream && stream->Creating())
            stream->WhenCreated([this] {
                QMetaObject::invokeMethod(
                    this, [this] { measuring ? void() : stream.reset(); }, Qt::QueuedConnection);
            });
        else
            stream.reset();
        if (watched)
            reportLevel(-std::numeric_limits<double>::infinity());
        return;
    }
    pacer = {};
    clock.start();
    if (stream) {
        stream->WhenCreated({});
        return;
    }
    stream = std::make_unique<PulsePeakStream>(
        context, monitor, [this](float peak) { Heard(peak); },
        [this] { QMetaObject::invokeMethod(this, &PulseRoutedSink::StreamFailed, Qt::QueuedConnection); });
}

void PulseRoutedSink::Heard(float peak)
{
    if (!measuring)
        return;
    if (const std::optional<float> paced = pacer.Heard(peak, clock.elapsed()))
        reportLevel(PeakDbfs(*paced));
}

// The monitor went, or refused us: measured again once the streams change.
void PulseRoutedSink::StreamFailed()
{
    stream.reset();
    measuring = false;
    monitor.clear();
    if (watched)
        reportLevel(-std::numeric_limits<double>::infinity());
}
