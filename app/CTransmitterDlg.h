#pragma once

#include "skin/CSkinnedDialog.h"

class CMainPanel;
class CSystemMenu;
class CTrayIcon;
class SoundRoutingLink;
class UdevHotplugWatcher;

// The main window: brings every part up in one fixed order and takes them down in another.
class CTransmitterDlg final : public CSkinnedDialog
{
    Q_OBJECT

public:
    explicit CTransmitterDlg(QWidget* parent = nullptr);
    ~CTransmitterDlg() override;

    // Initialises, shows the window and runs until the window's run ends (closed, Escape, Enter, EndRun),
    // then tears down. Returns the result of the run.
    int DoModal();
    // Ends the run as the close button does, also while the settings window, the About box or a message is
    // open over the window: they are closed first.
    void EndRun();

    // Returns true when the companion library was loaded.
    bool OnInitDialog();
    // Teardown; runs once however the modal run ended.
    void DestroyWindow();
    void OnOK();

    // The Stop/Play action, also run when the device goes away while on air and at teardown.
    void ToggleOnAir();
    void OnSysCommand(int command);

    CMainPanel* Panel() const { return panel; }
    CTrayIcon* TrayIcon() const { return trayIcon; }

protected:
    bool PreTranslateMessage(QObject* receiver, QEvent* event) override;
    void OnTimer(int timerId) override;
    void OnMinimize() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Loads the companion library, starts listening for hot-plug and opens the transmitter; returns
    // whether the library loaded.
    bool OpenDeviceLink();

    CMainPanel* panel = nullptr;
    CSystemMenu* systemMenu = nullptr;
    CTrayIcon* trayIcon;
    SoundRoutingLink* soundRouting = nullptr;
    bool tornDown = false;
};
