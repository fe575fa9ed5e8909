#include "device/DeviceLink.h"

#include "companion/HIDApi.h"
#include "device/DeviceLog.h"
#include "device/UdevHotplugWatcher.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <utility>

namespace {

void NotifyLink(QObject* context, const std::vector<std::uint64_t>& tickets, bool written)
{
    emit static_cast<DeviceLink*>(context)->reportsDone(tickets, written);
}

} // namespace

bool RemovalConcernsOpenDevice(dev_t removedNode, dev_t openNode)
{
    return removedNode == 0 || openNode == 0 || removedNode == openNode;
}

DeviceLink::DeviceLink(QObject* parent) : QObject(parent), writer(this, NotifyLink), library(writer) {}

DeviceLink::~DeviceLink()
{
    writer.EndNotifications();
    close();
}

bool DeviceLink::Start(HotplugWatcher* hotplugWatcher)
{
    library.Load();
    // Listening starts before the first open, so no arrival or removal is missed meanwhile. Without the
    // library arrivals open nothing and, nothing being open, removals close nothing.
    delete watcher;
    watcher = hotplugWatcher ? hotplugWatcher : new UdevHotplugWatcher;
    watcher->setParent(this);
    connect(watcher, &HotplugWatcher::deviceArrived, this, &DeviceLink::open);
    connect(watcher, &HotplugWatcher::deviceRemoved, this, &DeviceLink::onRemoved);
    open();
    return library.IsLoaded();
}

bool DeviceLink::Stop(std::chrono::milliseconds limit)
{
    delete watcher;
    watcher = nullptr;
    close();
    refused = false;
    const bool done = Flush(limit);
    library.Release();
    return done;
}

void DeviceLink::open()
{
    if (handle >= 0)
        return;
    auto* openHidDevice = library.Resolve<decltype(OpenHIDDevice)>("OpenHIDDevice");
    if (!openHidDevice)
        return;
    const int opened = openHidDevice(TransmitterVendorId, TransmitterProductId, 0, 0, HIDAPI_OPEN_WRITE);
    const bool wasRefused = std::exchange(refused, opened < 0 && (errno == EACCES || errno == EPERM));
    if (opened < 0) {
        qCDebug(deviceLog, "no transmitter opened: %s", std::strerror(errno));
        if (refused != wasRefused)
            emit refusalChanged();
        return;
    }
    handle = opened;
    qCDebug(deviceLog, "transmitter opened");
    emit this->opened();
}

void DeviceLink::close()
{
    if (handle < 0)
        return;
    // After the reports queued for it: the close waits for a write in flight.
    writer.QueueClose(handle, library.Resolve<decltype(CloseHIDDevice)>("CloseHIDDevice"));
    handle = -1;
    qCDebug(deviceLog, "transmitter closed");
}

void DeviceLink::onRemoved(dev_t node)
{
    if (handle < 0) {
        // The refused transmitter may be the one that went: asking again tells whether it is still there.
        if (refused)
            open();
        return;
    }
    if (!RemovalConcernsOpenDevice(node, OpenNode()))
        return;
    close();
    emit closed();
}

dev_t DeviceLink::OpenNode() const
{
    struct stat status;
    return handle >= 0 && ::fstat(handle, &status) == 0 && S_ISCHR(status.st_mode) ? status.st_rdev : 0;
}

std::uint64_t DeviceLink::Send(ReportKind kind, const ReportBytes& report)
{
    if (handle < 0)
        return 0;
    writer.QueueReport(handle, kind, report, ++lastTicket);
    qCDebug(deviceLog, "report %llu queued: %s", static_cast<unsigned long long>(lastTicket),
            QByteArray(reinterpret_cast<const char*>(report.data()), qsizetype(report.size()))
                .toHex(' ')
                .constData());
    return lastTicket;
}

void DeviceLink::Pause(std::chrono::milliseconds pause)
{
    writer.QueuePause(pause);
}

void DeviceLink::EndNotifications()
{
    writer.EndNotifications();
}

bool DeviceLink::Flush(std::chrono::milliseconds limit)
{
    return writer.Flush(limit);
}
