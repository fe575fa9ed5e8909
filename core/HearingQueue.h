#pragma once

#include "core/HearingCheck.h"

#include <functional>
#include <memory>

// The hearing check for a face that follows changes: one check at a time, and a check asked for while one
// runs is run once that one has answered, measuring if any of the requests meanwhile was to. A burst of
// changes so costs one more check, not one each, and the last answer tells of the latest change.
class HearingQueue final
{
public:
    // started: a check begins, measuring for measureMs; answered: its links, before the next one begins.
    // Neither is called once the queue is gone.
    HearingQueue(HearingRunner run, HearingFace face, std::function<void(int measureMs)> started,
                 HearingDone answered);
    HearingQueue(const HearingQueue&) = delete;
    HearingQueue& operator=(const HearingQueue&) = delete;

    // Runs a check now, or once the running one has answered.
    void Ask(int measureMs = 0);
    // What was asked while one runs is not wanted any more: the face stopped showing the check.
    void Forget() { nextMeasureMs = -1; }

private:
    void answer(const std::vector<LinkResult>& links);

    HearingRunner run;
    HearingFace face;
    std::function<void(int measureMs)> started;
    HearingDone answered;
    bool running = false;
    int nextMeasureMs = -1; // asked for while one runs; -1 none
    // What the runner's answer holds on to: an answer after the queue is gone finds it expired.
    std::shared_ptr<HearingQueue*> self = std::make_shared<HearingQueue*>(this);
};
