#pragma once

#include <cstdint>
#include <QString>

// A frequency typed on the main window, in MHz as it is being typed ("88", "88.", "88.1").

// Whether entry can still become a frequency in MHz: three digits, a point and two digits at most.
bool CanBecomeFrequency(const QString& entry);
// The frequency an entry CanBecomeFrequency takes names, in units of 10 kHz ("88.1" is 8810).
std::int32_t EntryFrequency(const QString& entry);
