#include "bus/BusHearingCheck.h"

#include <QDBusArgument>
#include <QDBusMetaType>

Q_DECLARE_METATYPE(CheckedLink)

// Found by the bus's marshalling through CheckedLink's namespace.
static QDBusArgument& operator<<(QDBusArgument& argument, const CheckedLink& checked)
{
    argument.beginStructure();
    argument << checked.link << checked.verdict << checked.text;
    argument.endStructure();
    return argument;
}

static const QDBusArgument& operator>>(const QDBusArgument& argument, CheckedLink& checked)
{
    argument.beginStructure();
    argument >> checked.link >> checked.verdict >> checked.text;
    argument.endStructure();
    return argument;
}

void AnswerHearingCheck(const HearingRunner& check, const QDBusMessage& message,
                        const QDBusConnection& connection)
{
    if (!message.arguments().isEmpty()) {
        connection.send(message.createErrorReply(QDBusError::InvalidArgs,
                                                 message.member() + QStringLiteral(" takes no arguments")));
        return;
    }
    if (!check) {
        connection.send(message.createErrorReply(QDBusError::NotSupported,
                                                 QStringLiteral("this copy of Tessaly cannot check")));
        return;
    }
    // Registered again at each call, which Qt allows: no start-up work for a run nobody checks.
    qDBusRegisterMetaType<CheckedLink>();
    qDBusRegisterMetaType<QList<CheckedLink>>();
    check(HearingFace::CommandLine, HearingMeasureMs,
          [connection, message](const std::vector<LinkResult>& links) {
              QList<CheckedLink> list;
              for (const LinkResult& link : links)
                  list.append({LinkName(link.link), VerdictName(link.verdict), link.text});
              connection.send(message.createReply(QVariant::fromValue(list)));
          });
}
