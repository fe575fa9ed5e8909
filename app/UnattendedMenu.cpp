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
    const QString currentText = CFrequencyReadout::FrequencyText(current);
    //: %1 is the frequency in use, such as 88.10 MHz
    const QString addText = QCoreApplication::translate("UnattendedMenu", "&Add %1").arg(currentText);
    QAction* add = favouritesMenu.addAction(addText, &core, [&core, current, tell] {
        QString notStored;
        if (core.AddFavourite(current, &notStored) == FavouriteAnswer::NotStored)
            tell(notStored);
    });
    add->setEnabled(!isFavourite && favourites.size() < FavouritesMaximum &&
                    Tunable(current, state.optionFlags));
    //: %1 is the frequency in use, such as 88.10 MHz
    const QString removeText = QCoreApplication::translate("UnattendedMenu", "&Remove %1").arg(currentText);
    QAction* remove = favouritesMenu.addAction(removeText, &core, [&core, current, tell] {
        QString notStored;
        if (core.RemoveFavourite(current, &notStored) == FavouriteAnswer::NotStored)
            tell(notStored);
    });
    remove->setEnabled(isFavourite);
}

} // namespace

void AddUnattendedItems(QMenu& menu, TransmitterCore& core, std::function<void(const QString&)> tell)
{
    QMenu* favouritesMenu =
        menu.addMenu(QCoreApplication::translate("UnattendedMenu", "&Favourite frequencies"));
    QObject::connect(favouritesMenu, &QMenu::aboutToShow, favouritesMenu,
                     [favouritesMenu, &core, tell] { FillFavourites(*favouritesMenu, core, tell); });

    AddStoredChoice(menu, QCoreApplication::translate("UnattendedMenu", "&Go on air at start"), core,
                    &TransmitterCore::OnAirAtStart, &TransmitterCore::SetOnAirAtStart, tell);
    AddStoredChoice(menu, QCoreApplication::translate("UnattendedMenu", "Start at &login"), core,
                    &TransmitterCore::StartsAtLogin, &TransmitterCore::SetStartAtLogin, tell);
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
