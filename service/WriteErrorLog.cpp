#include "service/WriteErrorLog.h"

#include <cstdio>

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
    std::fputs("tessaly: USB Data Write Error!\n", stderr);
    minute.start();
}

void WriteErrorLog::summarise()
{
    if (unreported == 0) {
        minute.stop();
        return;
    }
    std::fprintf(stderr, "tessaly: USB Data Write Error! (%d more in the last minute)\n", unreported);
    unreported = 0;
}
