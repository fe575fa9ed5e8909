#pragma once

class QMenu;
class TransmitterCore;

// The window menu's items for a transmitter left on its own: "Favourite frequencies" (one item per
// favourite, the current one checked, then adding or removing the current frequency) and "Go on air at
// start". The submenu is built afresh each time it opens, from the core.
void AddUnattendedItems(QMenu& menu, TransmitterCore& core);
