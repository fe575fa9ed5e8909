#pragma once

#include "state/PersonText.h"

#include <QCoreApplication>

// The values of the SoundState property, as the bus carries them: scripts compare them, so they never change
// with the language. tessalyctl includes this header and links nothing of the program.
namespace SoundStateValue {

inline constexpr char Routed[] = "routed";
// Routed, but the sound settings now send the default output or a playing stream to another output.
inline constexpr char Elsewhere[] = "elsewhere";
inline constexpr char Off[] = "off";
inline constexpr char NoServer[] = "no sound server";
inline constexpr char Looking[] = "looking for the transmitter's sound card";
inline constexpr char NotFound[] = "not found";

} // namespace SoundStateValue

// The words of the SoundElsewhere property while the state is "elsewhere": English on the bus, as scripts
// read them; the window and tessalyctl show them translated in the context "SoundElsewhereText" (tessalyctl,
// which receives only the English, by matching it against these).
namespace SoundElsewhereText {

//: Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use
inline constexpr char Default[] =
    QT_TRANSLATE_NOOP("SoundElsewhereText", "the sound settings now send it to %1");
//: Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it,
//: %2 the output they now send it to
inline constexpr char Stream[] =
    QT_TRANSLATE_NOOP("SoundElsewhereText", "the sound settings now send %1 to %2");
inline constexpr const char* all[] = {Default, Stream};
inline constexpr char Context[] = "SoundElsewhereText";

// The words while the sound settings send the default output (stream empty) or a stream to sink.
inline PersonText Words(const QString& stream, const QString& sink)
{
    if (stream.isEmpty())
        return {Context, Default, {}, {PersonText::Plain(sink)}};
    return {Context, Stream, {}, {PersonText::Plain(stream), PersonText::Plain(sink)}};
}

} // namespace SoundElsewhereText
