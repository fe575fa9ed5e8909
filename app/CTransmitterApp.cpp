#include "app/CTransmitterApp.h"

#include "app/CTransmitterDlg.h"
#include "app/SessionEndSignals.h"
#include "app/SingleInstanceLock.h"

#include <QApplication>

bool CTransmitterApp::InitInstance()
{
    if (!AcquireSingleInstanceLock())
        return false;
    // The process ends with the main window's run, not when its last visible window closes: closing a
    // message box while the main window waits hidden in the tray must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    SessionEndSignals sessionEnd;
    CTransmitterDlg dialog;
    QObject::connect(&sessionEnd, &SessionEndSignals::sessionEnding, &dialog, &CTransmitterDlg::EndRun);
    dialog.DoModal();
    return false;
}
