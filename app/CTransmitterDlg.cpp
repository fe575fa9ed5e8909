#include "app/CTransmitterDlg.h"

#include "device/DeviceConnection.h"
#include "device/DeviceHandle.h"
#include "device/HidLibrary.h"
#include "device/HidNotification.h"
#include "device/SendReport.h"
#include "device/UdevHotplugWatcher.h"
#include "skin/CToolTipStyle.h"
#include "skin/TitleFont.h"
#include "state/SettingsFile.h"

#include <QKeyEvent>

CTransmitterDlg::CTransmitterDlg(QWidget* parent) : CSkinnedDialog(mainWindowFrame, parent)
{
    setObjectName(QStringLiteral("102"));
}

CTransmitterDlg::~CTransmitterDlg()
{
    DestroyWindow();
}

int CTransmitterDlg::DoModal()
{
    OnInitDialog();
    const int result = exec();
    DestroyWindow();
    return result;
}

bool CTransmitterDlg::OnInitDialog()
{
    SizeToSkin();
    MakeKeyColourTransparent();
    BuildFont(15, titleFont, QStringLiteral("楷体"));
    SetUpTitle();

    transmitterState.onAir = false;
    transmitterState.muted = false;
    transmitterState.retunePending = true;
    LoadSettings();

    PlaceEmblem();
    CToolTipStyle::Install();

    SetUpCaptionButtons();
    PlaceCaptionButtons();

    setWindowTitle(QStringLiteral("Tessaly"));

    hidLibrary.Load();
    deviceHandle = -1;
    if (!hidLibrary.IsLoaded())
        return false;
    // Listening starts before the first open, so a transmitter plugged in meanwhile is not missed.
    auto* deviceNotification = new UdevHotplugWatcher(this);
    OpenDevice();
    RegisterHidNotification(*deviceNotification, [this] { ToggleOnAir(); });
    return true;
}

void CTransmitterDlg::DestroyWindow()
{
    if (tornDown)
        return;
    tornDown = true;
    titleFont = QFont();
    SaveSettings();
    if (deviceHandle >= 0) {
        if (transmitterState.onAir)
            ToggleOnAir();
        CloseDevice([this] { ToggleOnAir(); });
    }
    hidLibrary.Release();
}

void CTransmitterDlg::ToggleOnAir()
{
    transmitterState.onAir = !transmitterState.onAir;
    SendReport(TuneReport);
}

void CTransmitterDlg::OnOK()
{
    accept();
}

void CTransmitterDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter ends the run as the dialog's OK command, even with no default push button to click.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}
