#include "bus/BusProperties.h"

#include "bus/BusNames.h"
#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/PropertyValues.h"
#include "web/WebControl.h"

#include <QDBusVariant>

namespace {

QDBusMessage invalidArgs(const QDBusMessage& message, const QString& text)
{
    return message.createErrorReply(QDBusError::InvalidArgs, text);
}

// Empty: done; else the error named for what failed.
QDBusMessage answer(const QDBusMessage& message, const QString& problem, const QString& errorName)
{
    return problem.isEmpty() ? message.createReply() : message.createErrorReply(errorName, problem);
}

} // namespace

BusProperties::BusProperties(TransmitterCore& core, SoundRouting* soundRouting, WebControl* web)
    : core(core), soundRouting(soundRouting), web(web)
{}

QVariantMap BusProperties::All() const
{
    QVariantMap all = core.Properties();
    if (soundRouting)
        all.insert(soundRouting->Properties());
    if (web)
        all.insert(web->Properties());
    return all;
}

QDBusMessage BusProperties::Call(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    const QString member = message.member();
    const QString interface = arguments.value(0).toString();
    if (!arguments.isEmpty() && interface != BusNames::interface && !interface.isEmpty())
        return invalidArgs(message, QStringLiteral("no interface %1 here").arg(interface));
    const QVariantMap current = All();
    if (member == QLatin1String("GetAll") && arguments.size() == 1)
        return message.createReply(QVariant::fromValue(current));
    const QString name = arguments.value(1).toString();
    const bool get = member == QLatin1String("Get") && arguments.size() == 2;
    if (!get && (member != QLatin1String("Set") || arguments.size() != 3))
        return invalidArgs(message, QStringLiteral("%1 does not take these arguments").arg(member));
    const Property::Row* row = Property::Find(name);
    if (!row || !current.contains(name))
        return invalidArgs(message, Property::UnknownRefusal(name));
    if (get)
        return message.createReply(QVariant::fromValue(QDBusVariant(current.value(name))));
    return write(message, *row, arguments[2].value<QDBusVariant>().variant());
}

QDBusMessage BusProperties::write(const QDBusMessage& message, const Property::Row& row,
                                  const QVariant& value)
{
    if (!(row.changedBy & Property::Bus))
        return invalidArgs(message, Property::ReadOnlyRefusal(row));
    // The core judges its own rows, as it does the page's writes, with the band in use; the other
    // destinations take what the row takes.
    const bool judgedByCore = row.destination == Property::Destination::Core ||
                              row.destination == Property::Destination::CoreOption;
    if (!Property::HasBusType(value, row) || (!judgedByCore && !Property::Accepts(row, value)))
        return invalidArgs(message, Property::Refusal(row));
    switch (row.destination) {
    case Property::Destination::Core:
        return answer(message, core.WriteProperty(Property::Name(row), value),
                      QDBusError::errorString(QDBusError::InvalidArgs));
    case Property::Destination::CoreOption:
        return answer(message, core.WriteProperty(Property::Name(row), value),
                      QDBusError::errorString(QDBusError::Failed));
    case Property::Destination::Sound:
        return answer(message, soundRouting->StoreEnabled(value.toBool()).English(),
                      QDBusError::errorString(QDBusError::Failed));
    case Property::Destination::Web:
        return answer(message, web->WriteProperty(row, value), BusNames::webUnavailableError);
    case Property::Destination::PageLink:
        break;
    }
    return invalidArgs(message, Property::ReadOnlyRefusal(row));
}
