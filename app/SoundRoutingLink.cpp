#include "app/SoundRoutingLink.h"

#include "device/DeviceConnection.h"
#include "device/DeviceHandle.h"
#include "state/SettingsFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

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

void SoundRoutingLink::AddMenuItem(QMenu* systemMenu)
{
    QAction* item = systemMenu->addAction(QStringLiteral("Play sound through the transmitter"));
    item->setCheckable(true);
    item->setChecked(routing.IsEnabled());
    connect(item, &QAction::toggled, &routing, &SoundRouting::SetEnabled);
    connect(&routing, &SoundRouting::enabledChanged, item, &QAction::setChecked);
}

SoundRoutingLink::~SoundRoutingLink()
{
    deviceOpenedHook = nullptr;
    deviceClosedHook = nullptr;
}
