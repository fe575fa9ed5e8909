#include "service/WriteErrorLog.h"

#include "service/ServiceLog.h"

#include <QLocale>

WriteErrorLog::WriteErrorLog(QObject* parent) : QObject(parent)
{
    minute.setInterval(60'000);
    connect(&minute, &QTimer::timeout, this, &WriteErrorLog::summarise);
}

void WriteErrorLog::WriteFailed()
{
    if (minute.isActive()) {
        ++unreported;
        return;
    }
    qCWarning(serviceLog, "%s", qUtf8Printable(tr("USB Data Write Error!")));
    minute.start();
}

void WriteErrorLog::summarise()
{
    if (unreported == 0) {
        minute.stop();
        return;
    }
    qCWarning(
        serviceLog, "%s",
        qUtf8Printable(
            tr("USB Data Write Error! (%1 more in the last minute)").arg(QLocale().toString(unreported))));
    unreported = 0;
}
