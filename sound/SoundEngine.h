#pragma once

#include <sys/types.h>

// What talks to the sound server, in a module of its own (libtessaly-pulse.so beside the program): the
// client library and what it pulls in are loaded only once a server is there to talk to.
class SoundEngine
{
public:
    virtual ~SoundEngine() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void Start() = 0;
    // hidrawNode: the transmitter's node's device number, 0 when unknown.
    virtual void TransmitterOpened(dev_t hidrawNode) = 0;
    virtual void TransmitterClosed() = 0;
    virtual void Finish() = 0;
};

// The module's one entry point.
using CreateSoundEngineFunction = SoundEngine*(bool enabled, bool outageReported);
inline constexpr const char* soundEngineModule = "libtessaly-pulse.so";
