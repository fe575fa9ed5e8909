#pragma once

#include <functional>
#include <sys/types.h>

inline constexpr int TransmitterVendorId = 0x046D;
inline constexpr int TransmitterProductId = 0x0A0E;

// The open transmitter's device number (st_rdev of its node): 0 when none is open or its handle is not a
// device node (the fake transmitter).
dev_t OpenDeviceNode();

// Opens the transmitter through the companion library unless a connection is already open, then sends the
// opening TuneReport (with the retune bit) and the SetupReport, which the device writer sends at least
// 20 ms after it. Absent transmitter or library: nothing happens, and the next arrival tries again.
void OpenDevice();

// Ends an open connection at once; the device writer gives it back to the companion library after the
// reports queued for it. Then, open or not, runs toggleOnAir when the panel is on air; its TuneReport is
// dropped because no connection is open any more.
void CloseDevice(const std::function<void()>& toggleOnAir);

// Whether a removed device node is the open transmitter's. Other HID devices come and go all the time
// (Bluetooth keyboards sleeping, a mouse moved to another port); only the transmitter's own removal may
// close its link. A node that cannot be told (0 on either side) counts as the transmitter's.
bool RemovalConcernsOpenDevice(dev_t removedNode, dev_t openNode);

// A removal announced by the hot-plug watcher: closes the link (CloseDevice) when the removed node is the
// open transmitter's. With no connection open there is nothing to close, and the panel is left alone.
void OnDeviceRemoved(dev_t removedNode, const std::function<void()>& toggleOnAir);
