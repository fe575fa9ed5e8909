#include "app/CTransmitterApp.h"

#include "app/CTransmitterDlg.h"
#include "bus/TransmitterBusObject.h"
#include "core/TransmitterCore.h"
#include "service/RunningInstance.h"
#include "service/SessionEndSignals.h"
#include "service/SingleInstanceLock.h"
#include "service/SoundRoutingLink.h"
#include "service/StartOptions.h"
#include "service/WebLink.h"

#include <QApplication>
#include <QTimer>

bool CTransmitterApp::InitInstance(const StartOptions& options)
{
    if (!AcquireSingleInstanceLock()) {
        // A plain second start brings the running window forward; a background start has nothing to show.
        if (!options.background)
            ShowRunningInstance();
        return false;
    }
    // The process ends with the main window's run, not when its last visible window closes: closing a
    // message box while the main window waits hidden in the tray must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    SessionEndSignals sessionEnd;
    TransmitterCore core;
    CTransmitterDlg dialog(&core);
    dialog.SetStartHidden(options.background);
    QObject::connect(&sessionEnd, &SessionEndSignals::sessionEnding, &dialog, &CTransmitterDlg::EndRun);
    SoundRoutingLink sound(core);
    WebLink web(core, &sound.Routing());
    TransmitterBusObject busObject(
        core, [&dialog] { dialog.BringBack(); }, &sound.Routing(), &web.Control());
    // Once the run has begun: the transmitter is set up and the window shown before the bus and the sound
    // server are reached.
    QTimer::singleShot(0, &busObject, [&] {
        busObject.Register();
        dialog.AddSoundRoutingItem(sound.Routing());
        dialog.AddWebControlItem(web.Control());
        sound.Start();
        web.Start(options.web);
    });
    dialog.DoModal();
    // The teardown closed the transmitter, which began giving the sound back; it gets its second.
    sound.Routing().Finish();
    return false;
}
