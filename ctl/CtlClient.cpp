#include "ctl/CtlClient.h"

#include "bus/BusNames.h"
#include "ctl/BusRefusal.h"
#include "ctl/CheckText.h"
#include "ctl/CtlLog.h"
#include "ctl/StatusText.h"
#include "ctl/ValueParsers.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/SoundStateValue.h"

#include <cstdio>
#include <optional>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

using Request = BusRefusal::Request;

void printError(const QString& message)
{
    qCWarning(ctlLog, "%s", qUtf8Printable(message));
}

void printLine(const QString& text)
{
    std::fprintf(stdout, "%s\n", qUtf8Printable(text));
}

// The bus hands an array such as Favourites over undecoded; scripts and the status text want a list.
QVariant decoded(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return value;
    QVariantList list;
    for (const uint element : qdbus_cast<QList<uint>>(value))
        list += element;
    return list;
}

// The command's requests to the program; each waits for what is left of the time limit. A failed one
// tells the user why and leaves the exit status in failure.
class Requests
{
public:
    Requests(const QDBusConnection& bus, const CtlCommand& command, QDeadlineTimer deadline)
        : bus(bus), command(command), deadline(deadline)
    {}

    CtlExit failure = CtlExit::Done;

    std::optional<QVariantMap> getAll()
    {
        const QDBusMessage reply =
            send(BusNames::properties, QStringLiteral("GetAll"), {BusNames::interface});
        if (!succeeded(reply, Request::Read, QString(), {}))
            return std::nullopt;
        QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        for (QVariant& value : properties)
            value = decoded(value);
        return properties;
    }

    std::optional<QVariant> get(const QString& property)
    {
        const QDBusMessage reply =
            send(BusNames::properties, QStringLiteral("Get"), {BusNames::interface, property});
        if (!succeeded(reply, Request::Read, property, {}))
            return std::nullopt;
        return decoded(qdbus_cast<QDBusVariant>(reply.arguments().value(0)).variant());
    }

    bool set(const QString& property, const QVariant& value)
    {
        const QDBusMessage reply =
            send(BusNames::properties, QStringLiteral("Set"),
                 {BusNames::interface, property, QVariant::fromValue(QDBusVariant(value))});
        return succeeded(reply, Request::Write, property, value);
    }

    bool call(const QString& method, const QVariant& argument)
    {
        const QDBusMessage reply =
            send(BusNames::interface, method, argument.isValid() ? QVariantList{argument} : QVariantList{});
        return succeeded(reply, Request::Call, method, argument);
    }

    // A refusal of the client's own, such as no favourite to tune to.
    bool refuse(const QString& message)
    {
        printError(message);
        failure = CtlExit::Refused;
        return false;
    }

    // A property's value when the program gives it at once, else an invalid QVariant; tells nobody.
    QVariant peek(const QString& property)
    {
        const QDBusMessage reply =
            send(BusNames::properties, QStringLiteral("Get"), {BusNames::interface, property});
        return reply.type() == QDBusMessage::ReplyMessage
                   ? qdbus_cast<QDBusVariant>(reply.arguments().value(0)).variant()
                   : QVariant();
    }

private:
    QDBusMessage send(const QString& interface, const QString& method, const QVariantList& arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath, interface, method);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, int(std::max<qint64>(1, deadline.remainingTime())));
    }

    bool succeeded(const QDBusMessage& reply, Request request, const QString& target, const QVariant& value)
    {
        if (reply.type() != QDBusMessage::ErrorMessage)
            return true;
        BusRefusal refusal{
            reply.errorName(), reply.errorMessage(), request, target, value, command.timeoutMs, {}};
        // Whether the property exists at all, and the band a frequency was judged against.
        if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.InvalidArgs")) {
            const QDBusMessage all =
                send(BusNames::properties, QStringLiteral("GetAll"), {BusNames::interface});
            if (all.type() == QDBusMessage::ReplyMessage)
                refusal.properties = qdbus_cast<QVariantMap>(all.arguments().value(0));
        }
        const CtlOutcome outcome = explain(refusal);
        printError(outcome.message);
        failure = outcome.exit;
        return false;
    }

    const QDBusConnection& bus;
    const CtlCommand& command;
    const QDeadlineTimer deadline;
};

