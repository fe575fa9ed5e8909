#include "service/SoundRoutingLink.h"

#include "device/DeviceConnection.h"
#include "device/DeviceHandle.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString SoundOptionPath()
{
    return QFileInfo(settingsPath()).dir().filePath(QStringLiteral("Sound.ini"));
}

} // namespace

SoundRoutingLink::SoundRoutingLink(QObject* parent) : QObject(parent), routing(SoundOptionPath()) {}

void SoundRoutingLink::Start()
{
    deviceOpenedHook = [this](dev_t node) { routing.TransmitterOpened(node); };
    deviceClosedHook = [this] { routing.TransmitterClosed(); };
    if (deviceHandle >= 0)
        routing.TransmitterOpened(OpenDeviceNode());
    routing.Start();
}

SoundRoutingLink::~SoundRoutingLink()
{
    deviceOpenedHook = nullptr;
    deviceClosedHook = nullptr;
}
