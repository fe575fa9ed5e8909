#pragma once

#include <algorithm>

// The hearing check's one threshold and one time budget, read by the core (the verdicts), the sound module
// (the reading and the measuring), the service (its own limit on the sound module) and tessalyctl (its
// wait). Each limit lies after the one it waits for, so that none fires before the one it backs up.

// Sound reaching this level is heard; below it (and -inf, a stream of zeros) is silence.
inline constexpr double HearingSilenceDbfs = -60.0;
constexpr bool HeardAt(double peakDbfs)
{
    return peakDbfs >= HearingSilenceDbfs;
}

// How long the level is measured when a face asks for it.
inline constexpr int HearingMeasureMs = 2000;
// The server's reading: a server that has not answered by then does not answer.
inline constexpr int HearingReadLimitMs = 1000;
// A sink plays in blocks, up to seconds long while no client asks for less: the monitor's first reading may
// come this much later than the measuring began.
inline constexpr int HearingFirstReadingMs = 500;

// The sound module answers within this, whatever the server does.
constexpr int HearingSoundLimitMs(int measureMs)
{
    return measureMs > 0 ? std::max(HearingReadLimitMs, measureMs + HearingFirstReadingMs)
                         : HearingReadLimitMs;
}
// The service answers within this: the sound module's limit and its answer's turn in the event loop.
constexpr int HearingAnswerLimitMs(int measureMs)
{
    return HearingSoundLimitMs(measureMs) + 250;
}
// tessalyctl check waits this long for the measured answer: the service's limit and the bus's hop.
inline constexpr int HearingClientWaitMs = HearingAnswerLimitMs(HearingMeasureMs) + 150;
// The README's edge: tessalyctl check ends within 3 s of its start, its own start-up included.
static_assert(HearingClientWaitMs <= 2900);
