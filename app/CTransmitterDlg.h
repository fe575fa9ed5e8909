#pragma once

#include "skin/CSkinnedDialog.h"

// The main window: brings every part up in one fixed order and takes them down in another.
class CTransmitterDlg final : public CSkinnedDialog
{
    Q_OBJECT

public:
    explicit CTransmitterDlg(QWidget* parent = nullptr);
    ~CTransmitterDlg() override;

    // Initialises, runs the modal loop, then tears down. Returns the modal result.
    int DoModal();

    // Returns true when the companion library was loaded.
    bool OnInitDialog();
    // Teardown; runs once however the modal run ended.
    void DestroyWindow();
    void OnOK();

    // The Stop/Play action: flips onAir and sends the TuneReport that carries it.
    void ToggleOnAir();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool tornDown = false;
};
