#include "service/SleepWatcher.h"

#include "service/SessionBusProbe.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QThread>

namespace {

const QString connectionName = QStringLiteral("tessaly-system-bus");

// False only when the system bus's socket is known not to be there: no thread is started for nothing then.
bool SystemBusMayExist()
{
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    const QLatin1String unixPath("unix:path=");
    if (address.isEmpty())
        return QFileInfo::exists(QStringLiteral("/run/dbus/system_bus_socket"));
    if (address.startsWith(unixPath) && !address.contains(QLatin1Char(',')))
        return QFileInfo::exists(address.mid(unixPath.size()));
    return true;
}

} // namespace

SleepWatcher::SleepWatcher(QObject* parent) : QObject(parent) {}

SleepWatcher::~SleepWatcher()
{
    // A bus that never answers keeps the thread waiting for the bus library's own time limit; the process
    // does not wait for it and ends it with its end.
    if (connecting && connecting->isFinished())
        delete connecting;
}

void SleepWatcher::Start()
{
    if (connecting || !SystemBusMayExist())
        return;
    // Qt's bus connections share one thread of Qt's: a system bus that never answers must not hold it, and
    // with it the session bus. libdbus asks first, on this thread alone.
    connecting = QThread::create([] {
        const QByteArray address = qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS")
                                       ? QByteArray("unix:path=/run/dbus/system_bus_socket")
                                       : qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        if (BusAnswers(address))
            QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName);
    });
    connect(connecting, &QThread::finished, this, &SleepWatcher::listen);
    connecting->start();
}

void SleepWatcher::listen()
{
    QDBusConnection bus(connectionName);
    if (!bus.isConnected())
        return;
    // No sender named: naming one makes Qt ask the bus for its owner and wait for the answer.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                SLOT(onPrepareForSleep(bool)));
}

void SleepWatcher::onPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit wokeUp();
}
