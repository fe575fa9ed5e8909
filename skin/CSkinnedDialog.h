#pragma once

#include "skin/IndexedSkin.h"
#include "skin/SkinFrameValues.h"

#include <array>
#include <map>
#include <QBasicTimer>
#include <QDialog>
#include <QPixmap>

class CBitmapButton;
class QLabel;

// Window timer that moves a window along with the pointer while its body is dragged.
inline constexpr int TIMER_DRAG = 1;
inline constexpr int TIMER_DRAG_PERIOD_MS = 10;

// A borderless dialog that is one skin picture: the skin's key-coloured pixels are cut away, the body
// drags the window, and it carries the emblem, the title and three caption buttons.
// The derived window calls the set-up steps from its OnInitDialog in its own order.
class CSkinnedDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CSkinnedDialog(const SkinFrameValues& frame, QWidget* parent = nullptr);

    // Sizes the window to its skin and places it: the main window in the middle of the primary screen, the
    // settings window over its owner, inside the owner screen's work area.
    void SizeToSkin();
    // Takes the skin's key-coloured pixels out of the window (input shape and drawing alike). Follows
    // SizeToSkin, whose picture it reuses.
    void MakeKeyColourTransparent();
    // Gives the title its picture (its text drawn in the title face at build time) and moves it to its
    // place.
    void SetUpTitle();
    void PlaceEmblem();
    // Images, size and tooltips of the caption buttons.
    void SetUpCaptionButtons();
    // Moves the caption buttons to their places, all with the size of the window's sizing button.
    void PlaceCaptionButtons();

    // Gives the focus to the first control that Tab reaches, without showing it (FocusRing.h).
    void FocusFirstTabStop();

    // Runs until the window is finished (accept, reject, done) and returns its result. Hiding does not end
    // it, so the window can go to the tray and come back with show() or showNormal(). Not exec(): it ends
    // at any hiding (on newer Qt even at QWidget::setVisible), and an application-modal window would block
    // the tray icon's own window. Showing the window is the caller's.
    int Run();

    // Window timers by ID: starting a running timer restarts it. Ticks arrive in OnTimer.
    void SetTimer(int timerId, int periodMs);
    void KillTimer(int timerId);
    bool IsTimerActive(int timerId) const;

protected:
    // Sees every event bound for the window or any of its children (present or added later) before it is
    // delivered. Return true to swallow the event.
    virtual bool PreTranslateMessage(QObject* receiver, QEvent* event);
    // One tick of the window timer timerId. The base moves the window for TIMER_DRAG; derived windows
    // handle their own timers and pass the rest on.
    virtual void OnTimer(int timerId);
    // The minimize caption button: hides the window unless a derived window knows better.
    virtual void OnMinimize();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    CBitmapButton* CaptionButton(int id) const;

    // Client point where the left button last went down on the body.
    QPoint dragOffset;

private:
    void WatchEvents(QObject* object);

    const SkinFrameValues frame;
    // The skin as decoded, until MakeKeyColourTransparent keeps it as the window paints it from then on.
    QPixmap skin;
    IndexedSkin paintedSkin;
    QLabel* emblem;
    QLabel* title;
    std::array<CBitmapButton*, 3> captionButtons{};
    std::map<int, QBasicTimer> timers;
};
