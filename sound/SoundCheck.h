#pragma once

#include "sound/RoutingPlan.h"
#include "state/HearingLimits.h"
#include "state/SoundFacts.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>
#include <vector>

// A stream that plays into a sink: its sink's index, and whether it is paused.
struct StreamSeen
{
    std::uint32_t sink = 0;
    bool corked = false;
    QString name = {}; // its application's name, as the mixer shows it
};

// One reading of the server for the hearing check.
struct ServerReading
{
    QByteArray serverName;
    ServerSinks sinks;
    QList<StreamSeen> streams;
};

// Whether a stream, not corked, plays into the sink numbered sink.
bool PlaysInto(const QList<StreamSeen>& streams, std::uint32_t sink);
// The first stream, not corked, that plays into a listed sink other than the one numbered sink; null when
// none does.
const StreamSeen* PlaysElsewhere(const QList<StreamSeen>& streams, const ServerSinks& sinks,
                                 std::uint32_t sink);
// What reading tells of the way to the transmitter's sink; the level is not part of it.
SoundFacts FactsOf(const ServerReading& reading, const TransmitterIdentity& transmitter);
// A peak reading (0 to 1, as the server's peak detection gives it) in dBFS: -inf for 0.
double PeakDbfs(float peak);

// The sound server as one check sees it, on a connection of the check's own: it goes with the object, and
// with it every answer and the measuring stream.
class CheckServer
{
public:
    virtual ~CheckServer() = default;
    // Connects and reads; answers read once, or lost when the server fails or goes, or nothing at all when
    // the server accepts and stays silent.
    virtual void Read(std::function<void(const ServerReading& reading)> read, std::function<void()> lost) = 0;
    // Records the peaks of source; heard with each reading, failed when the stream cannot be opened or ends.
    virtual void Measure(const QByteArray& source, std::function<void(float peak)> heard,
                         std::function<void()> failed) = 0;
};

// One hearing check: reads the server, then, while something plays into the transmitter's sink, measures
// its monitor for measureMs from the first reading (which may wait HearingFirstReadingMs for the sink's next
// block), or less once sound was heard. A reading not answered within HearingReadLimitMs ends it as
// NotAnswering; a server that fails or goes ends it as None (its socket gone) or NotAnswering. So done is
// called once, from the event loop, within HearingSoundLimitMs(measureMs); the server object goes right
// after.
// Others asking meanwhile share it (Join), so that many askers cost the server one connection.
class SoundCheck final : public QObject
{
    Q_OBJECT

public:
    // serverSocketExists: asked when the server is lost, to tell None from NotAnswering.
    SoundCheck(std::unique_ptr<CheckServer> server, const TransmitterIdentity& transmitter, int measureMs,
               std::function<bool()> serverSocketExists, std::function<void(const SoundFacts&)> done,
               QObject* parent = nullptr);
    ~SoundCheck() override;

    void Start();
    // Shares this check's answer with another asker, who is answered once, from the event loop: when it
    // asks no measuring, as soon as the server was read, otherwise with the level at the end (the measuring
    // already under way counts). False when the check has gone past what the asker needs (it has ended, or
    // it read without measuring what the asker wants measured): a check of its own is needed.
    bool Join(int askerMeasureMs, const std::function<void(const SoundFacts&)>& askerDone);

private:
    struct Asker
    {
        bool measured;
        std::function<void(const SoundFacts&)> done;
    };

    void Answer(std::function<void(const SoundFacts&)> done);
    void Read(const ServerReading& reading);
    void Heard(float peak);
    void Lost();
    void End();

    std::unique_ptr<CheckServer> server;
    TransmitterIdentity transmitter;
    int measureMs;
    std::function<bool()> serverSocketExists;
    std::vector<Asker> askers;
    SoundFacts facts;
    bool serverRead = false;
    QElapsedTimer sinceStart;
    bool measuring = false;
    bool heardAny = false;
    float loudest = 0;
    bool ended = false;
    QTimer limit;
};
