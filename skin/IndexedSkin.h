#pragma once

#include <QImage>
#include <vector>

class QPainter;
class QRect;

// A window's skin as it is kept for repaints, in about a quarter of the memory of its 32-bit picture: cut
// into horizontal bands of at most 256 colours, each held as 8-bit indexes into a colour table of its own
// (a row of more colours than that stays 32-bit). Pixels of the see-through colour are fully transparent.
// Paints exactly what the 32-bit picture, with that colour made transparent, paints.
class IndexedSkin
{
public:
    IndexedSkin() = default;
    // picture: the skin as decoded, its device pixel ratio set.
    IndexedSkin(QImage picture, QRgb seeThrough);

    bool IsNull() const { return bands.empty(); }
    // Draws the skin at the painter's origin, only the bands that meet area (layout units).
    void Paint(QPainter& painter, const QRect& area) const;

private:
    struct Band
    {
        int top; // in the picture's pixels
        QImage image;
    };

    std::vector<Band> bands;
};
