#pragma once

#include <functional>
#include <QObject>

class CTrayIcon;
class HearingRun;
class QAction;
class QString;
class QWidget;
class SoundRouting;
class TransmitterCore;

// The tray icon's tip for the transmitter's state: "Tessaly — on air, 88.10 MHz", "Tessaly — off air",
// "Tessaly — muted", "Tessaly — no transmitter" or "Tessaly — no permission for the transmitter"; on air,
// ", nothing playing" is added when the hearing check's first broken link is that nothing plays.
QString TrayToolTip(const TransmitterCore& core, bool nothingPlaying = false);

// The tray icon as a second face of the main window: its picture and tip follow the core's changes, its
// menu goes on or off air and mutes through the core, shows the window and quits as the window has it
// done; and it passes on what the program tells without a box.
class TrayControl final : public QObject
{
    Q_OBJECT

public:
    // What the menu asks of the window.
    struct WindowActions
    {
        std::function<void()> show; // wherever the window is: hidden, minimised, covered
        std::function<void()> quit; // as the close button does
    };

    // window: the main window, the parent of a note where no tray shows messages.
    TrayControl(TransmitterCore& core, CTrayIcon& trayIcon, QWidget& window, WindowActions actions);

    // A message balloon from the tray icon where a tray shows it, else a note over the window that waits
    // for nobody.
    void Tell(const QString& text);
    // From now on the tip also says when nothing is playing, following the sound's changes.
    void FollowHearing(SoundRouting& routing, HearingRun& hearing);

private:
    void showState();
    // The menu's items, made when it is first about to show: a run that never opens it never pays for them.
    void fillMenu();
    void showMenuState();

    TransmitterCore& core;
    CTrayIcon& trayIcon;
    QWidget& window;
    WindowActions actions;
    HearingRun* hearing = nullptr;
    QAction* onAir = nullptr;
    QAction* mute = nullptr;
};
