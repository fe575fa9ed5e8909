#include "service/SessionBusProbe.h"

#include "service/ServiceLog.h"

#include <condition_variable>
#include <dbus/dbus.h>
#include <memory>
#include <mutex>
#include <QByteArray>
#include <QtGlobal>
#include <thread>

namespace {

// An address no client can use: Qt then knows at once that there is no bus.
constexpr char setAsideAddress[] = "disabled:";

struct Probe
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

// On a thread of its own, which a daemon that never answers keeps for the rest of the process.
void AskForFirstAnswer(const std::shared_ptr<Probe>& probe, const QByteArray& address)
{
    BusAnswers(address);
    const std::lock_guard lock(probe->mutex);
    probe->done = true;
    probe->finished.notify_all();
}

} // namespace

bool BusAnswers(const QByteArray& address)
{
    DBusError error;
    dbus_error_init(&error);
    bool answered = false;
    if (DBusConnection* connection = dbus_connection_open_private(address.constData(), &error)) {
        answered = dbus_bus_register(connection, &error);
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
    dbus_error_free(&error);
    return answered;
}

bool KeepSessionBusIfItAnswers(std::chrono::milliseconds limit)
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty() || SessionBusSetAside())
        return !SessionBusSetAside();
    auto probe = std::make_shared<Probe>();
    std::thread(AskForFirstAnswer, probe, address).detach();
    std::unique_lock lock(probe->mutex);
    if (probe->finished.wait_for(lock, limit, [&] { return probe->done; }))
        return true;
    qCWarning(serviceLog,
              "the session bus does not answer: running without it (no tessalyctl, no bus tray icon)");
    qputenv("DBUS_SESSION_BUS_ADDRESS", setAsideAddress);
    return false;
}

bool SessionBusSetAside()
{
    return qgetenv("DBUS_SESSION_BUS_ADDRESS") == setAsideAddress;
}
