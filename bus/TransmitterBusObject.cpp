#include "bus/TransmitterBusObject.h"

#include "bus/BusHearingCheck.h"
#include "bus/BusLog.h"
#include "bus/BusNames.h"
#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "web/WebControl.h"

#include <algorithm>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

namespace {

const char* const methodsXml = R"xml(<method name="StepUp"/>
<method name="StepDown"/>
<method name="Show"/>
<method name="AddFavourite"><arg name="kHz" type="u" direction="in"/></method>
<method name="RemoveFavourite"><arg name="kHz" type="u" direction="in"/></method>
<method name="RenewWebToken"/>
<method name="Check"><arg name="links" type="a(sss)" direction="out"/></method>
<method name="WatchLevel"/>
<method name="UnwatchLevel"/>
<signal name="Level"><arg name="peakDbfs" type="d"/></signal>
)xml";

QString InterfaceXml()
{
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(BusNames::interface);
    for (const Property::Row* row : Property::all)
        xml += QStringLiteral("<property name=\"%1\" type=\"%2\" access=\"%3\"/>\n")
                   .arg(Property::Name(*row), QLatin1String(row->busType),
                        row->changedBy & Property::Bus ? QLatin1String("readwrite") : QLatin1String("read"));
    return xml + QLatin1String(methodsXml) + QLatin1String("</interface>\n");
}

// What a property of that row takes, for a value of another type.
QString TypeRefusal(const Property::Row& row)
{
    const QString name = Property::Name(row);
    if (row.busType == QLatin1String("b"))
        return name + QStringLiteral(" takes a boolean");
    if (row.busType == QLatin1String("s"))
        return name + QStringLiteral(" takes a string");
    if (row.lowest < row.highest)
        return name +
               QStringLiteral(" takes an unsigned integer from %1 to %2").arg(row.lowest).arg(row.highest);
    return name + QStringLiteral(" takes an unsigned integer");
}

bool HasBusType(const QVariant& value, const Property::Row& row)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return row.busType == QLatin1String("b");
    case QMetaType::UInt:
        return row.busType == QLatin1String("u");
    case QMetaType::QString:
        return row.busType == QLatin1String("s");
    default:
        return false;
    }
}

QDBusMessage invalidArgs(const QDBusMessage& message, const QString& text)
{
    return message.createErrorReply(QDBusError::InvalidArgs, text);
}

} // namespace

TransmitterBusObject::TransmitterBusObject(TransmitterCore& core, std::function<void()> show,
                                           SoundRouting* soundRouting, WebControl* web, QObject* parent)
    : QDBusVirtualObject(parent), core(core), show(std::move(show)), soundRouting(soundRouting), web(web),
      announced(properties())
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

QVariantMap TransmitterBusObject::properties() const
{
    QVariantMap all = core.Properties();
    if (soundRouting)
        all.insert(soundRouting->Properties());
    if (web) {
        all.insert(Property::Name(Property::WebControl), web->IsServed());
        all.insert(Property::Name(Property::WebAddress), web->Address());
        all.insert(Property::Name(Property::WebNetwork), web->IsNetworkAllowed());
        all.insert(Property::Name(Property::WebPort), uint(web->Port()));
    }
    return all;
}

QDBusMessage TransmitterBusObject::writeProperty(const QDBusMessage& message, const QString& name,
                                                 const QVariant& value)
{
    const Property::Row* row = Property::Find(name);
    if (!row || !properties().contains(name))
        return invalidArgs(message, QStringLiteral("no property %1").arg(name));
    if (!(row->changedBy & Property::Bus))
        return invalidArgs(message, name + QStringLiteral(" is read-only"));
    if (!HasBusType(value, *row))
        return invalidArgs(message, TypeRefusal(*row));
    if (row == &Property::WebControl || row == &Property::WebNetwork || row == &Property::WebPort)
        return writeWebProperty(message, *row, value);
    // A choice that could not be kept is the program's failure, not a bad value.
    if (row == &Property::OnAirAtStart || row == &Property::StartAtLogin) {
        const QString notStored = row == &Property::OnAirAtStart ? core.SetOnAirAtStart(value.toBool())
                                                                 : core.SetStartAtLogin(value.toBool());
        return notStored.isEmpty() ? message.createReply()
                                   : message.createErrorReply(QDBusError::Failed, notStored);
    }
    if (row != &Property::SoundRouting) {
        const QString refusal = core.WriteProperty(name, value);
        return refusal.isEmpty() ? message.createReply() : invalidArgs(message, refusal);
    }
    const QString failure = soundRouting->SetEnabled(value.toBool());
    return failure.isEmpty() ? message.createReply() : message.createErrorReply(QDBusError::Failed, failure);
}

