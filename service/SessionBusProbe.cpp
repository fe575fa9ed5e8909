#include "service/SessionBusProbe.h"

#include "service/ServiceLog.h"

#include <condition_variable>
#include <dbus/dbus.h>
#include <memory>
#include <mutex>
#include <QByteArray>
#include <QtGlobal>
#include <thread>

struct BusProbeState
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

namespace {

// An address no client can use: Qt then knows at once that there is no bus.
constexpr char setAsideAddress[] = "disabled:";

// On a thread of its own, which a daemon that never answers keeps for the rest of the process.
void AskForFirstAnswer(const std::shared_ptr<BusProbeState>& state, const QByteArray& address)
{
    BusAnswers(address);
    const std::lock_guard lock(state->mutex);
    state->done = true;
    state->finished.notify_all();
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

SessionBusProbe::SessionBusProbe(std::chrono::milliseconds limit)
    : deadline(std::chrono::steady_clock::now() + limit)
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty() || SessionBusSetAside())
        return;
    state = std::make_shared<BusProbeState>();
    std::thread(AskForFirstAnswer, state, address).detach();
}

bool SessionBusProbe::KeepBusIfItAnswers()
{
    if (!state)
        return !SessionBusSetAside();
    std::unique_lock lock(state->mutex);
    const bool answered = state->finished.wait_until(lock, deadline, [this] { return state->done; });
    lock.unlock();
    state.reset();
    if (answered) {
        qCDebug(serviceLog, "the session bus answered");
        return true;
    }
    // In English: said before any application object exists, so before any catalogue is loaded.
    qCWarning(serviceLog,
              "the session bus does not answer: running without it (no tessalyctl, no bus tray icon)");
    qputenv("DBUS_SESSION_BUS_ADDRESS", setAsideAddress);
    return false;
}

bool SessionBusSetAside()
{
    return qgetenv("DBUS_SESSION_BUS_ADDRESS") == setAsideAddress;
}
