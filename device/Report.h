#pragma once

#include "state/TransmitterState.h"

#include <array>
#include <cstdint>

// The two 9-byte HID output reports; byte 0 is the report ID (always 0).
enum ReportKind : int
{
    TuneReport = 0,  // 'P': frequency, power, on-air/mute/retune mode
    SetupReport = 1, // 'Q': input gain and option flags
};

using ReportBytes = std::array<std::uint8_t, 9>;

// Bit of a TuneReport's mode byte (byte 6): retune to the frequency it carries.
inline constexpr std::uint8_t RetuneBit = 0x10;

inline constexpr std::array<std::uint8_t, 24> TxGainCodeTable = {
    0x03, 0x13, 0x23, 0x33, 0x43, 0x53, 0x02, 0x12, 0x22, 0x32, 0x42, 0x52,
    0x01, 0x11, 0x21, 0x31, 0x41, 0x51, 0x00, 0x10, 0x20, 0x30, 0x40, 0x50,
};

// Builds a report from the state as it is now; a TuneReport carries the retune bit while retunePending.
ReportBytes BuildReport(ReportKind kind, const TransmitterState& state);