bool status(Requests& requests, bool json)
{
    const std::optional<QVariantMap> properties = requests.getAll();
    if (!properties)
        return false;
    const QByteArray text = json ? statusJson(*properties) : statusText(*properties).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return true;
}

bool toggle(Requests& requests, const QString& property)
{
    const std::optional<QVariant> value = requests.get(property);
    return value && requests.set(property, !value->toBool());
}

bool callMethod(Requests& requests, const CtlCommand& command)
{
    QVariant argument = command.value;
    if (!argument.isValid() && command.method == QLatin1String("AddFavourite")) {
        const std::optional<QVariant> frequency = requests.get(Property::Name(Property::Frequency));
        if (!frequency)
            return false;
        argument = QVariant(frequency->toUInt());
    }
    if (!requests.call(command.method, argument))
        return false;
    // Such as the web page's new address after its token was renewed.
    if (!command.property.isEmpty()) {
        const std::optional<QVariant> after = requests.get(command.property);
        if (!after)
            return false;
        if (!after->toString().isEmpty())
            printLine(after->toString());
    }
    return true;
}

bool printWebAddress(Requests& requests)
{
    const std::optional<QVariant> address = requests.get(Property::Name(Property::WebAddress));
    if (!address)
        return false;
    if (address->toString().isEmpty())
        return requests.refuse(QCoreApplication::translate(
            "CtlClient", "the web page is not served; 'tessalyctl web on' serves it"));
    printLine(address->toString());
    return true;
}

bool listFavourites(Requests& requests)
{
    const std::optional<QVariant> favourites = requests.get(Property::Name(Property::Favourites));
    if (!favourites)
        return false;
    // One a line as scripts read them, with a decimal point whatever the language.
    for (const QVariant& kilohertz : favourites->toList())
        printLine(Frequency::FromKilohertz(kilohertz.toUInt()).MegahertzText());
    return true;
}

bool tuneFavourite(Requests& requests, bool upward)
{
    const std::optional<QVariant> favourites = requests.get(Property::Name(Property::Favourites));
    const std::optional<QVariant> frequency =
        favourites ? requests.get(Property::Name(Property::Frequency)) : std::nullopt;
    const std::optional<QVariant> band =
        frequency ? requests.get(Property::Name(Property::Band)) : std::nullopt;
    if (!band)
        return false;
    QList<uint> list;
    for (const QVariant& kilohertz : favourites->toList())
        list += kilohertz.toUInt();
    if (list.isEmpty())
        return requests.refuse(QCoreApplication::translate(
            "CtlClient", "there are no favourites; 'tessalyctl favourite add' adds one"));
    const bool lowBand = band->toString() == QLatin1String(LowBandName);
    const qint64 next = neighbourFavourite(list, frequency->toUInt(), upward, lowBand ? LowBand : WideBand);
    if (next < 0)
        return requests.refuse(QCoreApplication::translate("CtlClient", "no favourite in the band in use"));
    return requests.set(Property::Name(Property::Frequency), uint(next));
}

// The program's list of links, read from the bus's a(sss).
QList<CheckedLink> checkedLinks(const QDBusMessage& reply)
{
    QList<CheckedLink> links;
    const auto list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        CheckedLink link;
        list.beginStructure();
        list >> link.link >> link.verdict >> link.text;
        list.endStructure();
        links.append(link);
    }
    list.endArray();
    return links;
}

// The words of the check's first link, tessalyctl's own: in English for --json, which scripts read, else in
// the user's language; its seconds likewise.
struct LinkWords
{
    bool json;

    QString text(const char* source) const
    {
        return json ? QString::fromUtf8(source) : QCoreApplication::translate("CtlClient", source);
    }
    QString seconds(int milliseconds) const
    {
        return json ? QString::number(milliseconds / 1000.0) : secondsText(milliseconds);
    }
};

