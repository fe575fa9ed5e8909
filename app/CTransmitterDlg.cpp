#include "app/CTransmitterDlg.h"

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
    return false;
}

void CTransmitterDlg::DestroyWindow()
{
    if (tornDown)
        return;
    tornDown = true;
    titleFont = QFont();
    SaveSettings();
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
