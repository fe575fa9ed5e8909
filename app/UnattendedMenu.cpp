#include "app/UnattendedMenu.h"

#include "core/Favourites.h"
#include "core/TransmitterCore.h"
#include "panels/CFrequencyReadout.h"

#include <algorithm>
#include <QCoreApplication>
#include <QMenu>

namespace {

// The keys that choose the favourites in the menu, in their order: the digits as on the keyboard, then
// letters that Add and Remove do not take.
constexpr char favouriteKeys[] = "1234567890BC";
static_assert(sizeof favouriteKeys - 1 >= FavouritesMaximum);

QString Text(const char* text)
{
    return QCoreApplication::translate("UnattendedMenu", text);
}

void FillFavourites(QMenu& favouritesMenu, TransmitterCore& core,
                    const std::function<void(const QString&)>& tell)
{
    favouritesMenu.clear();
    const TransmitterState& state = core.State();
    const std::vector<std::int32_t>& favourites = core.Favourites();
    for (std::size_t index = 0; index < favourites.size(); ++index) {
        const std::int32_t frequency = favourites[index];
        // The core keeps FavouritesMaximum at most.
        const QString key = QStringLiteral("&%1  ").arg(QLatin1Char(favouriteKeys[index]));
        QAction* item = favouritesMenu.addAction(key + CFrequencyReadout::FrequencyText(frequency), &core,
                                                 [&core, frequency] { core.TuneTo(frequency); });
        item->setCheckable(true);
        item->setChecked(frequency == state.frequency);
        // One kept from the other band waits for that band.
        item->setEnabled(Tunable(frequency, state.optionFlags));
    }
    if (!favourites.empty())
        favouritesMenu.addSeparator();
    const std::int32_t current = state.frequency;
    const bool isFavourite = std::find(favourites.begin(), favourites.end(), current) != favourites.end();
    QAction* add = favouritesMenu.addAction(Text("&Add %1").arg(CFrequencyReadout::FrequencyText(current)),
                                            &core, [&core, current, tell] {
                                                QString notStored;
                                                core.AddFavourite(current, &notStored);
                                                tell(notStored);
                                            });
    add->setEnabled(!isFavourite && favourites.size() < FavouritesMaximum &&
                    Tunable(current, state.optionFlags));
    QAction* remove = favouritesMenu.addAction(
        Text("&Remove %1").arg(CFrequencyReadout::FrequencyText(current)), &core, [&core, current, tell] {
            QString notStored;
            core.RemoveFavourite(current, &notStored);
            tell(notStored);
        });
    remove->setEnabled(isFavourite);
}

} // namespace

void AddUnattendedItems(QMenu& menu, TransmitterCore& core, std::function<void(const QString&)> tell)
{
    QMenu* favouritesMenu = menu.addMenu(Text("&Favourite frequencies"));
    QObject::connect(favouritesMenu, &QMenu::aboutToShow, favouritesMenu,
                     [favouritesMenu, &core, tell] { FillFavourites(*favouritesMenu, core, tell); });

    QAction* onAirAtStart = menu.addAction(Text("&Go on air at start"));
    onAirAtStart->setCheckable(true);
    onAirAtStart->setChecked(core.OnAirAtStart());
    QObject::connect(onAirAtStart, &QAction::toggled, &core, [onAirAtStart, &core, tell](bool on) {
        if (const QString notStored = core.SetOnAirAtStart(on); !notStored.isEmpty()) {
            onAirAtStart->setChecked(core.OnAirAtStart());
            tell(notStored);
        }
    });
    // Also what the bus or tessalyctl chose, and the kept value again when a choice could not be stored.
    QObject::connect(&core, &TransmitterCore::changed, onAirAtStart,
                     [onAirAtStart, &core] { onAirAtStart->setChecked(core.OnAirAtStart()); });
}
