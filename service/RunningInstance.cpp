#include "service/RunningInstance.h"

#include "bus/BusNames.h"
#include "service/ServiceLog.h"

#include <QDBusConnection>
#include <QDBusMessage>

int HandOverToRunningInstance(bool background)
{
    if (background) {
        qCInfo(serviceLog, "already running");
        return 0;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                       BusNames::interface, QStringLiteral("Show"));
    // The running copy owns the name; never start another one through activation.
    call.setAutoStartService(false);
    constexpr int timeoutMs = 5000;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        qCInfo(serviceLog, "already running: its window was raised");
    else if (reply.errorName() == BusNames::noWindowError)
        qCInfo(serviceLog, "already running headless: use tessalyctl");
    else
        qCWarning(serviceLog, "already running; its window could not be raised: %s",
                  qUtf8Printable(reply.errorMessage()));
    return 0;
}
