#include "res/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIconEngine>
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

QStringList everySize(int id)
{
    QStringList files;
    QStringList folders{QStringLiteral(":/icons/%1").arg(id)};
    // Icon 192 is the window's: the theme icon's larger sizes let docks and task switchers pick a sharp one.
    if (id == 192)
        folders.append(QStringLiteral(":/icons/hicolor"));
    for (const QString& folder : folders) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
            files.append(file.filePath());
    }
    return files;
}

QIcon decodedNow(const QStringList& files)
{
    QIcon icon;
    for (const QString& file : files)
        icon.addPixmap(QPixmap::fromImage(readPng(file)));
    return icon;
}

// Hands out the sizes the icon has as their files decode, keeping nothing; any other request is answered
// as an icon of them all, decoded for it, would answer it (the device pixel ratio given, as engines take it).
class DecodedOnRequest final : public QIconEngine
{
public:
    explicit DecodedOnRequest(QStringList files) : files(std::move(files)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const QString& file : files) {
                if (sizeOf(file) == size)
                    return QPixmap::fromImage(readPng(file));
            }
        }
        return decodedNow(files).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        if (scale <= 1.0)
            return pixmap(size, mode, state);
            // QIcon passes the size in device pixels before Qt 6.8, in layout units since.
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        return decodedNow(files).pixmap(size / scale, scale, mode, state);
#else
        return decodedNow(files).pixmap(size, scale, mode, state);
#endif
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const QString& file : files)
                sizes.append(sizeOf(file));
        }
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decodedNow(files).actualSize(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        decodedNow(files).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QIconEngine* clone() const override
    {
        return new DecodedOnRequest(files);
    }

private:
    static QSize sizeOf(const QString& file)
    {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        return reader.size();
    }

    const QStringList files;
};

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
    return decodedNow(everySize(id));
}

QIcon LoadWindowIcon()
{
    return QIcon(new DecodedOnRequest(everySize(192)));
}

QString LoadResString(int id)
{
    switch (id) {
    case 101:
        return QCoreApplication::translate("Resources", "&About Corvane...");
    default:
        return {};
    }
}
