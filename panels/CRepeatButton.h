#pragma once

#include "core/TransmitterCore.h"
#include "panels/PanelButtonLooks.h"

#include <optional>
#include <QObject>

class CBitmapButton;
class CSkinnedDialog;
class QEvent;
class QKeyEvent;
class QPoint;

// A bitmap button that steps the transmitter on its press and, held down with the left mouse button or
// with Space, steps again after half a second and then ten times a second. The repeat runs on a window
// timer of its own; the window passes the button's events and that timer's ticks on.
class CRepeatButton final : public QObject
{
    Q_OBJECT

public:
    using Step = bool (TransmitterCore::*)();

    CRepeatButton(CSkinnedDialog* window, CBitmapButton* button, const ButtonLook& look, int timerId,
                  TransmitterCore& core, Step step);

    // One step, while on air; from then on the button counts as engaged until the pointer leaves it.
    void TakeStep();
    // Press, release and double-click with the left button, Space and the loss of focus; any receiver.
    void Handle(QObject* receiver, const QEvent* event);
    // A tick of the window timer timerId; false when it is not this button's.
    bool OnTimer(int timerId);
    // Ends the repeat as a release would, disengaged and in its plain look.
    void EndRepeat();

    bool IsEngaged() const { return engaged; }
    void Disengage() { engaged = false; }
    // While engaged, a pointer outside the button stops the repeat and leaves the plain look, pressed or
    // not; true when that happened.
    bool LeaveCheck(const QPoint& globalPosition);
    void StopTimer();

private:
    // One step, then the repeat timer at delayMs unless the step ended the repeat.
    void stepAndRepeat(int delayMs);
    void onPress();
    void onRelease();
    void onDoubleClick();
    void onSpace(QObject* receiver, const QKeyEvent* event);
    void resumeSpaceHold();
    void endSpaceHold();

    CSkinnedDialog* window;
    CBitmapButton* button;
    const ButtonLook look;
    const int timerId;
    TransmitterCore& core;
    const Step step;

    bool engaged = false;
    bool spaceHeld = false;
    std::optional<quint64> spaceReleasedAt; // a Space release not yet known to be a repeat
};
