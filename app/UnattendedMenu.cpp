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
    QAction* add = favouritesMenu.addAction(
        Text("&Add %1").arg(CFrequencyReadout::FrequencyText(current)), &core, [&core, current, tell] {
            QString notStored;
            if (core.AddFavourite(current, &notStored) == FavouriteAnswer::NotStored)
                tell(notStored);
        });
    add->setEnabled(!isFavourite && favourites.size() < FavouritesMaximum &&
                    Tunable(current, state.optionFlags));
    QAction* remove = favouritesMenu.addAction(
        Text("&Remove %1").arg(CFrequencyReadout::FrequencyText(current)), &core, [&core, current, tell] {
            QString notStored;
            if (core.RemoveFavourite(current, &notStored) == FavouriteAnswer::NotStored)
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

    AddStoredChoice(menu, Text("&Go on air at start"), core, &TransmitterCore::OnAirAtStart,
                    &TransmitterCore::SetOnAirAtStart, tell);
    AddStoredChoice(menu, Text("Start at &login"), core, &TransmitterCore::StartsAtLogin,
                    &TransmitterCore::SetStartAtLogin, tell);
}

QAction* AddStoredChoice(QMenu& menu, const QString& text, TransmitterCore& core,
                         bool (TransmitterCore::*chosen)() const, QString (TransmitterCore::*choose)(bool),
                         std::function<void(const QString&)> tell)
{
    QAction* item = menu.addAction(text);
    item->setCheckable(true);
    item->setChecked((core.*chosen)());
    // The user's choice alone: a tick set to follow the core is no new choice.
    QObject::connect(item, &QAction::triggered, &core, [item, &core, chosen, choose, tell](bool on) {
        if (const QString notStored = (core.*choose)(on); !notStored.isEmpty()) {
            item->setChecked((core.*chosen)());
            tell(notStored);
        }
    });
    // Also what the bus or tessalyctl chose, and the kept value again when a choice could not be stored.
    QObject::connect(&core, &TransmitterCore::changed, item,
                     [item, &core, chosen] { item->setChecked((core.*chosen)()); });
    return item;
}
