#pragma once

#include <functional>

inline constexpr int TransmitterVendorId = 0x046D;
inline constexpr int TransmitterProductId = 0x0A0E;

// Opens the transmitter through the companion library unless a connection is already open, then sends the
// opening TuneReport (with the retune bit), pauses 20 ms and sends the SetupReport. Absent transmitter or
// library: nothing happens, and the next arrival tries again.
void OpenDevice();

// Gives an open connection back to the companion library. Then, open or not, runs toggleOnAir when the
// panel is on air; its TuneReport is dropped because no connection is open any more.
void CloseDevice(const std::function<void()>& toggleOnAir);
