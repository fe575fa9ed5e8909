#pragma once

#include "app/CTransmitterDlg.h"
#include "service/Session.h"

// A run with its window as the program makes one: the session starts the transmitter, then the window is
// built on its core, and the window's teardown ends the session.
struct WindowRun
{
    WindowRun()
    {
        dialog.SetTeardown([this] { session.Stop(); });
    }

    Session session;
    bool libraryLoaded = session.StartTransmitter();
    CTransmitterDlg dialog{session.Core()};
};
