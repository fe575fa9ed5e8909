#pragma once

#include "device/HotplugWatcher.h"

#include <libudev.h>
#include <memory>

class QSocketNotifier;

// Watches hidraw nodes being added and removed through the udev daemon's announcements. Without a udev
// daemon (as in containers) nothing is ever announced, and nothing is made up in its place.
class UdevHotplugWatcher final : public HotplugWatcher
{
    Q_OBJECT

public:
    explicit UdevHotplugWatcher(QObject* parent = nullptr);

private:
    struct UdevRelease
    {
        void operator()(udev* context) const { udev_unref(context); }
        void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
        void operator()(udev_device* device) const { udev_device_unref(device); }
    };

    void Drain();

    std::unique_ptr<udev, UdevRelease> context;
    std::unique_ptr<udev_monitor, UdevRelease> monitor;
};