QDBusMessage TransmitterBusObject::writeWebProperty(const QDBusMessage& message, const Property::Row& row,
                                                    const QVariant& value)
{
    QString problem;
    if (&row == &Property::WebPort) {
        if (value.toUInt() < Property::WebPort.lowest || value.toUInt() > Property::WebPort.highest)
            return invalidArgs(message, TypeRefusal(row));
        problem = web->SetPort(quint16(value.toUInt()));
    } else {
        problem = &row == &Property::WebControl ? web->SetServed(value.toBool())
                                                : web->SetNetworkAllowed(value.toBool());
    }
    return problem.isEmpty() ? message.createReply()
                             : message.createErrorReply(BusNames::webUnavailableError, problem);
}

bool TransmitterBusObject::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(busLog, "no session bus, no scripted control: %s",
                  qUtf8Printable(bus.lastError().message()));
        return false;
    }
    if (!bus.registerVirtualObject(BusNames::objectPath, this)) {
        qCWarning(busLog, "could not export %s on the session bus", qUtf8Printable(BusNames::objectPath));
        return false;
    }
    registered = true;
    levelWatch.SetConnection(bus);
    // In the name's queue behind a process that holds it: the name comes to this copy once it is freed.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(BusNames::service, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        qCWarning(busLog, "could not take the bus name %s: %s", qUtf8Printable(BusNames::service),
                  qUtf8Printable(reply.error().message()));
        return false;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceQueued)
        qCWarning(busLog, "the bus name %s belongs to another process: waiting until it is free",
                  qUtf8Printable(BusNames::service));
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
    return InterfaceXml();
}

bool TransmitterBusObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (message.member() == QLatin1String("Check") &&
        (message.interface() == BusNames::interface || message.interface().isEmpty())) {
        AnswerHearingCheck(hearingCheck, message, connection);
        return true;
    }
    const std::uint64_t ticketBefore = core.LastTicket();
    QDBusMessage reply;
    if (message.interface() == BusNames::properties)
        reply = propertiesCall(message);
    else if (message.interface() == BusNames::interface || message.interface().isEmpty())
        reply = interfaceCall(message);
    // Introspection and Peer calls are Qt's.
    if (reply.type() == QDBusMessage::InvalidMessage)
        return false;
    const std::uint64_t ticketAfter = core.LastTicket();
    if (reply.type() != QDBusMessage::ReplyMessage || ticketAfter == ticketBefore) {
        connection.send(reply);
        return true;
    }
    PendingAnswer pending{connection, message, {}, false};
    for (std::uint64_t ticket = ticketBefore + 1; ticket <= ticketAfter; ++ticket)
        pending.outstanding.insert(ticket);
    pendingAnswers.push_back(std::move(pending));
    return true;
}

