#include "service/HeadlessRun.h"

#include "bus/TransmitterBusObject.h"
#include "core/TransmitterCore.h"
#include "service/SessionEndSignals.h"
#include "service/SingleInstanceLock.h"
#include "service/SoundRoutingLink.h"
#include "service/WebLink.h"

#include <cstdio>
#include <QEventLoop>

int RunHeadless(bool switchWebOn)
{
    if (!AcquireSingleInstanceLock()) {
        std::fputs("tessaly: already running\n", stderr);
        return 0;
    }
    SessionEndSignals sessionEnd;
    TransmitterCore core;
    // With no window to show it in, the failure goes where a service's messages go.
    QObject::connect(&core, &TransmitterCore::writeFailed,
                     [] { std::fputs("tessaly: USB Data Write Error!\n", stderr); });
    core.LoadState();
    if (!core.OpenDeviceLink())
        std::fputs("tessaly: libHIDApi.so could not be loaded: running without the transmitter\n", stderr);
    SoundRoutingLink sound(core);
    WebLink web(core, &sound.Routing());
    TransmitterBusObject busObject(core, {}, &sound.Routing(), &web.Control());
    busObject.Register();
    sound.Start();
    web.Start(switchWebOn);

    QEventLoop run;
    QObject::connect(&sessionEnd, &SessionEndSignals::sessionEnding, &run, &QEventLoop::quit);
    run.exec();
    core.CloseDeviceLink();
    sound.Routing().Finish();
    return 0;
}
