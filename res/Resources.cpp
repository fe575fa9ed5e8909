#include "res/Resources.h"

#include <QDir>
#include <QGuiApplication>

namespace {

QString bitmapPath(int id, QStringView suffix = {})
{
    return QStringLiteral(":/bitmaps/%1%2.png").arg(id).arg(suffix);
}

void addEverySize(QIcon& icon, const QString& folder)
{
    const QDir sizes(folder);
    for (const QFileInfo& file : sizes.entryInfoList({QStringLiteral("*.png")}, QDir::Files))
        icon.addFile(file.filePath());
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
    addEverySize(icon, QStringLiteral(":/icons/%1").arg(id));
    // Icon 192 is the window's: the theme icon's larger sizes let docks and task switchers pick a sharp one.
    if (id == 192)
        addEverySize(icon, QStringLiteral(":/icons/hicolor"));
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
