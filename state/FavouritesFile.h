#pragma once

#include <cstdint>
#include <QString>
#include <vector>

// The favourite frequencies, kept in "Favourites.ini" beside Config.ini: one frequency in kHz a line.
QString FavouritesPath(const QString& settingsFile);
// The frequencies the file holds, in units of 10 kHz, as they stand; lines that are no frequency in kHz are
// left out with one line on stderr. Missing or unreadable: none.
std::vector<std::int32_t> ReadFavouritesFile(const QString& path);
// Keeps the file as it stands beside it, as "Favourites.ini.bak"; false when it could not.
bool KeepFavouritesBackup(const QString& path);
// Stores them atomically; false, with one line on stderr, when it could not.
bool WriteFavouritesFile(const QString& path, const std::vector<std::int32_t>& frequencies);
