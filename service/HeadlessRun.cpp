#include "service/HeadlessRun.h"

#include "service/Session.h"

#include <cstdio>
#include <QEventLoop>

int RunHeadless(bool switchWebOn)
{
    Session session;
    if (!session.AcquireLock()) {
        std::fputs("tessaly: already running\n", stderr);
        return 0;
    }
    // With no window to show it in, the failure goes where a service's messages go.
    QObject::connect(&session.Core(), &TransmitterCore::writeFailed,
                     [] { std::fputs("tessaly: USB Data Write Error!\n", stderr); });
    session.StartTransmitter();
    session.StartServices({}, switchWebOn);

    QEventLoop run;
    QObject::connect(&session, &Session::ending, &run, &QEventLoop::quit);
    run.exec();
    session.Stop();
    return 0;
}
