#include "service/Session.h"

#include "bus/TransmitterBusObject.h"
#include "service/SingleInstanceLock.h"

#include <cstdio>

Session::Session(QObject* parent) : QObject(parent), sound(core), web(core, &sound.Routing())
{
    connect(&endSignals, &SessionEndSignals::sessionEnding, this, &Session::ending);
}

Session::~Session()
{
    Stop();
}

bool Session::AcquireLock()
{
    return AcquireSingleInstanceLock();
}

void Session::StartTransmitter(HotplugWatcher* watcher)
{
    core.LoadState();
    if (!core.OpenDeviceLink(watcher))
        std::fputs("tessaly: libHIDApi.so could not be loaded: running without the transmitter\n", stderr);
}

void Session::StartServices(std::function<void()> show, bool switchWebOn)
{
    if (bus || stopped)
        return;
    bus = std::make_unique<TransmitterBusObject>(core, std::move(show), &sound.Routing(), &web.Control());
    bus->Register();
    sound.Start();
    web.Start(switchWebOn);
}

void Session::Stop()
{
    if (stopped)
        return;
    stopped = true;
    if (bus)
        bus->Unregister();
    web.Control().Finish();
    sound.Routing().Finish();
    core.CloseDeviceLink();
}
