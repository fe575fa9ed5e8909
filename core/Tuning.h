#pragma once

#include "state/TransmitterValues.h"

#include <cstdint>
#include <optional>

// One step, clamped only at the limit in its own direction: a stored value beyond the other limit
// moves by one step and is not pulled into the band.
std::int32_t SteppedUp(std::int32_t frequency, std::int32_t optionFlags);
std::int32_t SteppedDown(std::int32_t frequency, std::int32_t optionFlags);

// After the settings window: the frequency brought into a newly chosen band, or nothing when no change
// is needed. Only the side a band switch can cross is tested.
std::optional<std::int32_t> BandClamped(std::int32_t frequency, std::int32_t optionFlags);
