#pragma once

#include "sound/LevelPacer.h"
#include "sound/PulsePeakStream.h"
#include "sound/SoundCheck.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>

struct pa_context;
struct pa_operation;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// The transmitter's sink while it is routed: whether a stream plays into it, and whether the sound settings
// now send the sound elsewhere (another default, a stream moved to another sink), read again on each of the
// server's announcements of the streams and the default (never polled), and its level while watched and
// something plays.
// Nothing of it wakes the program while nothing changes on the server, nothing plays or nobody watches.
class PulseRoutedSink final : public QObject
{
public:
    // playing: each change, from false, from the event loop (one still to come is dropped with the object);
    // level: at most 10 a second, -inf once when the measuring stops.
    // elsewhere: each change, as EngineReports tells it, from the event loop.
    PulseRoutedSink(pa_context* context, const QByteArray& sink, std::function<void(bool playing)> playing,
                    std::function<void(double peakDbfs)> level,
                    std::function<void(const QString& stream, const QString& sink)> elsewhere);
    ~PulseRoutedSink() override;

    const QByteArray& Sink() const { return sink; }
    void StreamsAnnounced();
    void SetLevelWatched(bool watched);

private:
    void Read();
    void Issued(pa_operation* operation);
    void WithDefault(const pa_server_info* info);
    void WithSink(const pa_sink_info* info, bool last);
    void WithStream(const pa_sink_input_info* info, bool last);
    void Answered();
    void Measure();
    void Heard(float peak);
    void StreamFailed();

    pa_context* context;
    QByteArray sink;
    std::function<void(bool playing)> reportPlaying;
    std::function<void(double peakDbfs)> reportLevel;
    std::function<void(const QString& stream, const QString& sink)> reportElsewhere;
    QList<pa_operation*> operations;
    int pending = 0;
    bool readAgain = false;
    std::uint32_t sinkIndex = 0;
    bool sinkFound = false;
    QByteArray monitor;
    ServerSinks seen;
    QList<StreamSeen> streams;
    std::pair<QString, QString> elsewhere;
    bool playing = false;
    bool watched = false;
    // The level stream; kept, unheard, while the server still creates it after the measuring stopped.
    std::unique_ptr<PulsePeakStream> stream;
    bool measuring = false;
    QElapsedTimer clock;
    LevelPacer pacer;
};
