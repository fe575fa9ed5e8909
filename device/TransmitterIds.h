#pragma once

// The transmitter's USB vendor and product IDs.
inline constexpr int TransmitterVendorId = 0x046D;
inline constexpr int TransmitterProductId = 0x0A0E;
