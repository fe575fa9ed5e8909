#pragma once

#include <Qt>

class QPainter;
class QRect;

// The keyboard focus of the skinned controls: a ring in the skin's accent colour, drawn only while the
// focus is one the keyboard brought, so that a mouse user sees the pictures alone.

// Whether focus arriving for reason shows the ring. Tab, Shift+Tab and the arrows that move the focus
// show it; a click or the program's own choice does not; a window coming back to the front or a closed
// popup returns the focus as it was (shownBefore).
bool FocusRingShown(Qt::FocusReason reason, bool shownBefore);

// Draws the ring along the inside edge of rect.
void DrawFocusRing(QPainter& painter, const QRect& rect);
