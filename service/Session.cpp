#include "service/Session.h"

#include "bus/BusNames.h"
#include "bus/TransmitterBusObject.h"
#include "service/ServiceLog.h"
#include "service/SessionBusProbe.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

Session::Session(QObject* parent)
    : QObject(parent), core(&exitHooks), sound(core), hearing(core, &sound.Routing()),
      web(core, &sound.Routing(), &hearing)
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

SingleInstanceLock Session::AcquireLock()
{
    return AcquireSingleInstanceLock();
}

bool Session::ClaimBusName()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus->registerService(BusNames::service, QDBusConnectionInterface::DontQueueService,
                             QDBusConnectionInterface::DontAllowReplacement);
    return !reply.isValid() || reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool Session::StartTransmitter(HotplugWatcher* watcher)
{
    core.LoadState();
    const bool libraryLoaded = core.OpenDeviceLink(watcher);
    if (!libraryLoaded)
        qCWarning(serviceLog, "%s",
                  qUtf8Printable(tr("libHIDApi.so could not be loaded: running without the transmitter")));
    return libraryLoaded;
}

void Session::KeepOnAirAtStart()
{
    core.LoadState();
    if (const QString notStored = core.SetOnAirAtStart(true); !notStored.isEmpty())
        //: %1 says that going on air at start was not stored, and why
        qCWarning(serviceLog, "%s", qUtf8Printable(tr("%1; the option stays off").arg(notStored)));
}

void Session::StartServices(std::function<void()> show, bool switchWebOn)
{
    if (bus || stopped)
        return;
    bus = std::make_unique<TransmitterBusObject>(core, std::move(show), &sound.Routing(), &web.Control());
    bus->SetHearingCheck(hearing.Runner());
    if (!SessionBusSetAside() && bus->Register()) {
        // The session this run belongs to is over when its bus goes: end as at a logout.
        QDBusConnection::sessionBus().connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                                              QStringLiteral("org.freedesktop.DBus.Local"),
                                              QStringLiteral("Disconnected"), this, SIGNAL(ending()));
    }
    sound.Start();
    web.Start(switchWebOn);
    // A run ended by exit() (the display lost) gives the sound back before the transmitter goes off air.
    soundExitHookKey = exitHooks.Arm([this] { sound.Routing().Finish(); });
    sleepWatcher.Start();
}

void Session::Stop()
{
    if (stopped)
        return;
    stopped = true;
    exitHooks.Disarm(soundExitHookKey);
    if (bus)
        bus->Unregister();
    web.Control().Finish();
    sound.Routing().Finish();
    core.CloseDeviceLink();
}
