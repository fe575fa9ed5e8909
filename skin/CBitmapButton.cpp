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
    resize(normalImage.size());
}

QSize CBitmapButton::sizeHint() const
{
    return normalImage.size();
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
