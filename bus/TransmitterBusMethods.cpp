// The bus object's methods: the one table both its introspection and its dispatch are made from, and the
// handlers it names.
#include "bus/BusFavourites.h"
#include "bus/BusHearingCheck.h"
#include "bus/BusNames.h"
#include "bus/TransmitterBusObject.h"
#include "core/TransmitterCore.h"
#include "state/Properties.h"
#include "web/WebControl.h"

#include <algorithm>

namespace {

QDBusMessage invalidArgs(const QDBusMessage& message, const QString& text)
{
    return message.createErrorReply(QDBusError::InvalidArgs, text);
}

const char* const signalsXml = R"xml(<signal name="Level"><arg name="peakDbfs" type="d"/></signal>
)xml";

QString argumentXml(const char* name, const char* type, const char* direction)
{
    return *type == '\0' ? QString()
                         : QStringLiteral("<arg name=\"%1\" type=\"%2\" direction=\"%3\"/>")
                               .arg(QLatin1String(name), QLatin1String(type), QLatin1String(direction));
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
    return AnswerFavourite(core, message, true);
}

std::optional<QDBusMessage> TransmitterBusObject::removeFavourite(const QDBusMessage& message,
                                                                  const QDBusConnection&)
{
    return AnswerFavourite(core, message, false);
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
