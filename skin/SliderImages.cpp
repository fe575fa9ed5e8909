#include "skin/SliderImages.h"

#include "res/Resources.h"

#include <algorithm>
#include <optional>
#include <QPainter>

namespace {

QRgb FromColorRef(std::uint32_t colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A key point outside the image gives no key colour: nothing becomes see-through.
std::optional<QRgb> KeyOf(const QImage& image, std::uint32_t keyColour, int keyX, int keyY)
{
    if (keyColour != KEY_COLOUR_FROM_PIXEL)
        return FromColorRef(keyColour);
    if (!image.valid(keyX, keyY))
        return std::nullopt;
    return image.pixel(keyX, keyY);
}

// The picture as drawn: the screen's version of the bitmap (the @2x twin on a dense screen), opaque, or
// with the key colour's pixels made fully transparent once here so that painting is a plain composition.
// The key is read from the 1x bitmap, whose pixels the key point refers to.
QPixmap Prepare(int id, bool transparent, std::uint32_t keyColour, int keyX, int keyY)
{
    const QImage reference = LoadBitmapImage(id);
    if (reference.isNull())
        return {};
    const QPixmap screen = LoadBitmap(id);
    QImage image = screen.toImage().convertToFormat(QImage::Format_RGB32);
    if (transparent) {
        const std::optional<QRgb> key =
            KeyOf(reference.convertToFormat(QImage::Format_RGB32), keyColour, keyX, keyY);
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; key && y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::replace(line, line + image.width(), *key, QRgb{0});
        }
    }
    image.setDevicePixelRatio(screen.devicePixelRatio());
    return QPixmap::fromImage(image);
}

QSize LogicalSize(const QPixmap& pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

} // namespace

SliderImages SliderImages::Load(int normalId, int activeId, bool transparent, std::uint32_t keyColour,
                                int keyX, int keyY)
{
    QPixmap normal = Prepare(normalId, transparent, keyColour, keyX, keyY);
    if (normal.isNull())
        return {};
    QPixmap active;
    if (activeId != 0) {
        active = Prepare(activeId, transparent, keyColour, keyX, keyY);
        if (active.isNull())
            return {};
    }
    return SliderImages{normal, active, true};
}

QSize SliderImages::Size() const
{
    return LogicalSize(normal);
}

void DrawColumns(QPainter& painter, const QPixmap& pixmap, int from, int to)
{
    const QSize size = LogicalSize(pixmap);
    const QRect columns = QRect(from, 0, to - from, size.height()).intersected(QRect(QPoint(), size));
    if (columns.isEmpty())
        return;
    const qreal ratio = pixmap.devicePixelRatio();
    const QRectF source(columns.x() * ratio, 0, columns.width() * ratio, columns.height() * ratio);
    painter.drawPixmap(QRectF(columns), pixmap, source);
}
