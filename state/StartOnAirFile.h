#pragma once

#include <QString>

// "On air at start", kept in "StartOnAir.ini" beside Config.ini: one line, "OnAirAtStart=1" or "=0".
// Missing: off, as the program always started.
QString StartOnAirPath(const QString& settingsFile);
// The stored choice; anything but a regular file of that form gives off and one line on stderr.
bool ReadStartOnAir(const QString& path);
// Stores the choice; empty when stored, else why not (state/FileWriter.h).
QString WriteStartOnAir(const QString& path, bool on);
