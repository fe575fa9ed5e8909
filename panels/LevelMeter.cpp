#include "panels/LevelMeter.h"

#include <cmath>
#include <QColor>
#include <QPainter>

namespace LevelMeter {

namespace {

constexpr double floorDbfs = -60.0;
constexpr int pitch = 7;
constexpr int segmentWidth = 5;
// The digits' green; the unlit segments as faint as the digits' unlit strokes would be.
constexpr QColor litColour(104, 255, 150);
constexpr QColor unlitColour(16, 38, 22);

} // namespace

int LitSegments(double peakDbfs)
{
    if (!(peakDbfs > floorDbfs))
        return 0;
    if (peakDbfs >= 0)
        return segments;
    return int(std::ceil((peakDbfs - floorDbfs) / -floorDbfs * segments));
}

void Paint(QPainter& painter, int lit)
{
    for (int segment = 0; segment < segments; ++segment)
        painter.fillRect(area.x() + segment * pitch, area.y(), segmentWidth, area.height(),
                         segment < lit ? litColour : unlitColour);
}

} // namespace LevelMeter
