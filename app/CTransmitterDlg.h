#pragma once

#include "skin/CSkinnedDialog.h"

#include <functional>
#include <QPointer>

class QMessageBox;

class CHearingDlg;
class CMainPanel;
class HearingRun;
class CSystemMenu;
class CTrayIcon;
class SoundRouting;
class TransmitterCore;
class TrayControl;
class WebControl;

// The main window: brings every part up in one fixed order and takes them down in another.
class CTransmitterDlg final : public CSkinnedDialog
{
    Q_OBJECT

public:
    // Shows and acts through core, whose run the session starts and ends.
    explicit CTransmitterDlg(TransmitterCore& core, QWidget* parent = nullptr);
    ~CTransmitterDlg() override;

    // The run starts with the window hidden in the tray (minimised where no tray shows it).
    void SetStartHidden(bool hidden) { startHidden = hidden; }
    // What the teardown does once the window is hidden: the end of the run.
    void SetTeardown(std::function<void()> end) { teardown = std::move(end); }
    // Initialises, shows the window and runs until the window's run ends (closed, Escape, Enter, EndRun),
    // then tears down. Returns the result of the run.
    int DoModal();
    // Ends the run as the close button does, also while the settings window, the About box or a message is
    // open over the window: they are closed first.
    void EndRun();

    // Returns true when the companion library was loaded (the session started the transmitter before).
    bool OnInitDialog();
    // Teardown; runs once however the modal run ended.
    void DestroyWindow();
    void OnOK();

    // The Stop/Play action, also run when the device goes away while on air and at teardown.
    void ToggleOnAir();
    // Shows the window wherever it is (hidden in the tray, minimised, covered), as a tray click does.
    void BringBack();
    void OnSysCommand(int command);

    CMainPanel* Panel() const { return panel; }
    TransmitterCore& Core() const { return core; }
    CTrayIcon* TrayIcon() const { return trayIcon; }
    // The window menu, from OnInitDialog on.
    CSystemMenu* SystemMenu() const { return systemMenu; }
    // The checkable "Play sound through the transmitter" item below About, kept in step both ways; the
    // first search that ends without the transmitter's sound card is told once, without a box. The read-out
    // shows the sound's level while the window is on the screen and the sound routed.
    void AddSoundRoutingItem(SoundRouting& routing);
    // "Control from a phone…" below it, opening the web page's window.
    void AddWebControlItem(WebControl& web);
    // "Why can't I hear it?" below that, opening the hearing check's window, or raising it when open.
    void AddHearingCheckItem(SoundRouting& routing, HearingRun& hearing);
    // Says text once, from the tray icon or beside the window (TrayControl::Tell); nothing when empty.
    void Tell(const QString& text);

protected:
    bool PreTranslateMessage(QObject* receiver, QEvent* event) override;
    void OnTimer(int timerId) override;
    void OnMinimize() override;
    void keyPressEvent(QKeyEvent* event) override;
    // The first showing, also from the tray, tells what the start left out of Favourites.ini.
    void showEvent(QShowEvent* event) override;

private:
    // "USB Data Write Error!" while it is shown: one at a time.
    QPointer<QMessageBox> writeErrorMessage;
    QPointer<CHearingDlg> hearingWindow;
    // Null until built: the event hook already sees the events of its construction.
    CMainPanel* panel = nullptr;
    TransmitterCore& core;
    CSystemMenu* systemMenu = nullptr;
    CTrayIcon* trayIcon;
    TrayControl* trayControl = nullptr;
    std::function<void()> teardown;
    bool startHidden = false;
    bool tornDown = false;
    bool shownOnce = false;
};
