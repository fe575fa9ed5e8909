#include "sound/PulsePeakStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <pulse/pulseaudio.h>
#include <QCoreApplication>
#include <utility>

namespace {

PulsePeakStream* Self(void* userdata)
{
    return static_cast<PulsePeakStream*>(userdata);
}

} // namespace

PulsePeakStream::PulsePeakStream(pa_context* context, const QByteArray& source,
                                 std::function<void(float peak)> heard, std::function<void()> failed)
    : heard(std::move(heard)), failed(std::move(failed))
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, ReadingsPerSecond, 1};
    // Named for people: the sound settings list it among the recordings, beside the program's name.
    //: The name of the program's stream that measures the sound's level, listed in the sound settings
    const QByteArray name = QCoreApplication::translate("PulsePeakStream", "Level").toUtf8();
    stream = pa_stream_new(context, name.constData(), &format, nullptr);
    if (!stream) {
        Fail();
        return;
    }
    pa_stream_set_state_callback(
        stream, [](pa_stream*, void* self) { Self(self)->StateChanged(); }, this);
    pa_stream_set_read_callback(
        stream, [](pa_stream*, std::size_t, void* self) { Self(self)->Readable(); }, this);
    // One reading per fragment; the server may not hold more than a second of them for us.
    const std::uint32_t sampleBytes = sizeof(float);
    const pa_buffer_attr buffer{std::uint32_t(ReadingsPerSecond * sampleBytes), std::uint32_t(-1),
                                std::uint32_t(-1), std::uint32_t(-1), sampleBytes};
    const auto flags = pa_stream_flags_t(PA_STREAM_PEAK_DETECT | PA_STREAM_ADJUST_LATENCY |
                                         PA_STREAM_DONT_MOVE | PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
    if (pa_stream_connect_record(stream, source.constData(), &buffer, flags) < 0)
        Fail();
}

PulsePeakStream::~PulsePeakStream()
{
    if (!stream)
        return;
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
        // The client library refuses to disconnect a stream the server has not yet confirmed, and the
        // server would keep it, recording, for as long as the connection lasts. The context holds the
        // stream until it ends: it is disconnected as soon as it is there, or goes with a failed context.
        pa_stream_set_state_callback(
            stream,
            [](pa_stream* created, void*) {
                if (pa_stream_get_state(created) == PA_STREAM_READY)
                    pa_stream_disconnect(created);
            },
            nullptr);
    } else {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY)
            pa_stream_disconnect(stream);
    }
    pa_stream_unref(stream);
}

bool PulsePeakStream::Creating() const
{
    return stream && pa_stream_get_state(stream) == PA_STREAM_CREATING;
}

void PulsePeakStream::WhenCreated(std::function<void()> whenCreated)
{
    created = std::move(whenCreated);
}

void PulsePeakStream::StateChanged()
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY && created)
        std::exchange(created, {})();
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        Fail();
}

void PulsePeakStream::Readable()
{
    const void* data = nullptr;
    std::size_t length = 0;
    float loudest = -1;
    // Everything there is taken at once: one call for all the readings that came together.
    while (pa_stream_peek(stream, &data, &length) == 0 && length > 0) {
        // A hole (no data) is dropped as well.
        for (std::size_t at = 0; data && at + sizeof(float) <= length; at += sizeof(float)) {
            float peak = 0;
            std::memcpy(&peak, static_cast<const char*>(data) + at, sizeof peak);
            if (std::isfinite(peak))
                loudest = std::max(loudest, std::fabs(peak));
        }
        pa_stream_drop(stream);
    }
    if (loudest >= 0)
        heard(std::min(loudest, 1.0f));
}

void PulsePeakStream::Fail()
{
    if (failed)
        std::exchange(failed, {})();
}
