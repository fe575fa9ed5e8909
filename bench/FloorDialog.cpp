#include "bench/FloorDialog.h"

#include "companion/HIDApi.h"

#include <array>
#include <cstdint>
#include <dlfcn.h>
#include <QRegion>
#include <unistd.h>

FloorDialog::FloorDialog(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint)
{
    setFixedSize(475, 298);
    setMask(QRegion(0, 0, 475, 298, QRegion::Ellipse));
    void* library = ::dlopen("libHIDApi.so", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return;
    auto* openHidDevice = reinterpret_cast<decltype(OpenHIDDevice)*>(::dlsym(library, "OpenHIDDevice"));
    const int handle = openHidDevice ? openHidDevice(0x046D, 0x0A0E, 0, 0, HIDAPI_OPEN_WRITE) : -1;
    if (handle < 0)
        return;
    // The opening TuneReport of the default settings.
    const std::array<std::uint8_t, 9> report = {0x00, 0x00, 'P', 0x01, 0x18, 0x78, 0x1A, 0x00, 0x00};
    if (::write(handle, report.data(), report.size()) != static_cast<ssize_t>(report.size()))
        ::_exit(1);
}
