#include "device/HidNotification.h"

#include "device/DeviceConnection.h"

void RegisterHidNotification(HotplugWatcher& watcher, const std::function<void()>& toggleOnAir)
{
    QObject::connect(&watcher, &HotplugWatcher::deviceArrived, &watcher, [] { OpenDevice(); });
    QObject::connect(&watcher, &HotplugWatcher::deviceRemoved, &watcher,
                     [toggleOnAir](dev_t node) { OnDeviceRemoved(node, toggleOnAir); });
}
