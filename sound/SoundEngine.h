#pragma once

#include "state/SoundFacts.h"

#include <functional>
#include <QString>
#include <sys/types.h>

// What the engine is doing with the sound, as it last told.
enum class EngineStatus
{
    Idle,      // nothing routed, nothing looked for
    NoServer,  // no connection to a sound server
    Searching, // looking for the transmitter's sink
    NotFound,  // the last search ended without it
    Routed,    // the transmitter's sink is the default
};
// Called on every change of status; sinkDescription is the routed sink's, empty unless Routed.
using EngineStatusCallback = std::function<void(EngineStatus status, const QString& sinkDescription)>;

// What the engine tells the program, each from the event loop.
struct EngineReports
{
    EngineStatusCallback status;
    // Whether a stream, not corked, plays into the routed transmitter's sink; false while not routed.
    std::function<void(bool playing)> playing;
    // The routed sink's peak while the level is watched: -inf or a value <= 0, at most 10 a second.
    std::function<void(double peakDbfs)> level;
    // While routed, where the sound settings now send the sound instead, each change: sink is the other
    // sink's description, stream empty when the default output is that sink, else the name of a stream
    // playing there; both empty while everything goes to the transmitter.
    std::function<void(const QString& stream, const QString& sink)> elsewhere;
    // The server announced a change of its sinks, its streams or its default, while the sound is watched.
    std::function<void()> announced;
};

// What talks to the sound server, in a module of its own (libtessaly-pulse.so beside the program): the
// client library and what it pulls in are loaded only once a server is there to talk to.
class SoundEngine
{
public:
    virtual ~SoundEngine() = default;
    virtual void SetEnabled(bool enabled) = 0;
    // Asked for again while on: the default output and every playing stream go back to the transmitter.
    virtual void Reapply() = 0;
    virtual void Start() = 0;
    // hidrawNode: the transmitter's node's device number, 0 when unknown.
    virtual void TransmitterOpened(dev_t hidrawNode) = 0;
    virtual void TransmitterClosed() = 0;
    // Checks the routed sink again, as after the computer slept.
    virtual void Recheck() = 0;
    // Gives the previous default back synchronously, without the event loop; the engine stops.
    virtual void Finish() = 0;
    // Gathers the facts for the hearing check, measuring the transmitter's sink's monitor for up to
    // measureMs; done is called once, from the event loop, within HearingSoundLimitMs(measureMs).
    virtual void CheckSound(int measureMs, std::function<void(const SoundFacts& facts)> done) = 0;
    // Whether anyone watches the level; the peak-detect stream runs only while watched and routed.
    virtual void SetLevelWatched(bool watched) = 0;
    // Whether anyone follows the server's sinks, streams and default (the announced report).
    virtual void SetSoundWatched(bool watched) = 0;
};

// The module's one entry point.
using CreateSoundEngineFunction = SoundEngine*(bool enabled, bool outageReported,
                                               const EngineReports& reports);
inline constexpr const char* soundEngineModule = "libtessaly-pulse.so";
