#pragma once

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
