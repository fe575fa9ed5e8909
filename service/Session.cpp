#include "service/Session.h"

#include "bus/TransmitterBusObject.h"
#include "service/SingleInstanceLock.h"

#include <cstdio>

Session::Session(QObject* parent) : QObject(parent), sound(core)
{
    connect(&endSignals, &SessionEndSignals::sessionEnding, this, &Session::ending);
    connect(&sleepWatcher, &SleepWatcher::wokeUp, this, [this] {
        core.ResendAll();
        sound.Routing().Recheck();
    });
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

void Session::KeepOnAirAtStart()
{
    core.LoadState();
    if (!core.SetOnAirAtStart(true))
        std::fputs("tessaly: --on-air-at-start could not be stored, the option stays off\n", stderr);
}

void Session::StartServices(std::function<void()> show)
{
    if (bus || stopped)
        return;
    bus = std::make_unique<TransmitterBusObject>(core, std::move(show), &sound.Routing());
    bus->Register();
    sound.Start();
    sleepWatcher.Start();
}

void Session::Stop()
{
    if (stopped)
        return;
    stopped = true;
    if (bus)
        bus->Unregister();
    sound.Routing().Finish();
    core.CloseDeviceLink();
}
