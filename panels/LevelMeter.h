#pragma once

#include <QRect>

class QPainter;

// The sound's level as a row of segments in the digits' green under the digits, lit from the left:
// none at -60 dBFS or below, all at 0 dBFS, evenly by decibels in between.
namespace LevelMeter {

inline constexpr int segments = 38;
// In the display's black, below the digit row and the idle picture.
inline constexpr QRect area(108, 210, segments * 7 - 2, 4);

// How many segments the level lights: 0 to segments.
int LitSegments(double peakDbfs);
void Paint(QPainter& painter, int lit);

} // namespace LevelMeter
