#include "service/SoundRoutingLink.h"

#include "core/TransmitterCore.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString SoundOptionPath()
{
    return QFileInfo(settingsPath()).dir().filePath(QStringLiteral("Sound.ini"));
}

} // namespace

SoundRoutingLink::SoundRoutingLink(TransmitterCore& core, QObject* parent)
    : QObject(parent), core(core), routing(SoundOptionPath())
{}

void SoundRoutingLink::Start()
{
    connect(&core, &TransmitterCore::changed, this, &SoundRoutingLink::followConnection);
    followConnection();
    routing.Start();
}

void SoundRoutingLink::followConnection()
{
    if (core.IsConnected() == transmitterConnected)
        return;
    transmitterConnected = core.IsConnected();
    if (transmitterConnected)
        routing.TransmitterOpened(core.ConnectedNode());
    else
        routing.TransmitterClosed();
}
