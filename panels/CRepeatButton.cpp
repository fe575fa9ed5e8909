#include "panels/CRepeatButton.h"

#include "skin/CBitmapButton.h"
#include "skin/CSkinnedDialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace {

constexpr int firstRepeatMs = 500;
constexpr int repeatMs = 100;
// How long a Space release waits for the press of the same instant that would make it a key repeat.
constexpr int releaseConfirmMs = 50;

} // namespace

CRepeatButton::CRepeatButton(CSkinnedDialog* window, CBitmapButton* button, const ButtonLook& look,
                             int timerId, TransmitterCore& core, Step step)
    : window(window), button(button), look(look), timerId(timerId), core(core), step(step)
{
    // An assistive tool's press is a click: one step, no repeat.
    connect(button, &CBitmapButton::pressActionRun, this, &CRepeatButton::TakeStep);
}

void CRepeatButton::TakeStep()
{
    if (!core.State().onAir)
        return;
    engaged = true;
    (core.*step)();
}

void CRepeatButton::Handle(QObject* receiver, const QEvent* event)
{
    const auto isLeftButtonOnThis = [&] {
        return receiver == button && static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (isLeftButtonOnThis())
            onPress();
        break;
    case QEvent::MouseButtonRelease:
        if (isLeftButtonOnThis())
            onRelease();
        break;
    case QEvent::MouseButtonDblClick:
        if (isLeftButtonOnThis())
            onDoubleClick();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        onSpace(receiver, static_cast<const QKeyEvent*>(event));
        break;
    case QEvent::FocusOut:
        // The button no longer looks held once the focus has left it.
        if (spaceHeld && receiver == button)
            endSpaceHold();
        break;
    default:
        break;
    }
}

bool CRepeatButton::LeaveCheck(const QPoint& globalPosition)
{
    if (!engaged || QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(globalPosition))
        return false;
    StopTimer();
    engaged = false;
    button->LoadBitmaps(look.normal, look.normal);
    return true;
}

void CRepeatButton::StopTimer()
{
    window->KillTimer(timerId);
}

void CRepeatButton::EndRepeat()
{
    endSpaceHold();
    StopTimer();
    engaged = false;
    button->setDown(false);
    button->LoadBitmaps(look.normal, look.pressed);
}

bool CRepeatButton::OnTimer(int tickingTimerId)
{
    if (tickingTimerId != timerId)
        return false;
    // Stopped before the step and restarted after it, so a step that blocks never lets ticks pile up.
    StopTimer();
    if (!(spaceReleasedAt && spaceHeld))
        stepAndRepeat(repeatMs);
    return true;
}

void CRepeatButton::stepAndRepeat(int delayMs)
{
    TakeStep();
    // The step may have ended the repeat (its report failed and the message took the input away).
    if (engaged && core.State().onAir)
        window->SetTimer(timerId, delayMs);
}

void CRepeatButton::onPress()
{
    if (!core.State().onAir)
        return;
    stepAndRepeat(firstRepeatMs);
    button->LoadBitmaps(look.normal, look.pressed);
}

void CRepeatButton::onRelease()
{
    StopTimer();
    button->LoadBitmaps(look.normal, look.pressed);
}

void CRepeatButton::onDoubleClick()
{
    // The second press of a double-click: one step and one repeat start, never also the plain press.
    button->LoadBitmaps(look.pressed, look.pressed);
    stepAndRepeat(firstRepeatMs);
}

// Space holds the focused button as the left mouse button does, and the button's own timer repeats the step;
// the keyboard's repeats neither step nor restart that timer. Releasing Space ends the hold wherever the
// focus went meanwhile.
//
// An X server repeats a held key as a release and a press of the same instant, and Qt marks the pair as a
// repeat only when both have arrived by the time it handles the release. So a release ends the hold only
// once no press of its instant has followed within releaseConfirmMs; a repeat step falling due meanwhile
// waits for that answer.
void CRepeatButton::onSpace(QObject* receiver, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat())
        return;
    if (event->type() == QEvent::KeyRelease) {
        if (!spaceHeld)
            return;
        spaceReleasedAt = event->timestamp();
        QTimer::singleShot(releaseConfirmMs, this, [this, releasedAt = event->timestamp()] {
            if (spaceReleasedAt == releasedAt)
                endSpaceHold();
        });
        return;
    }
    if (spaceHeld && receiver == button && spaceReleasedAt == event->timestamp()) {
        spaceReleasedAt.reset();
        resumeSpaceHold();
        return;
    }
    endSpaceHold();
    if (receiver == button) {
        spaceHeld = true;
        onPress();
    }
}

void CRepeatButton::resumeSpaceHold()
{
    if (!window->IsTimerActive(timerId))
        stepAndRepeat(repeatMs);
}

void CRepeatButton::endSpaceHold()
{
    spaceReleasedAt.reset();
    if (std::exchange(spaceHeld, false))
        onRelease();
}
