#include "ctl/BusRefusal.h"
#include "ctl/CtlClient.h"
#include "ctl/CtlCommand.h"
#include "ctl/CtlLog.h"
#include "ctl/Watchdog.h"
#include "state/Translations.h"

#include <cstdio>
#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>

int main(int argc, char* argv[])
{
    // Its refusals read "tessalyctl: …", one line each; QT_LOGGING_RULES may add the details.
    qSetMessagePattern(QStringLiteral("tessalyctl: %{if-debug}%{category}: %{endif}%{message}"));
    QCoreApplication application(argc, argv);
    Translations::Install(application);
    QCoreApplication::setApplicationName(QStringLiteral("tessalyctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));

    const CtlCommand command = CtlCommand::parse(QCoreApplication::arguments());
    switch (command.action) {
    case CtlCommand::Action::Help:
        std::fputs(qUtf8Printable(command.helpText), stdout);
        return int(CtlExit::Done);
    case CtlCommand::Action::Version:
        std::printf("tessalyctl %s\n", TESSALY_VERSION);
        return int(CtlExit::Done);
    case CtlCommand::Action::Usage:
        qCWarning(ctlLog, "%s", qUtf8Printable(command.error));
        return int(CtlExit::Usage);
    default:
        break;
    }
    // Qt D-Bus hands a failed call's answer over from its own thread; registered here first, these types
    // are never met half made there (QTBUG-108822), which printed a stray warning now and then.
    qRegisterMetaType<QDBusMessage>();
    qRegisterMetaType<QDBusError>();
    const QDeadlineTimer deadline(command.timeoutMs);
    const QDBusConnection bus = [&] {
        const Watchdog connecting(
            std::chrono::steady_clock::now() + std::chrono::milliseconds(command.timeoutMs),
            QByteArrayLiteral("tessalyctl: ") + busSilentMessage(command.timeoutMs).toUtf8() + '\n',
            command.unreachableExit());
        return QDBusConnection::sessionBus();
    }();
    return int(runOnBus(command, bus, deadline));
}
