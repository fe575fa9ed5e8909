#include "device/SendReport.h"

#include "device/DeviceHandle.h"
#include "device/ReportWriter.h"

void SendReport(ReportKind kind)
{
    if (deviceHandle < 0)
        return;
    const ReportBytes report = BuildReport(kind, transmitterState);
    if (!WriteReport(deviceHandle, report))
        ShowWriteError();
}
