#pragma once

#include <functional>

class QMenu;
class QString;
class TransmitterCore;

// The window menu's items for a transmitter left on its own: "Favourite frequencies" (one item per
// favourite, the current one checked, then adding or removing the current frequency) and "Go on air at
// start". The submenu is built afresh each time it opens, from the core. A choice that cannot be stored is
// told once through tell.
void AddUnattendedItems(QMenu& menu, TransmitterCore& core, std::function<void(const QString&)> tell);
