#pragma once

#include <functional>

class QAction;
class QMenu;
class QString;
class TransmitterCore;

// The window menu's items for a transmitter left on its own: "Favourite frequencies" (one item per
// favourite, the current one checked, then adding or removing the current frequency) and "Go on air at
// start" and "Start at login". The submenu is built afresh each time it opens, from the core. A choice that
// cannot be stored is told once through tell.
void AddUnattendedItems(QMenu& menu, TransmitterCore& core, std::function<void(const QString&)> tell);

// A checkable item for a choice the core keeps in a file, kept in step with the core whoever makes the
// choice; one that cannot be stored is told once through tell, and the item shows what is kept.
QAction* AddStoredChoice(QMenu& menu, const QString& text, TransmitterCore& core,
                         bool (TransmitterCore::*chosen)() const, QString (TransmitterCore::*choose)(bool),
                         std::function<void(const QString&)> tell);
