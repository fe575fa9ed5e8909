#pragma once

#include "core/TransmitterCore.h"
#include "panels/ButtonHover.h"
#include "panels/CRepeatButton.h"

#include <cstdint>
#include <QObject>

class CBitmapButton;
class CFrequencyReadout;
class CSkinSlider;
class CSkinnedDialog;
class CTypedEntry;
class QEvent;
class QLabel;

// Main window timers of the press-and-hold repeat; timer 1 is the frame's drag timer.
inline constexpr int TIMER_STEP_UP = 2;
inline constexpr int TIMER_STEP_DOWN = 3;

// The working surface of the main window: Stop/Play, Mute, Frequency down and up with press-and-hold
// repeat, Set, the PA-VALUE slider, the idle picture and the frequency read-out. It turns presses, holds,
// double-clicks and slider moves into the transmitter core's operations, repaints from the core's changes
// whoever made them, and gives the buttons their hover look.
class CMainPanel final : public QObject
{
    Q_OBJECT

public:
    // Creates the panel's controls as children of the main window.
    CMainPanel(CSkinnedDialog* window, TransmitterCore& core);

    // Panel set-up, in the order the window's initialisation calls the steps.
    // Everything that loads a picture or that assistive tools follow is set here, not at construction: the
    // first such change wakes the accessibility bridge, which asks the session bus, and the window is
    // built before the transmitter is set up.
    void SetUpSliderAndReadout(); // engaged flags, PA-VALUE slider from paLevel, the read-out's pictures
    void PlaceIdlePicture();
    void RegisterSliderTip();
    void SetUpButtons(); // empties the hover record, gives the five buttons images, tips, names and sizes
    void PlaceButtons();

    void ToggleOnAir();
    void ToggleMute();
    void StepFrequencyUp();
    void StepFrequencyDown();
    void OpenSettings();
    int OnPaLevelChanged(int controlId);

    // Hover, leave check and the frequency buttons' press and release by the mouse or Space, before
    // normal delivery.
    void PreTranslateMessage(QObject* receiver, QEvent* event);
    // A key typed into the window's frequency entry; true when the entry took it and nothing else may.
    bool TakeTypedKey(QObject* receiver, QEvent* event);
    // A tick of TIMER_STEP_UP or TIMER_STEP_DOWN; false for any other timer.
    bool OnTimer(int timerId);
    // Ends a press-and-hold repeat as a release would, and clears both engaged flags.
    void EndRepeat();

    CFrequencyReadout& Readout() const { return *readout; }

private:
    CBitmapButton* createButton(int id);
    // Whether what the button switches is on: the transmitter on air, the sound muted.
    bool isOn(const QObject* button) const;
    void onPointerMove(QObject* receiver, const QPoint& globalPosition);
    // Passes an event on to the frequency buttons, the one it is for last: a Space hold of the other one
    // ends before its own begins.
    void passToFrequencyButtons(QObject* receiver, QEvent* event);
    // Brings the controls up to the state: only what changed, so a hover look stays where nothing moved.
    void onCoreChanged();
    void showToggle(CBitmapButton* button, bool on);
    // The idle picture stands for a transmitter off air; without one the read-out tells why.
    void showConnection();
    void leaveCheck(const QPoint& globalPosition);

    CSkinnedDialog* window;
    TransmitterCore& core;
    CBitmapButton* stopPlay;
    CBitmapButton* mute;
    CBitmapButton* frequencyDown;
    CBitmapButton* frequencyUp;
    CBitmapButton* set;
    CSkinSlider* paSlider;
    QLabel* idlePicture;
    CFrequencyReadout* readout;
    CTypedEntry* typedEntry;
    CRepeatButton frequencyDownRepeat;
    CRepeatButton frequencyUpRepeat;

    ButtonHover hover;
    // What the controls show, to tell which of them a change concerns.
    bool shownOnAir = false;
    bool shownMuted = false;
    std::int32_t shownFrequency = 0;
    TransmitterCore::ConnectionState shownConnection = TransmitterCore::ConnectionState::Connected;
    bool setUp = false; // changes repaint only once the set-up steps have given the controls their looks
};
