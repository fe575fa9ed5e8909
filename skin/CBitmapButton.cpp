#include "skin/CBitmapButton.h"

#include "res/Resources.h"

#include <QEvent>
#include <QPainter>

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {}

void CBitmapButton::LoadBitmaps(int normalId, int pressedId)
{
    normalImage = LoadBitmap(normalId);
    pressedImage = LoadBitmap(pressedId);
    updateGeometry();
    repaint();
}

void CBitmapButton::SizeToContent()
{
    resize(sizeHint());
}

QSize CBitmapButton::sizeHint() const
{
    // In layout units: a double-density image still counts at its 1x size.
    return normalImage.deviceIndependentSize().toSize();
}

bool CBitmapButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, isDown() ? pressedImage : normalImage);
}
