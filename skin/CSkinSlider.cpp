#include "skin/CSkinSlider.h"

#include "res/Resources.h"
#include "skin/FocusRing.h"
#include "skin/SkinAccessibility.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtMath>

namespace {

constexpr int pageStep = 20;

// Positions far outside the range map to pixels far outside the widget; capping them keeps every
// coordinate sum in int range.
constexpr double pixelLimit = QWIDGETSIZE_MAX;

int Saturate(double value, double low, double high)
{
    return static_cast<int>(std::clamp(value, low, high));
}

QRgb FromColorRef(std::uint32_t colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A key point outside the image gives no key colour: nothing becomes see-through.
std::optional<QRgb> KeyOf(const QImage& image, std::uint32_t keyColour, int keyX, int keyY)
{
    if (keyColour != KEY_COLOUR_FROM_PIXEL)
        return FromColorRef(keyColour);
    if (!image.valid(keyX, keyY))
        return std::nullopt;
    return image.pixel(keyX, keyY);
}

// The picture as drawn: the screen's version of the bitmap (the @2x twin on a dense screen), opaque, or
// with the key colour's pixels made fully transparent once here so that painting is a plain composition.
// The key is read from the 1x bitmap, whose pixels the key point refers to.
QPixmap Prepare(int id, bool transparent, std::uint32_t keyColour, int keyX, int keyY)
{
    const QImage reference = LoadBitmapImage(id);
    if (reference.isNull())
        return {};
    const QPixmap screen = LoadBitmap(id);
    QImage image = screen.toImage().convertToFormat(QImage::Format_RGB32);
    if (transparent) {
        const std::optional<QRgb> key =
            KeyOf(reference.convertToFormat(QImage::Format_RGB32), keyColour, keyX, keyY);
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; key && y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::replace(line, line + image.width(), *key, QRgb{0});
        }
    }
    image.setDevicePixelRatio(screen.devicePixelRatio());
    return QPixmap::fromImage(image);
}

// Size in the widget's pixels, whatever the picture's density.
QSize LogicalSize(const QPixmap& pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

// Draws the pixmap's columns [from, to) at their own place; columns the pixmap lacks are left alone.
void DrawColumns(QPainter& painter, const QPixmap& pixmap, int from, int to)
{
    const QSize size = LogicalSize(pixmap);
    const QRect columns = QRect(from, 0, to - from, size.height()).intersected(QRect(QPoint(), size));
    if (columns.isEmpty())
        return;
    const qreal ratio = pixmap.devicePixelRatio();
    const QRectF source(columns.x() * ratio, 0, columns.width() * ratio, columns.height() * ratio);
    painter.drawPixmap(QRectF(columns), pixmap, source);
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

bool CSkinSlider::LoadImages(ImagePair& images, int normalId, int activeId, bool transparent,
                             std::uint32_t keyColour, int keyX, int keyY)
{
    images = ImagePair{};
    QPixmap normal = Prepare(normalId, transparent, keyColour, keyX, keyY);
    if (normal.isNull())
        return false;
    QPixmap active;
    if (activeId != 0) {
        active = Prepare(activeId, transparent, keyColour, keyX, keyY);
        if (active.isNull())
            return false;
    }
    images = ImagePair{normal, active, true};
    return true;
}

bool CSkinSlider::SetChannelImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour,
                                   int keyX, int keyY)
{
    const bool loaded = LoadImages(channel, normalId, activeId, transparent, keyColour, keyX, keyY);
    // An opaque channel covers the widget; a transparent one, or none, lets the parent show through.
    setAttribute(Qt::WA_OpaquePaintEvent, loaded && !transparent);
    if (loaded) {
        channelWidth = LogicalSize(channel.normal).width();
        resize(LogicalSize(channel.normal));
        updateGeometry();
    }
    update();
    return loaded;
}

bool CSkinSlider::SetThumbImages(int normalId, int activeId, bool transparent, std::uint32_t keyColour,
                                 int keyX, int keyY)
{
    const bool loaded = LoadImages(thumb, normalId, activeId, transparent, keyColour, keyX, keyY);
    if (loaded) {
        thumbWidth = LogicalSize(thumb.normal).width();
        if (!channel.loaded)
            channelWidth = width();
    }
    update();
    return loaded;
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
    return channel.loaded ? LogicalSize(channel.normal) : QWidget::sizeHint();
}

bool CSkinSlider::IsSliderKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
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
    long long target = position;
    switch (event->key()) {
    case Qt::Key_PageUp:
        target -= pageStep;
        break;
    case Qt::Key_PageDown:
        target += pageStep;
        break;
    case Qt::Key_End:
        target = rangeMaximum;
        break;
    case Qt::Key_Home:
        target = rangeMinimum;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        target -= 1;
        break;
    default:
        target += 1;
        break;
    }
    MoveTo(static_cast<int>(std::clamp<long long>(target, INT_MIN, INT_MAX)));
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
