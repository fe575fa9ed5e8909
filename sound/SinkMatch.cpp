#include "sound/SinkMatch.h"

namespace {

// A path equal to the device's own or one below it (an interface, its sound card).
bool IsAtOrBelow(const QByteArray& path, const QByteArray& device, char separator)
{
    return !device.isEmpty() && path.startsWith(device) &&
           (path.size() == device.size() || path.at(device.size()) == separator);
}

bool SameId(const QByteArray& text, int id)
{
    QByteArray digits = text.trimmed().toLower();
    if (digits.startsWith("0x"))
        digits = digits.mid(2);
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok && !digits.isEmpty() && value == id;
}

} // namespace

bool SinkBelongsToTransmitter(const SinkProperties& sink, const TransmitterIdentity& transmitter)
{
    // Some servers give the path below /sys, some with it.
    QByteArray sysfsPath = sink.value("sysfs.path");
    if (sysfsPath.startsWith("/sys/"))
        sysfsPath = sysfsPath.mid(4);
    if (!sysfsPath.isEmpty() && !transmitter.usbDevicePath.isEmpty())
        return IsAtOrBelow(sysfsPath, transmitter.usbDevicePath, '/');
    const QByteArray busPath = sink.value("device.bus_path");
    if (!busPath.isEmpty() && !transmitter.usbBusPath.isEmpty())
        return IsAtOrBelow(busPath, transmitter.usbBusPath, ':');
    return SameId(sink.value("device.vendor.id"), transmitter.vendorId) &&
           SameId(sink.value("device.product.id"), transmitter.productId);
}
