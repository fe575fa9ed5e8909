#pragma once

#include <cstdint>

// The band follows from bit 1 of optionFlags each time it is needed; frequencies are in units of 10 kHz.
struct BandLimits
{
    std::int32_t lower;
    std::int32_t upper;
};

constexpr BandLimits BandOf(std::int32_t optionFlags)
{
    return (optionFlags & 0x02) != 0 ? BandLimits{7600, 9000} : BandLimits{8750, 10800};
}
