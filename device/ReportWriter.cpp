#include "device/ReportWriter.h"

#include "device/DeviceLog.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool WriteReport(int fd, const ReportBytes& report)
{
    ssize_t written;
    do {
        written = ::write(fd, report.data(), report.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(report.size()))
        return true;
    qCDebug(deviceLog, "a report was not written: %s",
            written < 0 ? std::strerror(errno) : "the transmitter took part of it");
    return false;
}