QDBusMessage TransmitterBusObject::interfaceCall(const QDBusMessage& message)
{
    const QString member = message.member();
    if (member == QLatin1String("AddFavourite") || member == QLatin1String("RemoveFavourite"))
        return favouriteCall(message);
    if (member == QLatin1String("WatchLevel") || member == QLatin1String("UnwatchLevel"))
        return levelWatch.Call(message);
    if (member != QLatin1String("StepUp") && member != QLatin1String("StepDown") &&
        member != QLatin1String("Show") && (member != QLatin1String("RenewWebToken") || !web)) {
        // Introspection and Peer calls without an interface are Qt's.
        if (message.interface().isEmpty())
            return {};
        return message.createErrorReply(
            QDBusError::UnknownMethod, QStringLiteral("no method %1 in %2").arg(member, BusNames::interface));
    }
    if (!message.arguments().isEmpty())
        return invalidArgs(message, member + QStringLiteral(" takes no arguments"));
    if (member == QLatin1String("RenewWebToken")) {
        const QString failure = web->RenewToken();
        return failure.isEmpty() ? message.createReply()
                                 : message.createErrorReply(QDBusError::Failed, failure);
    }
    if (member == QLatin1String("Show")) {
        if (!show)
            return message.createErrorReply(
                BusNames::noWindowError,
                QStringLiteral("Tessaly runs without windows here (headless): there is no window to show"));
        show();
        return message.createReply();
    }
    const bool stepped =
        member == QLatin1String("StepUp") ? core.StepFrequencyUp() : core.StepFrequencyDown();
    if (!stepped)
        return message.createErrorReply(BusNames::offAirError,
                                        QStringLiteral("off air: the frequency steps only on air"));
    return message.createReply();
}

QDBusMessage TransmitterBusObject::favouriteCall(const QDBusMessage& message)
{
    const bool adding = message.member() == QLatin1String("AddFavourite");
    const QList<QVariant> arguments = message.arguments();
    const QVariant kHz = arguments.value(0);
    if (arguments.size() != 1 || kHz.metaType().id() != QMetaType::UInt)
        return invalidArgs(message, message.member() + QStringLiteral(" takes one frequency in kHz (u)"));
    const Frequency frequency = Frequency::FromKilohertz(kHz.toUInt());
    const bool whole = frequency.InWholeUnits();
    QString notStored;
    const FavouriteAnswer answer =
        adding
            ? (whole ? core.AddFavourite(frequency.Units(), &notStored) : FavouriteAnswer::Refused)
            : (whole ? core.RemoveFavourite(frequency.Units(), &notStored) : FavouriteAnswer::NotFavourite);
    switch (answer) {
    case FavouriteAnswer::Done:
        return message.createReply();
    case FavouriteAnswer::Refused: {
        const QVariantMap current = core.Properties();
        return invalidArgs(message,
                           QStringLiteral("a favourite is in kHz inside the band in use, %1 MHz, in steps "
                                          "of 50 kHz")
                               .arg(current.value(Property::Name(Property::Band)).toString()));
    }
    case FavouriteAnswer::Full:
        return message.createErrorReply(
            BusNames::favouritesFullError,
            QStringLiteral("there are %1 favourites already").arg(FavouritesMaximum));
    case FavouriteAnswer::NotFavourite:
        return message.createErrorReply(BusNames::notFavouriteError,
                                        QStringLiteral("%1 kHz is not a favourite").arg(kHz.toUInt()));
    case FavouriteAnswer::NotStored:
        break;
    }
    return message.createErrorReply(QDBusError::Failed, notStored);
}

QDBusMessage TransmitterBusObject::propertiesCall(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    const QString member = message.member();
    const QString interface = arguments.value(0).toString();
    if (!arguments.isEmpty() && interface != BusNames::interface && !interface.isEmpty())
        return invalidArgs(message, QStringLiteral("no interface %1 here").arg(interface));
    const QVariantMap current = properties();
    if (member == QLatin1String("GetAll") && arguments.size() == 1)
        return message.createReply(QVariant::fromValue(current));
    const QString name = arguments.value(1).toString();
    if (member == QLatin1String("Get") && arguments.size() == 2) {
        if (!current.contains(name))
            return invalidArgs(message, QStringLiteral("no property %1").arg(name));
        return message.createReply(QVariant::fromValue(QDBusVariant(current.value(name))));
    }
    if (member == QLatin1String("Set") && arguments.size() == 3) {
        if (!current.contains(name))
            return invalidArgs(message, QStringLiteral("no property %1").arg(name));
        return writeProperty(message, name, arguments[2].value<QDBusVariant>().variant());
    }
    return invalidArgs(message, QStringLiteral("%1 does not take these arguments").arg(member));
}

void TransmitterBusObject::announceChanges()
{
    const QVariantMap current = properties();
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
