#pragma once

#include <QString>

// "Play sound through the transmitter", kept in a small file of its own beside Config.ini: one line,
// "PlaySoundThroughTransmitter=1" or "=0". Missing: on.
inline constexpr bool SoundOptionDefault = true;

// The stored choice. Anything but a regular file of that form (a link, a directory, a device, other
// text) gives the default and one line on stderr; links are never followed.
bool ReadSoundOption(const QString& path);
// Stores the choice; empty when stored, else why not (state/FileWriter.h).
QString WriteSoundOption(const QString& path, bool enabled);
