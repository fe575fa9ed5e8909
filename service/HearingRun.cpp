#include "service/HearingRun.h"

#include "core/TransmitterCore.h"
#include "sound/SoundRouting.h"
#include "state/SoundStateValue.h"

#include <memory>
#include <QPointer>
#include <QTimer>

HearingRun::HearingRun(TransmitterCore& core, SoundRouting* sound, QObject* parent)
    : QObject(parent), core(core), sound(sound)
{}

void HearingRun::Run(HearingFace face, int measureMs, HearingDone done)
{
    const std::vector<LinkResult> transmitterSide = CheckHearing(core.HearingFacts(), std::nullopt, face);
    if (!sound || FirstBroken(transmitterSide)) {
        QTimer::singleShot(0, this, [transmitterSide, done = std::move(done)] { done(transmitterSide); });
        return;
    }
    // One answer, whichever comes first: the server's or the limit's. The transmitter's side is read again
    // then, as it may have changed while the level was measured.
    auto answered = std::make_shared<bool>(false);
    auto finish = [run = QPointer<HearingRun>(this), answered, face, done](const SoundFacts& facts) {
        if (*answered || !run)
            return;
        *answered = true;
        done(CheckHearing(run->core.HearingFacts(), facts, face));
    };
    QTimer::singleShot(HearingAnswerLimitMs(measureMs), this, [finish] {
        SoundFacts silent;
        silent.server = SoundFacts::Server::NotAnswering;
        finish(silent);
    });
    sound->CheckSound(measureMs, finish);
}

HearingRunner HearingRun::Runner()
{
    return
        [this](HearingFace face, int measureMs, HearingDone done) { Run(face, measureMs, std::move(done)); };
}

bool HearingRun::NothingPlaying() const
{
    if (!sound || sound->State() != QLatin1String(SoundStateValue::Routed))
        return false;
    SoundFacts known;
    known.server = SoundFacts::Server::Answering;
    known.transmitterCardFound = known.routedToTransmitter = true;
    known.playing = sound->Playing();
    const std::vector<LinkResult> links = CheckHearing(core.HearingFacts(), known, HearingFace::Window);
    const LinkResult* first = FirstBroken(links);
    return first && first->link == HearingLink::Playing;
}
