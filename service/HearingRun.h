#pragma once

#include "core/HearingCheck.h"

#include <QObject>

class SoundRouting;
class TransmitterCore;

// The hearing check of a run: the core's side as it stands and, once that holds, what the sound server
// tells, with the level measured when asked. The sound server is not asked while the transmitter's side is
// broken: its links would read "not checked" anyway, and the answer comes at once.
class HearingRun final : public QObject
{
    Q_OBJECT

public:
    // The server's answer is waited for this much longer than the measuring, at most: then the sound
    // server counts as not answering, so that a face asking over the bus has its answer within 3 s.
    static constexpr int answerMarginMs = 850;

    // sound: null where the run has no sound routing; the sound's links then read "not checked".
    HearingRun(TransmitterCore& core, SoundRouting* sound, QObject* parent = nullptr);

    // done is called once, from the event loop, within measureMs + answerMarginMs.
    void Run(HearingFace face, int measureMs, HearingDone done);
    HearingRunner Runner();

    // Whether "nothing is playing" is the first broken link, judged from what the routing follows by
    // itself: no question to the server, no measuring, no timer. Only while the sound is routed; when it
    // is not, an earlier link is broken or the routing cannot tell.
    bool NothingPlaying() const;

private:
    TransmitterCore& core;
    SoundRouting* sound;
};
