#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Resources are named by their numeric IDs, as everywhere in the program.

// The picture for the screen: on a high-density screen the @2x twin, with its device pixel ratio set,
// so it still has the 1x size in layout units.
QPixmap LoadBitmap(int id);

// The title text of the window on skin skinId, drawn in the title face; density as for LoadBitmap.
QPixmap LoadTitle(int skinId);

// Always the 1x picture, pixel for pixel as drawn; key-colour masks are computed from it.
QImage LoadBitmapImage(int id);

// Every size of icon 128 or 192 (for 192, also the larger sizes of the theme icon); a null icon for an
// unknown ID.
QIcon LoadAppIcon(int id);

// Icon 192 as LoadAppIcon has it, each size decoded when it is asked for and let go again: the window
// manager is handed a window's icon once, so its decoded sizes need not stay for the run.
QIcon LoadWindowIcon();

QString LoadResString(int id);
