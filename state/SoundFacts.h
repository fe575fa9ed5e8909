#pragma once

#include <optional>
#include <QString>

// What the sound server tells of the way from the computer's sound to the transmitter; gathered when asked
// (the hearing check), never polled.
struct SoundFacts
{
    enum class Server
    {
        None,
        NotAnswering,
        Answering
    };
    Server server = Server::None;      // None: no server's socket; NotAnswering: no answer within the limit
    bool pipewire = false;             // the server is PipeWire's pulse server
    bool transmitterCardFound = false; // a sink of the transmitter's sound card exists
    bool routedToTransmitter = false;  // that sink is the default
    QString defaultSinkDescription;    // where the sound goes: the default sink's description (may be empty)
    bool sinkMuted = false; // the transmitter's sink is muted, or at volume 0, in the sound settings
    bool playing = false;   // at least one stream, not corked, plays into the transmitter's sink
    // While nothing plays into it: a stream, not corked, that plays into another sink (its application's
    // name) and that sink's description; both empty when none does.
    QString streamElsewhere;
    QString streamElsewhereSink;
    // The loudest on the sink's monitor over the measured time; empty: not measured.
    std::optional<double> peakDbfs;
};
