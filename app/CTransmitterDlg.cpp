#include "app/CTransmitterDlg.h"

#include "state/SettingsFile.h"

#include <QKeyEvent>

CTransmitterDlg::CTransmitterDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
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
    setFixedSize(475, 298);

    transmitterState.onAir = false;
    transmitterState.muted = false;
    transmitterState.retunePending = true;
    LoadSettings();

    setWindowTitle(QStringLiteral("Tessaly"));
    return false;
}

void CTransmitterDlg::DestroyWindow()
{
    if (tornDown)
        return;
    tornDown = true;
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
