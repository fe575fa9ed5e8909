#include "service/WebLink.h"

#include "core/TransmitterCore.h"
#include "service/HearingRun.h"
#include "sound/SoundRouting.h"
#include "state/Properties.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

WebLink::WebLink(TransmitterCore& core, SoundRouting* soundRouting, HearingRun* hearing, QObject* parent)
    : QObject(parent), core(core), soundRouting(soundRouting), hearing(hearing),
      control(*this, QFileInfo(settingsPath()).dir().path())
{
    connect(&core, &TransmitterCore::changed, this, &WebLink::coreChanged);
    if (soundRouting) {
        connect(soundRouting, &SoundRouting::enabledChanged, this, &WebLink::soundChanged);
        connect(soundRouting, &SoundRouting::stateChanged, this, &WebLink::soundChanged);
    }
    connect(&control, &WebControl::changed, this, &WebLink::checkHearing);
}

void WebLink::Start(bool switchOn)
{
    control.Start(switchOn);
    checkHearing();
}

void WebLink::coreChanged()
{
    control.HostChanged();
    if (!core.HearingFacts().SameFor(checkedFacts))
        checkHearing();
}

void WebLink::soundChanged()
{
    control.HostChanged();
    checkHearing();
}

void WebLink::checkHearing()
{
    if (!hearing || !control.IsServed())
        return;
    if (checking) {
        checkAgain = true;
        return;
    }
    checking = true;
    checkedFacts = core.HearingFacts();
    hearing->Run(HearingFace::Page, 0,
                 [link = QPointer<WebLink>(this)](const std::vector<LinkResult>& links) {
                     if (link)
                         link->heard(links);
                 });
}

void WebLink::heard(const std::vector<LinkResult>& links)
{
    checking = false;
    const LinkResult* first = FirstBroken(links);
    const QString problem = first ? first->text : QString();
    if (problem != hearingProblem) {
        hearingProblem = problem;
        control.HostChanged();
    }
    if (checkAgain) {
        checkAgain = false;
        checkHearing();
    }
}

QVariantMap WebLink::Properties() const
{
    QVariantMap all = core.Properties();
    if (soundRouting)
        all.insert(soundRouting->Properties());
    if (hearing)
        all.insert(Property::Name(Property::HearingProblem), hearingProblem);
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
