#include "bus/TransmitterBusObject.h"

#include "bus/BusLog.h"
#include "bus/BusNames.h"
#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "web/WebControl.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

TransmitterBusObject::TransmitterBusObject(TransmitterCore& core, std::function<void()> show,
                                           SoundRouting* soundRouting, WebControl* web, QObject* parent)
    : QDBusVirtualObject(parent), core(core), show(std::move(show)), soundRouting(soundRouting), web(web),
      busProperties(core, soundRouting, web), announced(busProperties.All())
{
    connect(&core, &TransmitterCore::changed, this, &TransmitterBusObject::announceChanges);
    connect(&core, &TransmitterCore::reportsDone, this, &TransmitterBusObject::onReportsDone);
    if (soundRouting) {
        connect(soundRouting, &SoundRouting::enabledChanged, this, &TransmitterBusObject::announceChanges);
        connect(soundRouting, &SoundRouting::stateChanged, this, &TransmitterBusObject::announceChanges);
    }
    if (web)
        connect(web, &WebControl::changed, this, &TransmitterBusObject::announceChanges);
    if (soundRouting)
        connect(soundRouting, &SoundRouting::levelChanged, this, &TransmitterBusObject::sendLevel);
}

bool TransmitterBusObject::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(
            busLog, "%s",
            qUtf8Printable(tr("no session bus, no scripted control: %1").arg(bus.lastError().message())));
        return false;
    }
    if (!bus.registerVirtualObject(BusNames::objectPath, this)) {
        qCWarning(busLog, "%s",
                  qUtf8Printable(tr("could not export %1 on the session bus").arg(BusNames::objectPath)));
        return false;
    }
    registered = true;
    levelWatch.SetConnection(bus);
    // In the name's queue behind a process that holds it: the name comes to this copy once it is freed.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(BusNames::service, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        qCWarning(
            busLog, "%s",
            qUtf8Printable(
                tr("could not take the bus name %1: %2").arg(BusNames::service, reply.error().message())));
        return false;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceQueued)
        qCWarning(busLog, "%s",
                  qUtf8Printable(tr("the bus name %1 belongs to another process: waiting until it is free")
                                     .arg(BusNames::service)));
    else
        qCDebug(busLog, "on the session bus as %s", qUtf8Printable(BusNames::service));
    return true;
}

void TransmitterBusObject::Unregister()
{
    if (!registered)
        return;
    registered = false;
    levelWatch.DropAll();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(BusNames::service);
    bus.unregisterObject(BusNames::objectPath);
    // The run ends before the transmitter answered: whether it took the change is not known.
    for (const PendingAnswer& pending : pendingAnswers)
        pending.connection.send(pending.call.createErrorReply(
            QDBusError::Failed, QStringLiteral("Tessaly ended before the transmitter took the change")));
    pendingAnswers.clear();
}

void TransmitterBusObject::onReportsDone(const std::vector<std::uint64_t>& tickets, bool written)
{
    for (auto it = pendingAnswers.begin(); it != pendingAnswers.end();) {
        for (const std::uint64_t ticket : tickets)
            it->failed |= it->outstanding.erase(ticket) > 0 && !written;
        if (!it->outstanding.empty()) {
            ++it;
            continue;
        }
        answer(*it);
        it = pendingAnswers.erase(it);
    }
}

void TransmitterBusObject::answer(const PendingAnswer& pending)
{
    pending.connection.send(
        pending.failed ? pending.call.createErrorReply(BusNames::writeFailedError,
                                                       // The name says that it was not taken; this says why.
                                                       QStringLiteral("its report could not be written"))
                       : pending.call.createReply());
}

QString TransmitterBusObject::introspect(const QString&) const
{
    return interfaceXml();
}

bool TransmitterBusObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const std::uint64_t ticketBefore = core.LastTicket();
    std::optional<QDBusMessage> reply = QDBusMessage(); // invalid: not ours
    if (message.interface() == BusNames::properties)
        reply = busProperties.Call(message);
    else if (message.interface() == BusNames::interface || message.interface().isEmpty())
        reply = methodCall(message, connection);
    if (!reply) // answered by its handler
        return true;
    // Introspection and Peer calls are Qt's.
    if (reply->type() == QDBusMessage::InvalidMessage)
        return false;
    const std::uint64_t ticketAfter = core.LastTicket();
    if (reply->type() != QDBusMessage::ReplyMessage || ticketAfter == ticketBefore) {
        connection.send(*reply);
        return true;
    }
    PendingAnswer pending{connection, message, {}, false};
    for (std::uint64_t ticket = ticketBefore + 1; ticket <= ticketAfter; ++ticket)
        pending.outstanding.insert(ticket);
    pendingAnswers.push_back(std::move(pending));
    return true;
}

void TransmitterBusObject::announceChanges()
{
    const QVariantMap current = busProperties.All();
    QVariantMap changed;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        if (announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    announced = current;
    if (changed.isEmpty() || !registered)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(BusNames::objectPath, BusNames::properties,
                                                     QStringLiteral("PropertiesChanged"));
    signal << BusNames::interface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void TransmitterBusObject::sendLevel(double peakDbfs)
{
    if (!registered || !levelWatch.IsWatched())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(BusNames::objectPath, BusNames::interface, QStringLiteral("Level"));
    signal << peakDbfs;
    QDBusConnection::sessionBus().send(signal);
}
