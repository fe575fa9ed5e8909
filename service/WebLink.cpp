#include "service/WebLink.h"

#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

WebLink::WebLink(TransmitterCore& core, SoundRouting* soundRouting, QObject* parent)
    : QObject(parent), core(core), soundRouting(soundRouting),
      control(*this, QFileInfo(settingsPath()).dir().path())
{
    connect(&core, &TransmitterCore::changed, &control, &WebControl::HostChanged);
    if (soundRouting) {
        connect(soundRouting, &SoundRouting::enabledChanged, &control, &WebControl::HostChanged);
        connect(soundRouting, &SoundRouting::stateChanged, &control, &WebControl::HostChanged);
    }
}

void WebLink::Start(bool switchOn)
{
    control.Start(switchOn);
}

QVariantMap WebLink::Properties() const
{
    QVariantMap all = core.Properties();
    if (soundRouting)
        all.insert(soundRouting->Properties());
    return all;
}

QString WebLink::WriteProperty(const QString& name, const QVariant& value)
{
    return core.WriteProperty(name, value);
}

bool WebLink::Step(bool up)
{
    return up ? core.StepFrequencyUp() : core.StepFrequencyDown();
}
