#pragma once

#include "state/TransmitterValues.h"

#include <cstdint>
#include <optional>

// The transmitter's power on its two scales: the level the user moves and scripts set, 0..PaLevelMaximum,
// and the PA-VALUE the transmitter receives for it and the window shows, the level + PaLevelOffset.
class Power
{
public:
    constexpr Power() = default;
    // Nothing for a level outside 0..PaLevelMaximum.
    static constexpr std::optional<Power> FromLevel(std::int64_t level)
    {
        if (level < 0 || level > PaLevelMaximum)
            return std::nullopt;
        return Power(static_cast<std::int32_t>(level));
    }
    // The PA-VALUE of any level, in the unsigned arithmetic of the report's byte, so that no level a
    // damaged state may hold overflows.
    static constexpr std::uint32_t PaValueOf(std::uint32_t level)
    {
        return level + static_cast<std::uint32_t>(PaLevelOffset);
    }

    constexpr std::int32_t Level() const { return level; }

    friend constexpr bool operator==(const Power&, const Power&) = default;

private:
    explicit constexpr Power(std::int32_t level) : level(level) {}

    std::int32_t level = 0;
};
