#include "core/Tuning.h"

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
    const bool lowBand = DecodeOptions(optionFlags).lowBand;
    if (lowBand && frequency > LowBand.upper)
        return LowBand.upper;
    if (!lowBand && frequency < WideBand.lower)
        return WideBand.lower;
    return std::nullopt;
}
