#include "skin/FocusRing.h"

#include <QPainter>

namespace {

// The orange of the pressed buttons.
constexpr QColor ACCENT_COLOUR(236, 112, 8);
constexpr int RING_WIDTH = 2;

} // namespace

bool FocusRingShown(Qt::FocusReason reason, bool shownBefore)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return shownBefore;
    default:
        return false;
    }
}

void DrawFocusRing(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setPen(QPen(ACCENT_COLOUR, RING_WIDTH, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = RING_WIDTH / 2.0;
    painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}
