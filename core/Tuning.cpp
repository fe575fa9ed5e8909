#include "core/Tuning.h"

namespace {

bool lowBand(std::int32_t optionFlags)
{
    return (optionFlags & 0x02) != 0;
}

} // namespace

std::int32_t StepOf(std::int32_t optionFlags)
{
    switch ((optionFlags >> 4) & 0x03) {
    case 0:
        return 20;
    case 1:
        return 10;
    default:
        return 5;
    }
}

std::int32_t SteppedUp(std::int32_t frequency, std::int32_t optionFlags)
{
    const std::int32_t upper = BandOf(optionFlags).upper;
    if (frequency >= upper)
        return upper;
    return frequency + StepOf(optionFlags) > upper ? upper : frequency + StepOf(optionFlags);
}

std::int32_t SteppedDown(std::int32_t frequency, std::int32_t optionFlags)
{
    const std::int32_t lower = BandOf(optionFlags).lower;
    if (frequency <= lower)
        return lower;
    return frequency - StepOf(optionFlags) < lower ? lower : frequency - StepOf(optionFlags);
}

std::optional<std::int32_t> BandClamped(std::int32_t frequency, std::int32_t optionFlags)
{
    if (lowBand(optionFlags) && frequency > 9000)
        return 9000;
    if (!lowBand(optionFlags) && frequency < 8750)
        return 8750;
    return std::nullopt;
}
