#include "service/WriteErrorLog.h"

#include "service/ServiceLog.h"

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
    qCWarning(serviceLog, "USB Data Write Error!");
    minute.start();
}

void WriteErrorLog::summarise()
{
    if (unreported == 0) {
        minute.stop();
        return;
    }
    qCWarning(serviceLog, "USB Data Write Error! (%d more in the last minute)", unreported);
    unreported = 0;
}
