#include "device/DeviceConnection.h"

#include "companion/HIDApi.h"
#include "device/DeviceHandle.h"
#include "device/DeviceWriter.h"
#include "device/HidLibrary.h"
#include "device/SendReport.h"
#include "state/TransmitterState.h"

#include <chrono>
#include <sys/stat.h>

void OpenDevice()
{
    if (deviceHandle >= 0)
        return;
    auto* openHidDevice = hidLibrary.Resolve<decltype(OpenHIDDevice)>("OpenHIDDevice");
    if (!openHidDevice)
        return;
    const int handle = openHidDevice(TransmitterVendorId, TransmitterProductId, 0, 0, HIDAPI_OPEN_WRITE);
    if (handle < 0)
        return;
    deviceHandle = handle;
    transmitterState.retunePending = true;
    SendReport(TuneReport);
    // The transmitter needs time to retune before it takes the setup report; the writer waits it out.
    QueuePause(std::chrono::milliseconds(20));
    SendReport(SetupReport);
}

void CloseDevice(const std::function<void()>& toggleOnAir)
{
    if (deviceHandle >= 0) {
        // After the reports queued for it: the close waits for a write in flight.
        QueueClose(deviceHandle, hidLibrary.Resolve<decltype(CloseHIDDevice)>("CloseHIDDevice"));
        deviceHandle = -1;
    }
    if (transmitterState.onAir)
        toggleOnAir();
}

dev_t OpenDeviceNode()
{
    struct stat status;
    return deviceHandle >= 0 && ::fstat(deviceHandle, &status) == 0 && S_ISCHR(status.st_mode)
               ? status.st_rdev
               : 0;
}

bool RemovalConcernsOpenDevice(dev_t removedNode, dev_t openNode)
{
    return removedNode == 0 || openNode == 0 || removedNode == openNode;
}

void OnDeviceRemoved(dev_t removedNode, const std::function<void()>& toggleOnAir)
{
    if (deviceHandle < 0)
        return;
    if (RemovalConcernsOpenDevice(removedNode, OpenDeviceNode()))
        CloseDevice(toggleOnAir);
}
