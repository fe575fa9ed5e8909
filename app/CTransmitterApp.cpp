#include "app/CTransmitterApp.h"

#include "app/CTransmitterDlg.h"
#include "app/SingleInstanceLock.h"

bool CTransmitterApp::InitInstance()
{
    if (!AcquireSingleInstanceLock())
        return false;
    CTransmitterDlg dialog;
    dialog.DoModal();
    return false;
}
