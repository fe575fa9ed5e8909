#include "bus/TransmitterBusObject.h"

#include "bus/BusHearingCheck.h"
#include "bus/BusNames.h"
#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/Properties.h"
#include "web/WebControl.h"

#include <algorithm>
#include <cstdio>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

namespace {

const char* const signalsXml = R"xml(<signal name="Level"><arg name="peakDbfs" type="d"/></signal>
)xml";

QString argumentXml(const char* name, const char* type, const char* direction)
{
    return *type == '\0' ? QString()
                         : QStringLiteral("<arg name=\"%1\" type=\"%2\" direction=\"%3\"/>")
                               .arg(QLatin1String(name), QLatin1String(type), QLatin1String(direction));
}

QDBusMessage invalidArgs(const QDBusMessage& message, const QString& text)
{
    return message.createErrorReply(QDBusError::InvalidArgs, text);
}

} // namespace

const TransmitterBusObject::Method TransmitterBusObject::methods[] = {
    {"StepUp", "", "", "", "", false, &TransmitterBusObject::stepUp},
    {"StepDown", "", "", "", "", false, &TransmitterBusObject::stepDown},
    {"Show", "", "", "", "", false, &TransmitterBusObject::showWindow},
    {"AddFavourite", "u", "kHz", "", "", false, &TransmitterBusObject::addFavourite},
    {"RemoveFavourite", "u", "kHz", "", "", false, &TransmitterBusObject::removeFavourite},
    {"RenewWebToken", "", "", "", "", true, &TransmitterBusObject::renewWebToken},
    {"Check", "", "", "a(sss)", "links", false, &TransmitterBusObject::check},
    {"WatchLevel", "", "", "", "", false, &TransmitterBusObject::watchLevel},
    {"UnwatchLevel", "", "", "", "", false, &TransmitterBusObject::unwatchLevel},
};

QString TransmitterBusObject::interfaceXml()
{
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(BusNames::interface);
    for (const Property::Row* row : Property::all)
        xml += QStringLiteral("<property name=\"%1\" type=\"%2\" access=\"%3\"/>\n")
                   .arg(Property::Name(*row), QLatin1String(row->busType),
                        row->changedBy & Property::Bus ? QLatin1String("readwrite") : QLatin1String("read"));
    for (const Method& method : methods) {
        const QString arguments =
            argumentXml(method.inName, method.in, "in") + argumentXml(method.outName, method.out, "out");
        xml += arguments.isEmpty() ? QStringLiteral("<method name=\"%1\"/>\n").arg(QLatin1String(method.name))
                                   : QStringLiteral("<method name=\"%1\">%2</method>\n")
                                         .arg(QLatin1String(method.name), arguments);
    }
    return xml + QLatin1String(signalsXml) + QLatin1String("</interface>\n");
}

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
        std::fprintf(stderr, "tessaly: no session bus, no scripted control: %s\n",
                     qPrintable(bus.lastError().message()));
        return false;
    }
    if (!bus.registerVirtualObject(BusNames::objectPath, this)) {
        std::fprintf(stderr, "tessaly: could not export %s on the session bus\n",
                     qPrintable(BusNames::objectPath));
        return false;
    }
    registered = true;
    levelWatch.SetConnection(bus);
    // In the name's queue behind a process that holds it: the name comes to this copy once it is freed.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(BusNames::service, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        std::fprintf(stderr, "tessaly: could not take the bus name %s: %s\n", qPrintable(BusNames::service),
                     qPrintable(reply.error().message()));
        return false;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceQueued)
        std::fprintf(stderr,
                     "tessaly: the bus name %s belongs to another process: waiting until it is free\n",
                     qPrintable(BusNames::service));
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
    std::optional<QDBusMessage> reply;
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

std::optional<QDBusMessage> TransmitterBusObject::methodCall(const QDBusMessage& message,
                                                             const QDBusConnection& connection)
{
    const QString member = message.member();
    const auto named = [&member, this](const Method& method) {
        return member == QLatin1String(method.name) && (!method.needsWeb || web);
    };
    const Method* method = std::find_if(std::begin(methods), std::end(methods), named);
    if (method == std::end(methods)) {
        // Introspection and Peer calls without an interface are Qt's.
        if (message.interface().isEmpty())
            return QDBusMessage();
        return message.createErrorReply(
            QDBusError::UnknownMethod, QStringLiteral("no method %1 in %2").arg(member, BusNames::interface));
    }
    if (message.signature() != QLatin1String(method->in))
        return invalidArgs(message, *method->in == '\0' ? member + QStringLiteral(" takes no arguments")
                                                        : QStringLiteral("%1 takes %2 (%3)")
                                                              .arg(member, QLatin1String(method->inName),
                                                                   QLatin1String(method->in)));
    return (this->*method->handle)(message, connection);
}

