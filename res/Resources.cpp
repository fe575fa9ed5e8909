#include "res/Resources.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>

namespace {

// Every picture is a PNG and read as one outright: left to guess, Qt's image reader first loads every image
// format plugin there is (JPEG, GIF, ICO, with their libraries) to ask whether it reads the format.
QImage readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Decoded now: the window icon's sizes are all decoded anyway as the window manager is given them.
void addEverySize(QIcon& icon, const QString& folder)
{
    const QDir sizes(folder);
    for (const QFileInfo& file : sizes.entryInfoList(QDir::Files))
        icon.addPixmap(QPixmap::fromImage(readPng(file.filePath())));
}

// Unlike QIcon, QPixmap does not look for an @2x twin by itself. Decoded through QImage, not by QPixmap's
// own loading, which would also keep a copy in the pixmap cache for the rest of the run.
QPixmap loadForScreen(const QString& folder, int id)
{
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) {
        QImage sharp = readPng(QStringLiteral("%1/%2@2x.png").arg(folder).arg(id));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(sharp));
        }
    }
    return QPixmap::fromImage(readPng(QStringLiteral("%1/%2.png").arg(folder).arg(id)));
}

} // namespace

QPixmap LoadBitmap(int id)
{
    return loadForScreen(QStringLiteral(":/bitmaps"), id);
}

QPixmap LoadTitle(int skinId)
{
    return loadForScreen(QStringLiteral(":/titles"), skinId);
}

QImage LoadBitmapImage(int id)
{
    return readPng(QStringLiteral(":/bitmaps/%1.png").arg(id));
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
