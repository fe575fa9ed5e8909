#include "res/Resources.h"

#include <QDir>
#include <QGuiApplication>

namespace {

QString bitmapPath(int id, QStringView suffix = {})
{
    return QStringLiteral(":/bitmaps/%1%2.png").arg(id).arg(suffix);
}

} // namespace

QPixmap LoadBitmap(int id)
{
    // Unlike QIcon, QPixmap does not look for an @2x twin by itself.
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(bitmapPath(id, u"@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(bitmapPath(id));
}

QImage LoadBitmapImage(int id)
{
    return QImage(bitmapPath(id));
}

QIcon LoadAppIcon(int id)
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/%1").arg(id));
    for (const QFileInfo& file : sizes.entryInfoList({QStringLiteral("*.png")}, QDir::Files))
        icon.addFile(file.filePath());
    return icon;
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