QDBusMessage TransmitterBusObject::stepped(const QDBusMessage& message, bool done)
{
    if (!done)
        return message.createErrorReply(BusNames::offAirError,
                                        QStringLiteral("off air: the frequency steps only on air"));
    return message.createReply();
}

std::optional<QDBusMessage> TransmitterBusObject::stepUp(const QDBusMessage& message, const QDBusConnection&)
{
    return stepped(message, core.StepFrequencyUp());
}

std::optional<QDBusMessage> TransmitterBusObject::stepDown(const QDBusMessage& message,
                                                           const QDBusConnection&)
{
    return stepped(message, core.StepFrequencyDown());
}

std::optional<QDBusMessage> TransmitterBusObject::showWindow(const QDBusMessage& message,
                                                             const QDBusConnection&)
{
    if (!show)
        return message.createErrorReply(
            BusNames::noWindowError,
            QStringLiteral("Tessaly runs without windows here (headless): there is no window to show"));
    show();
    return message.createReply();
}

std::optional<QDBusMessage> TransmitterBusObject::addFavourite(const QDBusMessage& message,
                                                               const QDBusConnection&)
{
    return favourite(message, true);
}

std::optional<QDBusMessage> TransmitterBusObject::removeFavourite(const QDBusMessage& message,
                                                                  const QDBusConnection&)
{
    return favourite(message, false);
}

std::optional<QDBusMessage> TransmitterBusObject::renewWebToken(const QDBusMessage& message,
                                                                const QDBusConnection&)
{
    const QString failure = web->RenewToken();
    return failure.isEmpty() ? message.createReply() : message.createErrorReply(QDBusError::Failed, failure);
}

std::optional<QDBusMessage> TransmitterBusObject::check(const QDBusMessage& message,
                                                        const QDBusConnection& connection)
{
    AnswerHearingCheck(hearingCheck, message, connection);
    return std::nullopt;
}

std::optional<QDBusMessage> TransmitterBusObject::watchLevel(const QDBusMessage& message,
                                                             const QDBusConnection&)
{
    return levelWatch.Watch(message);
}

std::optional<QDBusMessage> TransmitterBusObject::unwatchLevel(const QDBusMessage& message,
                                                               const QDBusConnection&)
{
    return levelWatch.Unwatch(message);
}

QDBusMessage TransmitterBusObject::favourite(const QDBusMessage& message, bool adding)
{
    const uint kHz = message.arguments().value(0).toUInt();
    const auto frequency = std::int32_t(std::min(kHz, 10000000u) / 10);
    const bool whole = kHz % 10 == 0;
    QString notStored;
    const FavouriteAnswer answer =
        adding ? (whole ? core.AddFavourite(frequency, &notStored) : FavouriteAnswer::Refused)
               : (whole ? core.RemoveFavourite(frequency, &notStored) : FavouriteAnswer::NotFavourite);
    switch (answer) {
    case FavouriteAnswer::Done:
        return message.createReply();
    case FavouriteAnswer::Refused:
        return invalidArgs(message,
                           QStringLiteral("a favourite is in kHz inside the band in use, %1 MHz, in steps "
                                          "of 50 kHz")
                               .arg(core.Properties().value(Property::Name(Property::Band)).toString()));
    case FavouriteAnswer::Full:
        return message.createErrorReply(
            BusNames::favouritesFullError,
            QStringLiteral("there are %1 favourites already").arg(FavouritesMaximum));
    case FavouriteAnswer::NotFavourite:
        return message.createErrorReply(BusNames::notFavouriteError,
                                        QStringLiteral("%1 kHz is not a favourite").arg(kHz));
    case FavouriteAnswer::NotStored:
        break;
    }
    return message.createErrorReply(QDBusError::Failed, notStored);
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
