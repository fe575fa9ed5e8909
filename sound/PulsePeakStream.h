#pragma once

#include <functional>
#include <QByteArray>

struct pa_context;
struct pa_stream;

// A record stream on a source that the server reduces to peaks (its peak detection): 10 readings a second,
// one float each, so a reading is the loudest of its tenth of a second. The stream lets the source suspend
// when nothing plays, and then no reading comes at all. It goes with the object.
class PulsePeakStream final
{
public:
    // heard: each reading, 0 to 1. failed: the stream could not be opened, or the source went away; called
    // once, from this constructor or from the client library's callback (the object may not be deleted
    // inside it).
    PulsePeakStream(pa_context* context, const QByteArray& source, std::function<void(float peak)> heard,
                    std::function<void()> failed);
    ~PulsePeakStream();
    PulsePeakStream(const PulsePeakStream&) = delete;
    PulsePeakStream& operator=(const PulsePeakStream&) = delete;

    static constexpr int ReadingsPerSecond = 10;

    // Whether the server has yet to confirm the stream: closed now, it could not be disconnected.
    bool Creating() const;
    // created: once the server has confirmed it, from the client library's callback (the object may not be
    // deleted inside it).
    void WhenCreated(std::function<void()> created);

private:
    void StateChanged();
    void Readable();
    void Fail();

    pa_stream* stream = nullptr;
    std::function<void(float peak)> heard;
    std::function<void()> failed;
    std::function<void()> created;
};
