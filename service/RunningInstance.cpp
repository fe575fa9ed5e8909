#include "service/RunningInstance.h"

#include "bus/BusNames.h"
#include "service/ServiceLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

int HandOverToRunningInstance(bool background)
{
    if (background) {
        qCInfo(serviceLog, "%s",
               qUtf8Printable(QCoreApplication::translate("RunningInstance", "already running")));
        return 0;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                       BusNames::interface, QStringLiteral("Show"));
    // The running copy owns the name; never start another one through activation.
    call.setAutoStartService(false);
    constexpr int timeoutMs = 5000;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        qCInfo(serviceLog, "%s",
               qUtf8Printable(
                   QCoreApplication::translate("RunningInstance", "already running: its window was raised")));
    else if (reply.errorName() == BusNames::noWindowError)
        qCInfo(serviceLog, "%s",
               qUtf8Printable(QCoreApplication::translate("RunningInstance",
                                                          "already running headless: use tessalyctl")));
    else
        qCWarning(serviceLog, "%s",
                  qUtf8Printable(QCoreApplication::translate(
                                     "RunningInstance", "already running; its window could not be raised: %1")
                                     .arg(reply.errorMessage())));
    return 0;
}
