#include "core/StoredOptions.h"

#include "state/AutostartEntry.h"
#include "state/SmallTextFile.h"
#include "state/StartOnAirFile.h"

#include <QCoreApplication>
#include <utility>

void StoredOptions::Load(const QString& settingsFile)
{
    const QString favouritesPath = FavouritesPath(settingsFile);
    favouritesFile = ReadFavouritesFile(favouritesPath);
    const std::vector<std::int32_t>& storedFavourites = favouritesFile.frequencies;
    favourites = KeptFavourites(storedFavourites);
    leftOutAtStart = {favouritesPath, LeftOutLines(FavouritesLines(favouritesFile), favourites),
                      !favouritesFile.whole};
    // What the rules leave out stays in the file until the favourites change, and then in a copy of it.
    if (favourites.size() < storedFavourites.size())
        ComplainAboutFile(
            favouritesPath,
            qPrintable(QStringLiteral("only %1 of its %2 lines are used (the lowest %3 on the grid "
                                      "of either band, each once); the file stays as it is, and is "
                                      "kept as Favourites.ini.bak once the favourites change")
                           .arg(favourites.size())
                           .arg(storedFavourites.size())
                           .arg(FavouritesMaximum)));
    onAirAtStart = ReadStartOnAir(StartOnAirPath(settingsFile));
    startAtLogin = AutostartEntryExists(AutostartEntryPath());
}

QString StoredOptions::SetOnAirAtStart(const QString& settingsFile, bool on)
{
    const QString failure = WriteStartOnAir(StartOnAirPath(settingsFile), on);
    if (failure.isEmpty())
        onAirAtStart = on;
    return failure;
}

QString StoredOptions::SetStartAtLogin(bool on)
{
    // The window's program, also when asked of the headless one: the session has a tray to start it into.
    const QString path = AutostartEntryPath();
    const QString failure =
        on ? WriteAutostartEntry(path, QCoreApplication::applicationDirPath() + QStringLiteral("/tessaly"))
           : RemoveAutostartEntry(path);
    if (failure.isEmpty())
        startAtLogin = on;
    return failure;
}

QString StoredOptions::SetFavourites(const QString& settingsFile, std::vector<std::int32_t> kept)
{
    const QString failure =
        WriteFavouritesFile(FavouritesPath(settingsFile), favouritesFile, favourites, kept);
    if (failure.isEmpty())
        favourites = std::move(kept);
    return failure;
}
