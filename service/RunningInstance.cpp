#include "service/RunningInstance.h"

#include "bus/BusNames.h"

#include <QDBusConnection>
#include <QDBusMessage>

bool ShowRunningInstance()
{
    QDBusMessage call = QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                       BusNames::interface, QStringLiteral("Show"));
    // The running copy owns the name; never start another one through activation.
    call.setAutoStartService(false);
    constexpr int timeoutMs = 5000;
    return QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs).type() ==
           QDBusMessage::ReplyMessage;
}
