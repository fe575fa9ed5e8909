#pragma once

#include <cstdint>

// What the transmitter is told. The transmitter core owns the one record of a run and alone writes it;
// every device report is built from it at the moment of sending.
struct TransmitterState
{
    bool retunePending = false;   // the next TuneReport carries the retune bit
    bool onAir = false;           // transmission switched on
    bool muted = false;           // audio muted
    std::int32_t frequency = 0;   // carrier in units of 10 kHz: 9000 is 90.00 MHz
    std::int32_t paLevel = 0;     // PA-VALUE position 0..90; the device receives paLevel + 30
    std::int32_t txGainIndex = 0; // TX-GAIN position 0..23, index into TxGainCodeTable
    std::int32_t optionFlags = 0; // stereo/mono, band, de-emphasis, spacing; the device gets the low byte
};
