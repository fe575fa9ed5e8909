#pragma once

#include <QByteArray>
#include <QMap>

// The sink properties that tell which hardware a sink plays on, keyed by the sound server's names
// ("sysfs.path", "device.bus_path", "device.vendor.id", "device.product.id").
using SinkProperties = QMap<QByteArray, QByteArray>;

// The transmitter as the device side knows it: the sysfs path of its USB device below /sys (e.g.
// "/devices/pci0000:00/0000:00:14.0/usb1/1-2") and its udev ID_PATH (e.g. "pci-0000:00:14.0-usb-0:2"),
// either empty when unknown, and its USB IDs.
struct TransmitterIdentity
{
    QByteArray usbDevicePath;
    QByteArray usbBusPath;
    int vendorId = 0;
    int productId = 0;
};

// Whether the sink plays on the transmitter. Where both sides name a place on the bus, that alone decides,
// so that of two identical transmitters only the open one matches; otherwise the USB IDs decide, written
// with or without "0x" as servers differ.
bool SinkBelongsToTransmitter(const SinkProperties& sink, const TransmitterIdentity& transmitter);
