#pragma once

#include <QString>

struct FavouritesLeftOut;
class QWidget;

// What the start left out of Favourites.ini, in the window's words: the file, each line left out with its
// number, its text (shortened when long) and why, the first few only, then what becomes of the file. Empty
// when nothing was left out. Standard error has had its line already; this is for the person at the window.
QString FavouritesNoticeText(const FavouritesLeftOut& leftOut);
// Shows it in a box over window that waits for nobody; nothing when nothing was left out.
void ShowFavouritesNotice(QWidget& window, const FavouritesLeftOut& leftOut);
