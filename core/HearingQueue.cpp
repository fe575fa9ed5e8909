#include "core/HearingQueue.h"

#include <algorithm>
#include <utility>

HearingQueue::HearingQueue(HearingRunner run, HearingFace face, std::function<void(int measureMs)> started,
                           HearingDone answered)
    : run(std::move(run)), face(face), started(std::move(started)), answered(std::move(answered))
{}

void HearingQueue::Ask(int measureMs)
{
    if (running) {
        nextMeasureMs = std::max(nextMeasureMs, measureMs);
        return;
    }
    running = true;
    started(measureMs);
    run(face, measureMs, [queue = std::weak_ptr<HearingQueue*>(self)](const std::vector<LinkResult>& links) {
        if (const std::shared_ptr<HearingQueue*> alive = queue.lock())
            (*alive)->answer(links);
    });
}

void HearingQueue::answer(const std::vector<LinkResult>& links)
{
    running = false;
    const int measureMs = std::exchange(nextMeasureMs, -1);
    const std::weak_ptr<HearingQueue*> alive = self;
    answered(links);
    // Through Ask: an answer that itself asked for a check has started it, and this one waits for it.
    if (measureMs >= 0 && !alive.expired())
        Ask(measureMs);
}
