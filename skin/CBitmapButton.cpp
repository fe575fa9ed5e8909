#include "skin/CBitmapButton.h"

#include "res/Resources.h"
#include "skin/FocusRing.h"
#include "skin/SkinAccessibility.h"

#include <QFocusEvent>
#include <QPainter>

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    InstallSkinAccessibility();
}

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

void CBitmapButton::RunPressAction()
{
    emit pressActionRun();
    animateClick();
}

QSize CBitmapButton::sizeHint() const
{
    // In layout units: a double-density image still counts at its 1x size.
    return normalImage.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, isDown() ? pressedImage : normalImage);
    if (focusRingShown && hasFocus())
        DrawFocusRing(painter, rect());
}

void CBitmapButton::focusInEvent(QFocusEvent* event)
{
    // QDialog announces the focus of a window being shown as a Tab before the window has it: not a move.
    if (hasFocus())
        focusRingShown = FocusRingShown(event->reason(), focusRingShown);
    QAbstractButton::focusInEvent(event);
}

void CBitmapButton::nextCheckState() {}
