#include "service/RunningInstance.h"

#include "bus/BusNames.h"

#include <cstdio>
#include <QDBusConnection>
#include <QDBusMessage>

int HandOverToRunningInstance(bool background)
{
    if (background) {
        std::fputs("tessaly: already running\n", stderr);
        return 0;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                       BusNames::interface, QStringLiteral("Show"));
    // The running copy owns the name; never start another one through activation.
    call.setAutoStartService(false);
    constexpr int timeoutMs = 5000;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        std::fputs("tessaly: already running: its window was raised\n", stderr);
    else if (reply.errorName() == BusNames::noWindowError)
        std::fputs("tessaly: already running headless: use tessalyctl\n", stderr);
    else
        std::fprintf(stderr, "tessaly: already running; its window could not be raised: %s\n",
                     qPrintable(reply.errorMessage()));
    return 0;
}
