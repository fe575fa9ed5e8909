#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <QtGlobal>

// No more than MostPerSecond levels in any second, none within MinGapMs of the one before. The server's
// clock gives readings about that often, a little unevenly, and after a stall in a burst: a reading that may
// not go is folded into the next one that may, which then carries the louder of them.
class LevelPacer
{
public:
    static constexpr std::size_t MostPerSecond = 10;
    static constexpr qint64 MinGapMs = 50;

    // The peak to report for peak heard at nowMs (any clock that only goes forward), or none: held.
    std::optional<float> Heard(float peak, qint64 nowMs);

private:
    // When the last MostPerSecond levels went, oldest first from next.
    std::array<qint64, MostPerSecond> sent{};
    std::size_t sentCount = 0;
    float held = 0;
};
