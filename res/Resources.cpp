#include "res/Resources.h"

namespace {

QString bitmapPath(int id)
{
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

} // namespace

QPixmap LoadBitmap(int id)
{
    return QPixmap(bitmapPath(id));
}

QImage LoadBitmapImage(int id)
{
    return QImage(bitmapPath(id));
}

QString LoadResString(int id)
{
    switch (id) {
    case 101:
        return QStringLiteral("&About Corvane...");
    default:
        return {};
    }
}
