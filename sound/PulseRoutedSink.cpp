#include "sound/PulseRoutedSink.h"

#include "sound/PulseOperation.h"

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
                                 std::function<void(double peakDbfs)> level)
    : context(context), sink(sink), reportPlaying(std::move(playing)), reportLevel(std::move(level))
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
    streams.clear();
    operations.removeIf([](pa_operation* operation) {
        const bool over = pa_operation_get_state(operation) != PA_OPERATION_RUNNING;
        if (over)
            pa_operation_unref(operation);
        return over;
    });
    pending = 1;
    Issued(pa_context_get_sink_info_by_name(
        context, sink.constData(),
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            if (eol == 0 && info)
                Self(self)->WithSink(info);
            else
                Self(self)->Answered();
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

void PulseRoutedSink::WithSink(const pa_sink_info* info)
{
    sinkFound = true;
    sinkIndex = info->index;
    monitor = SinkSeenOf(info).monitorSource;
}

void PulseRoutedSink::WithStream(const pa_sink_input_info* info, bool last)
{
    if (last)
        Answered();
    else if (info)
        streams.append({info->sink, info->corked != 0});
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
    if (wanted == bool(stream))
        return;
    if (!wanted) {
        stream.reset();
        if (watched)
            reportLevel(-std::numeric_limits<double>::infinity());
        return;
    }
    pacer = {};
    clock.start();
    stream = std::make_unique<PulsePeakStream>(
        context, monitor, [this](float peak) { Heard(peak); },
        [this] { QMetaObject::invokeMethod(this, &PulseRoutedSink::StreamFailed, Qt::QueuedConnection); });
}

void PulseRoutedSink::Heard(float peak)
{
    if (const std::optional<float> paced = pacer.Heard(peak, clock.elapsed()))
        reportLevel(PeakDbfs(*paced));
}

// The monitor went, or refused us: measured again once the streams change.
void PulseRoutedSink::StreamFailed()
{
    stream.reset();
    monitor.clear();
    if (watched)
        reportLevel(-std::numeric_limits<double>::infinity());
}
