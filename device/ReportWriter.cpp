#include "device/ReportWriter.h"

#include <cerrno>
#include <unistd.h>

bool WriteReport(int fd, const ReportBytes& report)
{
    ssize_t written;
    do {
        written = ::write(fd, report.data(), report.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(report.size());
}
