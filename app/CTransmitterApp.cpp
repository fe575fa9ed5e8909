#include "app/CTransmitterApp.h"

#include "app/CTransmitterDlg.h"
#include "app/UnattendedMenu.h"
#include "service/RunningInstance.h"
#include "service/Session.h"
#include "service/StartOptions.h"
#include "skin/CSystemMenu.h"

#include <QApplication>
#include <QTimer>

int CTransmitterApp::InitInstance(const StartOptions& options, SingleInstanceLock lock)
{
    if (lock == SingleInstanceLock::Unavailable && !Session::ClaimBusName())
        return HandOverToRunningInstance(options.background);
    Session session;
    // The process ends with the main window's run, not when its last visible window closes: closing a
    // message box while the main window waits hidden in the tray must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    if (options.onAirAtStart)
        session.KeepOnAirAtStart();
    // The transmitter gets its settings first: the window shows what it was told.
    session.StartTransmitter();
    CTransmitterDlg dialog(session.Core());
    dialog.SetStartHidden(options.background);
    // The window's teardown ends the session in its order, once the window is gone from the screen.
    dialog.SetTeardown([&session] { session.Stop(); });
    QObject::connect(&session, &Session::ending, &dialog, &CTransmitterDlg::EndRun);
    // Once the run has begun: the transmitter is set up and the window shown before the bus and the sound
    // server are reached.
    QTimer::singleShot(0, &session, [&] {
        session.StartServices([&dialog] { dialog.BringBack(); }, options.web);
        dialog.AddSoundRoutingItem(session.Sound());
        dialog.AddWebControlItem(session.Web());
        dialog.AddHearingCheckItem(session.Sound(), session.Hearing());
        AddUnattendedItems(*dialog.SystemMenu()->Menu(), session.Core(),
                           [&dialog](const QString& text) { dialog.Tell(text); });
    });
    dialog.DoModal();
    return 0;
}
