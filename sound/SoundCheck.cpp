#include "sound/SoundCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

bool PlaysInto(const QList<StreamSeen>& streams, std::uint32_t sink)
{
    return std::any_of(streams.begin(), streams.end(),
                       [sink](const StreamSeen& stream) { return stream.sink == sink && !stream.corked; });
}

const StreamSeen* PlaysElsewhere(const QList<StreamSeen>& streams, const ServerSinks& sinks,
                                 std::uint32_t sink)
{
    for (const StreamSeen& stream : streams)
        if (!stream.corked && stream.sink != sink && FindSinkByIndex(sinks, stream.sink))
            return &stream;
    return nullptr;
}

SoundFacts FactsOf(const ServerReading& reading, const TransmitterIdentity& transmitter)
{
    SoundFacts facts;
    facts.server = SoundFacts::Server::Answering;
    // PipeWire's server names itself "PulseAudio (on PipeWire x.y.z)".
    facts.pipewire = reading.serverName.contains("PipeWire");
    if (const SinkSeen* defaultSink = FindSink(reading.sinks, reading.sinks.defaultSink))
        facts.defaultSinkDescription = defaultSink->description;
    const SinkSeen* sink = TransmitterSink(reading.sinks, transmitter);
    if (!sink)
        return facts;
    facts.transmitterCardFound = true;
    facts.routedToTransmitter = sink->name == reading.sinks.defaultSink;
    // Turned all the way down is as silent as muted.
    facts.sinkMuted = sink->muted || sink->volume == 0;
    facts.playing = PlaysInto(reading.streams, sink->index);
    if (const StreamSeen* elsewhere = PlaysElsewhere(reading.streams, reading.sinks, sink->index);
        elsewhere && !facts.playing) {
        facts.streamElsewhere = elsewhere->name;
        facts.streamElsewhereSink = FindSinkByIndex(reading.sinks, elsewhere->sink)->description;
    }
    return facts;
}

double PeakDbfs(float peak)
{
    return peak > 0 ? std::min(0.0, 20.0 * std::log10(double(peak)))
                    : -std::numeric_limits<double>::infinity();
}

SoundCheck::SoundCheck(std::unique_ptr<CheckServer> server, const TransmitterIdentity& transmitter,
                       int measureMs, std::function<bool()> serverSocketExists,
                       std::function<void(const SoundFacts&)> done, QObject* parent)
    : QObject(parent), server(std::move(server)), transmitter(transmitter), measureMs(std::max(0, measureMs)),
      serverSocketExists(std::move(serverSocketExists)), askers{{this->measureMs > 0, std::move(done)}}
{
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, &SoundCheck::End);
}

SoundCheck::~SoundCheck() = default;

void SoundCheck::Start()
{
    sinceStart.start();
    facts.server = SoundFacts::Server::NotAnswering;
    limit.start(HearingReadLimitMs);
    server->Read([this](const ServerReading& reading) { Read(reading); }, [this] { Lost(); });
}

bool SoundCheck::Join(int askerMeasureMs, const std::function<void(const SoundFacts&)>& askerDone)
{
    const bool measured = askerMeasureMs > 0;
    if (ended || (serverRead && measured && !measuring))
        return false;
    if (serverRead && !measured) {
        Answer(askerDone);
        return true;
    }
    // Not read yet: the longest wish decides whether, and how long, the level is measured.
    if (!serverRead)
        measureMs = std::max(measureMs, askerMeasureMs);
    askers.push_back({measured, askerDone});
    return true;
}

void SoundCheck::Answer(std::function<void(const SoundFacts&)> done)
{
    QMetaObject::invokeMethod(
        this, [done = std::move(done), answer = facts] { done(answer); }, Qt::QueuedConnection);
}

void SoundCheck::Read(const ServerReading& reading)
{
    if (ended)
        return;
    limit.stop();
    serverRead = true;
    facts = FactsOf(reading, transmitter);
    // Who asks no level has its answer now, not after the measuring.
    std::vector<Asker> measured;
    for (Asker& asker : std::exchange(askers, {})) {
        if (asker.measured)
            measured.push_back(std::move(asker));
        else
            Answer(std::move(asker.done));
    }
    askers = std::move(measured);
    const SinkSeen* sink = TransmitterSink(reading.sinks, transmitter);
    // Nothing playing into the sink: there is nothing to hear, and a sleeping sink is not woken. A muted
    // sink is silent, and its link, before the level's, is what the check names.
    if (!sink || measureMs == 0 || sink->monitorSource.isEmpty() || !facts.playing || facts.sinkMuted) {
        End();
        return;
    }
    // Counted from the start: the whole stays within HearingSoundLimitMs.
    measuring = true;
    limit.start(std::max<qint64>(0, HearingSoundLimitMs(measureMs) - sinceStart.elapsed()));
    server->Measure(
        sink->monitorSource, [this](float peak) { Heard(peak); },
        [this] {
            // Not measured: the level stays unknown rather than reported as silence.
            measuring = false;
            End();
        });
}

void SoundCheck::Heard(float peak)
{
    if (ended || !measuring)
        return;
    if (!heardAny) {
        heardAny = true;
        limit.start(std::min<qint64>(measureMs, limit.remainingTime()));
    }
    loudest = std::max(loudest, peak);
    if (HeardAt(PeakDbfs(loudest)))
        End();
}

void SoundCheck::Lost()
{
    if (ended)
        return;
    // What was read is void with the server gone.
    facts = {};
    facts.server = serverSocketExists() ? SoundFacts::Server::NotAnswering : SoundFacts::Server::None;
    measuring = false;
    End();
}

void SoundCheck::End()
{
    if (ended)
        return;
    ended = true;
    limit.stop();
    if (measuring)
        facts.peakDbfs = PeakDbfs(loudest);
    // Not from inside the server's own callback: the connection goes only once that has returned.
    QMetaObject::invokeMethod(
        this,
        [this] {
            server.reset();
            for (Asker& asker : std::exchange(askers, {}))
                asker.done(facts);
            deleteLater();
        },
        Qt::QueuedConnection);
}
