#include "service/WebLink.h"

#include "core/TransmitterCore.h"
#include "service/HearingRun.h"
#include "sound/SoundRouting.h"
#include "state/Properties.h"
#include "state/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

WebLink::WebLink(TransmitterCore& core, SoundRouting* soundRouting, HearingRun* hearing, QObject* parent)
    : QObject(parent), core(core), soundRouting(soundRouting), hearing(hearing),
      control(*this, QFileInfo(settingsPath()).dir().path()),
      hearingChecks(
          hearing ? hearing->Runner() : HearingRunner(), HearingFace::Page,
          [this](int) { checkedFacts = this->core.HearingFacts(); },
          [this](const std::vector<LinkResult>& links) { heard(links); })
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
    if (!hearing)
        return;
    // A page no longer served wants no check, nor the one asked for before.
    if (!control.IsServed()) {
        hearingChecks.Forget();
        return;
    }
    hearingChecks.Ask();
}

void WebLink::heard(const std::vector<LinkResult>& links)
{
    const LinkResult* first = FirstBroken(links);
    const PersonText problem = first ? first->words : PersonText();
    if (problem.English() != hearingProblem.English()) {
        hearingProblem = problem;
        control.HostChanged();
    }
}

QVariantMap WebLink::Properties() const
{
    QVariantMap all = core.Properties();
    if (soundRouting)
        all.insert(soundRouting->Properties());
    return all;
}

QList<std::pair<QString, PersonText>> WebLink::Words() const
{
    QList<std::pair<QString, PersonText>> words;
    if (hearing)
        words.append({Property::Name(Property::HearingProblem), hearingProblem});
    if (soundRouting && !soundRouting->ElsewhereWords().English().isEmpty())
        words.append({Property::Name(Property::SoundElsewhere), soundRouting->ElsewhereWords()});
    return words;
}

QString WebLink::WriteProperty(const QString& name, const QVariant& value)
{
    return core.WriteProperty(name, value);
}

bool WebLink::Step(bool up)
{
    return up ? core.StepFrequencyUp() : core.StepFrequencyDown();
}
