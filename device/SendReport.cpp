#include "device/SendReport.h"

#include "device/DeviceHandle.h"
#include "device/DeviceWriter.h"

void SendReport(ReportKind kind)
{
    if (deviceHandle < 0)
        return;
    QueueReport(deviceHandle, kind, BuildReport(kind, transmitterState));
}
