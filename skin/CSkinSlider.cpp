#include "skin/CSkinSlider.h"

#include "skin/FocusRing.h"
#include "skin/SkinAccessibility.h"
#include "skin/SliderKeys.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtMath>

namespace {

// Positions far outside the range map to pixels far outside the widget; capping them keeps every
// coordinate sum in int range.
constexpr double pixelLimit = QWIDGETSIZE_MAX;

int Saturate(double value, double low, double high)
{
    return static_cast<int>(std::clamp(value, low, high));
}

int PointerX(const QMouseEvent* event)
{
    return qFloor(event->position().x());
}

} // namespace

CSkinSlider::CSkinSlider(int controlId, QWidget* parent) : QWidget(parent), controlId(controlId)
{
    setObjectName(QString::number(controlId));
    setFocusPolicy(Qt::ClickFocus);
    InstallSkinAccessibility();
}

bool CSkinSlider::SetChannelImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour,
                                   int keyX, int keyY)
{
    channel = SliderImages::Load(normalId, activeId, transparent, keyColour, keyX, keyY);
    // An opaque channel covers the widget; a transparent one, or none, lets the parent show through.
    setAttribute(Qt::WA_OpaquePaintEvent, channel.loaded && !transparent);
    if (channel.loaded) {
        channelWidth = channel.Size().width();
        resize(channel.Size());
        updateGeometry();
    }
    update();
    return channel.loaded;
}

bool CSkinSlider::SetThumbImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour,
                                 int keyX, int keyY)
{
    thumb = SliderImages::Load(normalId, activeId, transparent, keyColour, keyX, keyY);
    if (thumb.loaded) {
        thumbWidth = thumb.Size().width();
        if (!channel.loaded)
            channelWidth = width();
    }
    update();
    return thumb.loaded;
}

void CSkinSlider::EnableFocusRect(bool enable, bool redraw)
{
    focusRectEnabled = enable;
    if (redraw)
        update();
}

void CSkinSlider::SetRangeMin(int minimum, bool redraw)
{
    rangeMinimum = minimum;
    if (redraw)
        update();
}

void CSkinSlider::SetRangeMax(int maximum, bool redraw)
{
    rangeMaximum = maximum;
    if (redraw)
        update();
}

void CSkinSlider::SetRange(int minimum, int maximum, bool redraw)
{
    SetRangeMin(minimum, false);
    SetRangeMax(maximum, redraw);
}

void CSkinSlider::SetPos(int value)
{
    const int before = position;
    position = value;
    if (position > rangeMaximum)
        position = rangeMaximum;
    if (position < rangeMinimum)
        position = rangeMinimum;
    update();
    if (position != before && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, position + shownOffset);
        QAccessible::updateAccessibility(&event);
    }
}

void CSkinSlider::MoveTo(int value)
{
    const int before = position;
    SetPos(value);
    if (position != before)
        Post(WM_SLIDER_CHANGED);
    Post(WM_SLIDER_SETTLED);
}

// Both directions truncate toward zero with the quotient taken first, so the centre pixel of a position
// mostly maps back to the position below it; the windows' behaviour depends on exactly these pixels.
int CSkinSlider::PosToPixel(int value) const
{
    const int half = thumbWidth / 2;
    const int travel = channelWidth - thumbWidth;
    if (rangeMaximum <= rangeMinimum || travel <= 0)
        return half;
    const double span = double(rangeMaximum) - double(rangeMinimum);
    return Saturate(std::trunc((double(value) - double(rangeMinimum)) / span * travel) + half, -pixelLimit,
                    pixelLimit);
}

int CSkinSlider::PixelToPos(int x) const
{
    const int half = thumbWidth / 2;
    const int travel = channelWidth - thumbWidth;
    if (rangeMaximum <= rangeMinimum || travel <= 0)
        return rangeMinimum;
    const double span = double(rangeMaximum) - double(rangeMinimum);
    return Saturate(std::trunc((double(x) - half) / travel * span + rangeMinimum), INT_MIN, INT_MAX);
}

QSize CSkinSlider::sizeHint() const
{
    return channel.loaded ? channel.Size() : QWidget::sizeHint();
}

bool CSkinSlider::event(QEvent* event)
{
    // Claim the slider's keys before any shortcut of the window sees them. Tab is not among them, so it
    // still reaches the focus chain.
    if (event->type() == QEvent::ShortcutOverride && IsSliderKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CSkinSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        painter.fillRect(rect(), palette().window());

    const int centre = PosToPixel(position);
    if (channel.loaded) {
        if (channel.active.isNull()) {
            painter.drawPixmap(0, 0, channel.normal);
        } else {
            // Filled look from the minimum end up to the thumb centre, empty look from there on.
            const int split = std::clamp(centre, 0, channelWidth);
            DrawColumns(painter, channel.active, 0, split);
            DrawColumns(painter, channel.normal, split, channelWidth);
        }
    }
    if (thumb.loaded) {
        const QPixmap& image = dragging && !thumb.active.isNull() ? thumb.active : thumb.normal;
        painter.drawPixmap(centre - thumbWidth / 2, 0, image);
    }
    if (focusRectEnabled && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // Shown for every focus, not only after keyboard navigation as some styles would.
        option.state |= QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    if (focusRingShown && hasFocus())
        DrawFocusRing(painter, rect());
}

void CSkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    dragging = true;
    const int x = PointerX(event);
    const int offset = x - PosToPixel(position);
    // A press within half a thumb of the centre holds the thumb where it was gripped; elsewhere the thumb
    // jumps to the pointer.
    grabOffset = std::abs(offset) > thumbWidth / 2 ? 0 : offset;
    DragStep(x);
    update();
}

void CSkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    DragStep(PointerX(event));
}

void CSkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging = false;
    update();
    Post(WM_SLIDER_SETTLED);
}

// Announces every step whose target differs from the current centre pixel, even when it selects the same
// position again: the windows count on one notification per such step.
void CSkinSlider::DragStep(int x)
{
    const int half = thumbWidth / 2;
    int target = x - grabOffset;
    if (target < half)
        target = half;
    if (target > channelWidth - half)
        target = channelWidth - half;
    if (target == PosToPixel(position))
        return;
    SetPos(PixelToPos(target));
    Post(WM_SLIDER_CHANGED);
}

void CSkinSlider::keyPressEvent(QKeyEvent* event)
{
    if (!IsSliderKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    MoveTo(SliderKeyTarget(event->key(), position, rangeMinimum, rangeMaximum));
}

void CSkinSlider::focusInEvent(QFocusEvent* event)
{
    // QDialog announces the focus of a window being shown as a Tab before the window has it: not a move.
    if (hasFocus())
        focusRingShown = FocusRingShown(event->reason(), focusRingShown);
    QWidget::focusInEvent(event);
}

// Deferred through the event queue, so receivers never run inside this slider's input handling.
void CSkinSlider::Post(int message)
{
    QMetaObject::invokeMethod(
        this,
        [this, message, value = position] {
            if (message == WM_SLIDER_CHANGED)
                emit sliderChanged(controlId, value);
            else
                emit sliderSettled(controlId, value);
        },
        Qt::QueuedConnection);
}
