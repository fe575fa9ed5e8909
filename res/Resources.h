#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Resources are named by their numeric IDs, as everywhere in the program.
QPixmap LoadBitmap(int id);
QImage LoadBitmapImage(int id);
QString LoadResString(int id);
