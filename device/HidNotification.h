#pragma once

#include "device/HotplugWatcher.h"

#include <functional>

// From now on every arrival the watcher announces runs OpenDevice and every removal runs
// OnDeviceRemoved(node, toggleOnAir). The connections last as long as the watcher.
void RegisterHidNotification(HotplugWatcher& watcher, const std::function<void()>& toggleOnAir);
