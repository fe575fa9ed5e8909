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
    // sound: null where the run has no sound routing; the sound's links then read "not checked".
    HearingRun(TransmitterCore& core, SoundRouting* sound, QObject* parent = nullptr);

    // done is called once, from the event loop, within HearingAnswerLimitMs(measureMs): the sound module's
    // own limit comes first, and this one only backs it up (the sound server then counts as not answering).
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
