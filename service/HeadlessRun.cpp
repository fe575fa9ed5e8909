#include "service/HeadlessRun.h"

#include "service/RunningInstance.h"
#include "service/Session.h"
#include "service/StartOptions.h"
#include "service/WriteErrorLog.h"
#include "state/Translations.h"

#include <QCoreApplication>
#include <QEventLoop>

int RunHeadless(int& argc, char* argv[], const StartOptions& options)
{
    QCoreApplication application(argc, argv);
    Translations::Install(application);
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    const SingleInstanceLock lock = Session::AcquireLock();
    if (lock == SingleInstanceLock::HeldByAnother ||
        (lock == SingleInstanceLock::Unavailable && !Session::ClaimBusName()))
        return HandOverToRunningInstance(true);
    Session session;
    // With no window to show it in, the failure goes where a service's messages go.
    WriteErrorLog writeErrors;
    QObject::connect(&session.Core(), &TransmitterCore::writeFailed, &writeErrors,
                     &WriteErrorLog::WriteFailed);
    if (options.onAirAtStart)
        session.KeepOnAirAtStart();
    session.StartTransmitter();
    session.StartServices({}, options.web);

    QEventLoop run;
    QObject::connect(&session, &Session::ending, &run, &QEventLoop::quit);
    run.exec();
    session.Stop();
    return 0;
}
