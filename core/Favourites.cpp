#include "core/Favourites.h"

#include "state/TransmitterValues.h"

#include <algorithm>
#include <set>

namespace {

bool TunableInEitherBand(std::int32_t frequency)
{
    return Tunable(frequency, 0) || Tunable(frequency, LowBandFlag);
}

} // namespace

bool Tunable(std::int32_t frequency, std::int32_t optionFlags)
{
    const BandLimits band = BandOf(optionFlags);
    return OnGrid(frequency) && frequency >= band.lower && frequency <= band.upper;
}

std::vector<std::int32_t> KeptFavourites(std::vector<std::int32_t> frequencies)
{
    std::erase_if(frequencies, [](std::int32_t frequency) { return !TunableInEitherBand(frequency); });
    std::sort(frequencies.begin(), frequencies.end());
    frequencies.erase(std::unique(frequencies.begin(), frequencies.end()), frequencies.end());
    if (frequencies.size() > FavouritesMaximum)
        frequencies.resize(FavouritesMaximum);
    return frequencies;
}

FavouriteAnswer AddTo(std::vector<std::int32_t>& favourites, std::int32_t frequency, std::int32_t optionFlags)
{
    if (!Tunable(frequency, optionFlags))
        return FavouriteAnswer::Refused;
    const auto place = std::lower_bound(favourites.begin(), favourites.end(), frequency);
    if (place != favourites.end() && *place == frequency)
        return FavouriteAnswer::Done;
    if (favourites.size() >= FavouritesMaximum)
        return FavouriteAnswer::Full;
    favourites.insert(place, frequency);
    return FavouriteAnswer::Done;
}

FavouriteAnswer RemoveFrom(std::vector<std::int32_t>& favourites, std::int32_t frequency)
{
    const auto place = std::find(favourites.begin(), favourites.end(), frequency);
    if (place == favourites.end())
        return FavouriteAnswer::NotFavourite;
    favourites.erase(place);
    return FavouriteAnswer::Done;
}

std::vector<LeftOutLine> LeftOutLines(const std::vector<FavouritesLine>& lines,
                                      const std::vector<std::int32_t>& kept)
{
    std::vector<LeftOutLine> leftOut;
    std::set<std::int32_t> seen;
    for (const FavouritesLine& line : lines) {
        using enum LeftOutLine::Why;
        if (!line.frequency || !TunableInEitherBand(*line.frequency))
            leftOut.push_back({line.number, line.text, NotTunable});
        else if (!seen.insert(*line.frequency).second)
            leftOut.push_back({line.number, line.text, Repeated});
        else if (!std::binary_search(kept.begin(), kept.end(), *line.frequency))
            leftOut.push_back({line.number, line.text, BeyondMaximum});
    }
    return leftOut;
}