// Why the program could not be asked, as the check's first link says it.
QString unreachable(const QDBusMessage& reply, int timeoutMs, const LinkWords& words)
{
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return words.text(QT_TRANSLATE_NOOP("CtlClient",
                                            "Tessaly is not running: start it with 'tessaly', or "
                                            "'tessaly --headless' where there is no desktop"));
    if (error == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        error == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
        return words
            .text(QT_TRANSLATE_NOOP("CtlClient", "Tessaly did not answer within %1 s (see --timeout)"))
            .arg(words.seconds(timeoutMs));
    return words.text(QT_TRANSLATE_NOOP("CtlClient", "Tessaly could not check: %1"))
        .arg(reply.errorMessage());
}

// The hearing check: the program's links after tessalyctl's own, whether it answered. Never starts the
// program: a check looks, and a start would not end within its time.
CtlExit check(const CtlCommand& command, const QDBusConnection& bus, QDeadlineTimer deadline)
{
    QList<CheckedLink> links;
    const LinkWords words{command.json};
    if (!bus.isConnected()) {
        links += programLink(
            words
                .text(QT_TRANSLATE_NOOP("CtlClient",
                                        "no session bus to reach Tessaly on (%1): run this inside the "
                                        "desktop session, or start a bus and 'tessaly --headless' on it"))
                .arg(bus.lastError().message()));
    } else {
        QDBusMessage message = QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                              BusNames::interface, command.method);
        message.setAutoStartService(false);
        const QDBusMessage reply =
            bus.call(message, QDBus::Block, int(std::max<qint64>(1, deadline.remainingTime())));
        if (reply.type() == QDBusMessage::ReplyMessage)
            links = QList<CheckedLink>{programLink()} + checkedLinks(reply);
        else
            links += programLink(unreachable(reply, command.timeoutMs, words));
    }
    const QByteArray text = command.json ? checkJson(links) : checkText(links).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return allHold(links) ? CtlExit::Done : CtlExit::Refused;
}

} // namespace

CtlExit runOnBus(const CtlCommand& command, const QDBusConnection& bus, QDeadlineTimer deadline)
{
    if (command.action == CtlCommand::Action::Check)
        return check(command, bus, deadline);
    if (!bus.isConnected()) {
        printError(QCoreApplication::translate(
                       "CtlClient", "no session bus to reach Tessaly on (%1); run this inside the "
                                    "desktop session, or start a bus and 'tessaly --headless' on it")
                       .arg(bus.lastError().message()));
        return CtlExit::NotRunning;
    }
    Requests requests(bus, command, deadline);
    bool done = false;
    switch (command.action) {
    case CtlCommand::Action::Status:
        done = status(requests, command.json);
        break;
    case CtlCommand::Action::SetProperty:
        done = requests.set(command.property, command.value);
        break;
    case CtlCommand::Action::Toggle:
        done = toggle(requests, command.property);
        break;
    case CtlCommand::Action::Call:
        done = callMethod(requests, command);
        break;
    case CtlCommand::Action::Print:
        done = printWebAddress(requests);
        break;
    case CtlCommand::Action::ListFavourites:
        done = listFavourites(requests);
        break;
    case CtlCommand::Action::TuneFavourite:
        done = tuneFavourite(requests, command.upward);
        break;
    case CtlCommand::Action::Help:
    case CtlCommand::Action::Version:
    case CtlCommand::Action::Usage:
    case CtlCommand::Action::Check:
        return CtlExit::Usage;
    }
    if (!done)
        return requests.failure;
    if (command.reachesTransmitter() && requests.peek(Property::Name(Property::Connected)) == QVariant(false))
        printError(QCoreApplication::translate("CtlClient",
                                               "no transmitter is connected: the change is stored "
                                               "and goes out when one is plugged in"));
    // Routing waits for a sound server as a setting waits for a transmitter: kept, and said so.
    if (command.property == Property::Name(Property::SoundRouting) && command.value == QVariant(true) &&
        requests.peek(Property::Name(Property::SoundState)) ==
            QVariant(QString::fromLatin1(SoundStateValue::NoServer)))
        printError(QCoreApplication::translate(
            "CtlClient",
            "no sound server is running: the choice is stored and the sound is routed once one is"));
    return CtlExit::Done;
}
