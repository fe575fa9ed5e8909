#include "device/UdevHotplugWatcher.h"

#include <cstring>
#include <QSocketNotifier>

UdevHotplugWatcher::UdevHotplugWatcher(QObject* parent) : HotplugWatcher(parent), context(udev_new())
{
    if (!context)
        return;
    monitor.reset(udev_monitor_new_from_netlink(context.get(), "udev"));
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        monitor.reset();
        return;
    }
    auto* notifier = new QSocketNotifier(udev_monitor_get_fd(monitor.get()), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UdevHotplugWatcher::Drain);
}

void UdevHotplugWatcher::Drain()
{
    // The socket is non-blocking: receiving returns null once every queued announcement is taken.
    while (std::unique_ptr<udev_device, UdevRelease> device{udev_monitor_receive_device(monitor.get())}) {
        // The monitor's filter already keeps other subsystems out; this only guards against a sender
        // that does not fill the fields the filter matches on.
        const char* subsystem = udev_device_get_subsystem(device.get());
        const char* action = udev_device_get_action(device.get());
        if (!subsystem || !action || std::strcmp(subsystem, "hidraw") != 0)
            continue;
        if (std::strcmp(action, "add") == 0)
            emit deviceArrived();
        else if (std::strcmp(action, "remove") == 0)
            emit deviceRemoved(udev_device_get_devnum(device.get()));
    }
}
