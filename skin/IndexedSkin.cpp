#include "skin/IndexedSkin.h"

#include <array>
#include <QPainter>

namespace {

constexpr int MAX_COLOURS = 256;

// The colours of one band and their indexes: an open-addressed table four times as large as the most
// colours a band holds, so that a look-up seldom probes past its first slot.
class ColourIndex
{
public:
    ColourIndex() { places.fill(EMPTY); }

    // Adds the colours of one row; a row that would take the band past MAX_COLOURS is taken back whole
    // and false returned. Its slots are emptied again, the last filled first: no probe for a colour passes
    // through a slot filled after it, so each one emptied is found where it was placed.
    bool AddRow(const QRgb* row, int width)
    {
        const qsizetype before = colours.size();
        for (int x = 0; x < width; ++x) {
            if (find(row[x]) != EMPTY)
                continue;
            if (colours.size() == MAX_COLOURS) {
                for (qsizetype i = colours.size() - 1; i >= before; --i)
                    places[slotOf(colours[i])] = EMPTY;
                colours.resize(before);
                return false;
            }
            places[slotOf(row[x])] = static_cast<int>(colours.size());
            colours.append(row[x]);
        }
        return true;
    }

    // The index of a colour AddRow took.
    uchar IndexOf(QRgb colour) const { return static_cast<uchar>(find(colour)); }
    const QList<QRgb>& Colours() const { return colours; }

private:
    static constexpr int SLOTS = 4 * MAX_COLOURS;
    static constexpr int EMPTY = -1;

    // The slot that holds colour, or the empty one where it would go.
    int slotOf(QRgb colour) const
    {
        int slot = static_cast<int>((colour * 2654435761U) >> 22) & (SLOTS - 1);
        while (places[slot] != EMPTY && colours[places[slot]] != colour)
            slot = (slot + 1) & (SLOTS - 1);
        return slot;
    }
    int find(QRgb colour) const { return places[slotOf(colour)]; }

    std::array<int, SLOTS> places;
    QList<QRgb> colours;
};

bool IsSeeThrough(QRgb pixel, QRgb seeThrough)
{
    return (pixel & RGB_MASK) == (seeThrough & RGB_MASK);
}

// Rows top to bottom - 1 of picture, whose colours index holds, as 8-bit indexes.
QImage Indexed(const QImage& picture, int top, int bottom, const ColourIndex& index, QRgb seeThrough)
{
    QImage band(picture.width(), bottom - top, QImage::Format_Indexed8);
    QList<QRgb> table = index.Colours();
    for (QRgb& colour : table) {
        if (IsSeeThrough(colour, seeThrough))
            colour = qRgba(0, 0, 0, 0);
    }
    band.setColorTable(std::move(table));
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* indexes = band.scanLine(y - top);
        for (int x = 0; x < picture.width(); ++x)
            indexes[x] = index.IndexOf(row[x]);
    }
    return band;
}

// One row of more colours than a band holds, as 32-bit pixels.
QImage Unindexed(const QImage& picture, int y, QRgb seeThrough)
{
    QImage row = picture.copy(0, y, picture.width(), 1);
    auto* pixels = reinterpret_cast<QRgb*>(row.scanLine(0));
    for (int x = 0; x < row.width(); ++x) {
        if (IsSeeThrough(pixels[x], seeThrough))
            pixels[x] = qRgba(0, 0, 0, 0);
    }
    return row;
}

} // namespace

IndexedSkin::IndexedSkin(QImage picture, QRgb seeThrough)
{
    picture = std::move(picture).convertToFormat(QImage::Format_ARGB32);
    int top = 0;
    while (top < picture.height()) {
        // Rows join the band while its colours fit.
        ColourIndex index;
        int bottom = top;
        while (bottom < picture.height() &&
               index.AddRow(reinterpret_cast<const QRgb*>(picture.constScanLine(bottom)), picture.width()))
            ++bottom;
        QImage image = bottom > top ? Indexed(picture, top, bottom, index, seeThrough)
                                    : Unindexed(picture, bottom++, seeThrough);
        image.setDevicePixelRatio(picture.devicePixelRatio());
        bands.push_back({top, std::move(image)});
        top = bottom;
    }
}

void IndexedSkin::Paint(QPainter& painter, const QRect& area) const
{
    for (const Band& band : bands) {
        const QRectF place(QPointF(0, band.top / band.image.devicePixelRatio()),
                           band.image.deviceIndependentSize());
        if (place.intersects(area))
            painter.drawImage(place.topLeft(), band.image);
    }
}
