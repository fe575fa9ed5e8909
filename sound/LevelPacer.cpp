#include "sound/LevelPacer.h"

#include <algorithm>
#include <utility>

std::optional<float> LevelPacer::Heard(float peak, qint64 nowMs)
{
    held = std::max(held, peak);
    qint64& oldest = sent[sentCount % sent.size()];
    const qint64 last = sentCount > 0 ? sent[(sentCount - 1) % sent.size()] : 0;
    if ((sentCount > 0 && nowMs - last < MinGapMs) || (sentCount >= sent.size() && nowMs - oldest < 1000))
        return std::nullopt;
    oldest = nowMs;
    ++sentCount;
    return std::exchange(held, 0.0f);
}
