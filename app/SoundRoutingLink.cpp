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

SoundRoutingLink::SoundRoutingLink(QMenu* systemMenu, QObject* parent)
    : QObject(parent), routing(SoundOptionPath())
{
    QAction* item = systemMenu->addAction(QStringLiteral("Play sound through the transmitter"));
    item->setCheckable(true);
    item->setChecked(routing.IsEnabled());
    connect(item, &QAction::toggled, &routing, &SoundRouting::SetEnabled);
    connect(&routing, &SoundRouting::enabledChanged, item, &QAction::setChecked);

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
