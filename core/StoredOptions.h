#pragma once

#include "core/Favourites.h"
#include "state/FavouritesFile.h"

#include <cstdint>
#include <QString>
#include <vector>

// The choices kept in small files of their own beside Config.ini, and the session's autostart entry:
// going on air at start, starting at login and the favourites. A change is made only once it is stored.
class StoredOptions
{
public:
    // Reads them for a run whose Config.ini is settingsFile.
    void Load(const QString& settingsFile);

    bool OnAirAtStart() const { return onAirAtStart; }
    bool StartsAtLogin() const { return startAtLogin; }
    // Ascending, in units of 10 kHz.
    const std::vector<std::int32_t>& Favourites() const { return favourites; }
    // What Load left out of Favourites.ini.
    const FavouritesLeftOut& FavouritesLeftOutAtStart() const { return leftOutAtStart; }

    // Each stores the change and makes it: empty when done, else why it could not be stored, and nothing
    // changed.
    QString SetOnAirAtStart(const QString& settingsFile, bool on);
    QString SetStartAtLogin(bool on);
    QString SetFavourites(const QString& settingsFile, std::vector<std::int32_t> kept);

private:
    std::vector<std::int32_t> favourites;
    FavouritesText favouritesFile; // as last read or written, so that a rewrite keeps what the user wrote
    FavouritesLeftOut leftOutAtStart;
    bool onAirAtStart = false;
    bool startAtLogin = false;
};
