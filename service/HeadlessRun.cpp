#include "service/HeadlessRun.h"

#include "service/Session.h"
#include "service/StartOptions.h"

#include <cstdio>
#include <QEventLoop>

int RunHeadless(const StartOptions& options)
{
    Session session;
    if (!session.AcquireLock()) {
        std::fputs("tessaly: already running\n", stderr);
        return 0;
    }
    // With no window to show it in, the failure goes where a service's messages go.
    QObject::connect(&session.Core(), &TransmitterCore::writeFailed,
                     [] { std::fputs("tessaly: USB Data Write Error!\n", stderr); });
    if (options.onAirAtStart)
        session.KeepOnAirAtStart();
    session.StartTransmitter();
    session.StartServices({});

    QEventLoop run;
    QObject::connect(&session, &Session::ending, &run, &QEventLoop::quit);
    run.exec();
    session.Stop();
    return 0;
}
