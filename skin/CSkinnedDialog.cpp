#include "skin/CSkinnedDialog.h"

#include "res/Resources.h"
#include "skin/CBitmapButton.h"
#include "skin/SkinAccessibility.h"

#include <QBitmap>
#include <QChildEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

namespace {

// Red 252, green 0, blue 255: the skins' cut-away corners.
constexpr QRgb SKIN_KEY_COLOUR = qRgb(252, 0, 255);
constexpr int EMBLEM_BITMAP = 189;
constexpr QPoint EMBLEM_POSITION(3, 5);
constexpr QPoint TITLE_POSITION(35, 7);

bool IsWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

CSkinnedDialog::CSkinnedDialog(const SkinFrameValues& frame, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | (frame.mainWindow ? Qt::Tool : Qt::Dialog)), frame(frame)
{
    // Watch before any child exists, so every child is caught as it is added.
    WatchEvents(this);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    InstallSkinAccessibility();

    emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("1033"));
    // Presses on the emblem and the title fall through to the body, which drags the window.
    emblem->setAttribute(Qt::WA_TransparentForMouseEvents);

    title = new QLabel(this);
    title->setObjectName(QStringLiteral("1037"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (std::size_t i = 0; i < captionButtons.size(); ++i) {
        const CaptionButtonValues& values = frame.captionButtons[i];
        auto* button = new CBitmapButton(this);
        button->setObjectName(QString::number(values.id));
        captionButtons[i] = button;
    }
    connect(CaptionButton(1034), &QAbstractButton::clicked, this, [this] { OnMinimize(); });
    if (frame.mainWindow)
        connect(CaptionButton(1036), &QAbstractButton::clicked, this, &QDialog::reject);
    else
        connect(CaptionButton(1036), &QAbstractButton::clicked, this, &QDialog::accept);
}

void CSkinnedDialog::SizeToSkin()
{
    // The picture's size in layout units is the same on any screen density.
    skin = LoadBitmap(frame.skinId);
    setFixedSize(skin.deviceIndependentSize().toSize());

    QScreen* screen = QGuiApplication::primaryScreen();
    QPoint centre = screen->availableGeometry().center();
    if (!frame.mainWindow && parentWidget()) {
        const QWidget* owner = parentWidget()->window();
        screen = owner->screen();
        centre = owner->frameGeometry().center();
    }
    QRect placed(QPoint(), size());
    placed.moveCenter(centre);
    const QRect workArea = screen->availableGeometry();
    placed.moveLeft(qMax(workArea.left(), qMin(placed.left(), workArea.right() + 1 - placed.width())));
    placed.moveTop(qMax(workArea.top(), qMin(placed.top(), workArea.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}

void CSkinnedDialog::MakeKeyColourTransparent()
{
    // Without a skin an empty mask would take the whole window away; stay opaque instead.
    if (skin.isNull())
        return;
    const qreal density = skin.devicePixelRatio();
    QImage image = std::exchange(skin, QPixmap()).toImage();
    // The mask shapes the window on X11; on Wayland it only limits input, so the corners are also painted
    // transparent. It is in layout units: on a dense screen it comes from the picture of layout size.
    setMask(QBitmap::fromImage((density == 1.0 ? image : LoadBitmapImage(frame.skinId))
                                   .convertToFormat(QImage::Format_RGB32)
                                   .createMaskFromColor(SKIN_KEY_COLOUR, Qt::MaskInColor)));
    setAttribute(Qt::WA_TranslucentBackground);
    image.setDevicePixelRatio(density);
    paintedSkin = IndexedSkin(std::move(image), SKIN_KEY_COLOUR);
}

void CSkinnedDialog::SetUpTitle()
{
    title->setPixmap(LoadTitle(frame.skinId));
    title->resize(title->pixmap().deviceIndependentSize().toSize());
    title->setAccessibleName(QCoreApplication::translate("SkinFrame", frame.title));
    title->move(TITLE_POSITION);
}

void CSkinnedDialog::PlaceEmblem()
{
    emblem->setPixmap(LoadBitmap(EMBLEM_BITMAP));
    emblem->adjustSize();
    emblem->move(EMBLEM_POSITION);
}

void CSkinnedDialog::SetUpCaptionButtons()
{
    for (std::size_t i = 0; i < captionButtons.size(); ++i) {
        const CaptionButtonValues& values = frame.captionButtons[i];
        // Here rather than at construction: a change of state wakes the accessibility bridge, which asks
        // the session bus, and the main window's construction comes before the transmitter's set-up.
        captionButtons[i]->setHidden(!values.visible);
        captionButtons[i]->setEnabled(values.enabled);
        captionButtons[i]->LoadBitmaps(values.normalImage, values.pressedImage);
        captionButtons[i]->SizeToContent();
        if (values.toolTip)
            captionButtons[i]->setToolTip(QCoreApplication::translate("SkinFrame", values.toolTip));
        captionButtons[i]->setAccessibleName(QCoreApplication::translate("SkinFrame", values.name));
    }
}

void CSkinnedDialog::PlaceCaptionButtons()
{
    const QSize buttonSize = CaptionButton(frame.sizingButtonId)->size();
    for (std::size_t i = 0; i < captionButtons.size(); ++i)
        captionButtons[i]->setGeometry(
            QRect(QPoint(frame.captionButtons[i].x, CAPTION_BUTTON_Y), buttonSize));
}

void CSkinnedDialog::FocusFirstTabStop()
{
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(this)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

int CSkinnedDialog::Run()
{
    QEventLoop run;
    connect(this, &QDialog::finished, &run, &QEventLoop::quit);
    run.exec();
    return result();
}

void CSkinnedDialog::SetTimer(int timerId, int periodMs)
{
    timers[timerId].start(periodMs, Qt::PreciseTimer, this);
}

void CSkinnedDialog::KillTimer(int timerId)
{
    const auto found = timers.find(timerId);
    if (found != timers.end())
        found->second.stop();
}

bool CSkinnedDialog::IsTimerActive(int timerId) const
{
    const auto found = timers.find(timerId);
    return found != timers.end() && found->second.isActive();
}

bool CSkinnedDialog::PreTranslateMessage(QObject*, QEvent*)
{
    return false;
}

void CSkinnedDialog::OnMinimize()
{
    hide();
}

void CSkinnedDialog::OnTimer(int timerId)
{
    if (timerId != TIMER_DRAG)
        return;
    // Keep the grabbed point under the pointer; move() keeps the size.
    move(QCursor::pos() - dragOffset);
    raise();
}

bool CSkinnedDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        WatchEvents(static_cast<QChildEvent*>(event)->child());
    return PreTranslateMessage(watched, event);
}

void CSkinnedDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (paintedSkin.IsNull())
        painter.drawPixmap(rect(), skin);
    else
        paintedSkin.Paint(painter, event->rect());
}

void CSkinnedDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (IsWayland()) {
            // A Wayland client cannot place its own window; the compositor moves it instead.
            windowHandle()->startSystemMove();
        } else {
            dragOffset = event->position().toPoint();
            SetTimer(TIMER_DRAG, TIMER_DRAG_PERIOD_MS);
        }
    }
    QDialog::mousePressEvent(event);
}

void CSkinnedDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        KillTimer(TIMER_DRAG);
    QDialog::mouseReleaseEvent(event);
}

void CSkinnedDialog::timerEvent(QTimerEvent* event)
{
    for (const auto& [timerId, timer] : timers) {
        if (timer.timerId() == event->timerId()) {
            OnTimer(timerId);
            return;
        }
    }
    QDialog::timerEvent(event);
}

void CSkinnedDialog::WatchEvents(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        WatchEvents(child);
}

CBitmapButton* CSkinnedDialog::CaptionButton(int id) const
{
    for (std::size_t i = 0; i < captionButtons.size(); ++i) {
        if (frame.captionButtons[i].id == id)
            return captionButtons[i];
    }
    return nullptr;
}
