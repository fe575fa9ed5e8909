#pragma once

#include <cstdint>
#include <QString>

// A frequency typed on the main window, in MHz as it is being typed ("88", "88.", "88.1"), with a point or,
// as many languages write it, a comma ("88,1").

// Whether entry can still become a frequency in MHz: three digits, a point or comma and two digits at most.
bool CanBecomeFrequency(const QString& entry);
// Where the entry's point or comma is; -1 when it has none.
qsizetype EntryPointAt(const QString& entry);
// The frequency an entry CanBecomeFrequency takes names, in units of 10 kHz ("88.1" and "88,1" are 8810).
std::int32_t EntryFrequency(const QString& entry);
