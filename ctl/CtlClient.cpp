#include "ctl/CtlClient.h"

#include "ctl/StatusText.h"

#include <cstdio>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.tessaly.Tessaly");
const QString objectPath = QStringLiteral("/org/tessaly/Tessaly");
const QString interfaceName = QStringLiteral("org.tessaly.Tessaly1");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

void printError(const QString& message)
{
    std::fprintf(stderr, "tessalyctl: %s\n", qUtf8Printable(message));
}

QDBusMessage call(const QDBusConnection& bus, const QString& interface, const QString& method,
                  const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, objectPath, interface, method);
    message.setArguments(arguments);
    return bus.call(message);
}

// Why a call failed, in the exit status scripts rely on.
CtlExit failure(const QDBusMessage& reply)
{
    const QString name = reply.errorName();
    // No owner, and the bus found no service file to start one from, or the start failed.
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn."))) {
        printError(QStringLiteral("Tessaly is not running and could not be started (%1); start it with "
                                  "'tessaly --background', or 'tessaly --headless' without a display")
                       .arg(reply.errorMessage()));
        return CtlExit::NotRunning;
    }
    printError(reply.errorMessage().isEmpty() ? name : reply.errorMessage());
    // The program checks what only it can judge, such as a frequency outside the band in use.
    return name == QLatin1String("org.freedesktop.DBus.Error.InvalidArgs") ? CtlExit::Usage
                                                                           : CtlExit::Refused;
}

QVariantMap allProperties(const QDBusMessage& reply)
{
    return qdbus_cast<QVariantMap>(reply.arguments().value(0));
}

CtlExit setProperty(const QDBusConnection& bus, const QString& property, const QVariant& value)
{
    const QDBusMessage reply = call(bus, propertiesInterface, QStringLiteral("Set"),
                                    {interfaceName, property, QVariant::fromValue(QDBusVariant(value))});
    if (reply.type() != QDBusMessage::ErrorMessage)
        return CtlExit::Done;
    if (reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.InvalidArgs"))
        return failure(reply);
    // A program without the property (one built without sound routing) refuses the write as it would a bad
    // value; that is not the user's mistake.
    const QDBusMessage all = call(bus, propertiesInterface, QStringLiteral("GetAll"), {interfaceName});
    if (all.type() == QDBusMessage::ReplyMessage && !allProperties(all).contains(property)) {
        printError(
            QStringLiteral("this Tessaly has no %1 property; it may be an older version").arg(property));
        return CtlExit::Refused;
    }
    return failure(reply);
}

CtlExit status(const QDBusConnection& bus, bool json)
{
    const QDBusMessage reply = call(bus, propertiesInterface, QStringLiteral("GetAll"), {interfaceName});
    if (reply.type() == QDBusMessage::ErrorMessage)
        return failure(reply);
    const QVariantMap properties = allProperties(reply);
    const QByteArray text = json ? statusJson(properties) : statusText(properties).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return CtlExit::Done;
}

CtlExit toggle(const QDBusConnection& bus, const QString& property)
{
    const QDBusMessage reply =
        call(bus, propertiesInterface, QStringLiteral("Get"), {interfaceName, property});
    if (reply.type() == QDBusMessage::ErrorMessage)
        return failure(reply);
    return setProperty(bus, property,
                       !qdbus_cast<QDBusVariant>(reply.arguments().value(0)).variant().toBool());
}

} // namespace

CtlExit runOnBus(const CtlCommand& command, const QDBusConnection& bus)
{
    if (!bus.isConnected()) {
        printError(
            QStringLiteral("no session bus to reach Tessaly on (%1); run this inside the desktop session, "
                           "or start a bus and 'tessaly --headless' on it")
                .arg(bus.lastError().message()));
        return CtlExit::NotRunning;
    }
    switch (command.action) {
    case CtlCommand::Action::Status:
        return status(bus, command.json);
    case CtlCommand::Action::SetProperty:
        return setProperty(bus, command.property, command.value);
    case CtlCommand::Action::Toggle:
        return toggle(bus, command.property);
    case CtlCommand::Action::Call: {
        const QDBusMessage reply = call(bus, interfaceName, command.method, {});
        return reply.type() == QDBusMessage::ErrorMessage ? failure(reply) : CtlExit::Done;
    }
    case CtlCommand::Action::Help:
    case CtlCommand::Action::Version:
    case CtlCommand::Action::Usage:
        break;
    }
    return CtlExit::Usage;
}
