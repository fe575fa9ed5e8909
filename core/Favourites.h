#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The favourite frequencies' rules. Frequencies in units of 10 kHz, kept ascending, each once.
inline constexpr std::size_t FavouritesMaximum = 12;

enum class FavouriteAnswer
{
    Done,
    Refused,      // off the 50 kHz grid or outside the band in use
    Full,         // FavouritesMaximum are kept already
    NotFavourite, // a removal of one that is none
    NotStored,    // the file could not be written: nothing changed
};

// Inside the band the option flags select and on the 50 kHz grid: what can be tuned to and added.
bool Tunable(std::int32_t frequency, std::int32_t optionFlags);
// What a file gave, as the rules keep it: on the grid, inside one of the two bands, ascending, each once,
// the lowest FavouritesMaximum.
std::vector<std::int32_t> KeptFavourites(std::vector<std::int32_t> frequencies);
// Adds frequency; one already there is Done and changes nothing.
FavouriteAnswer AddTo(std::vector<std::int32_t>& favourites, std::int32_t frequency,
                      std::int32_t optionFlags);
FavouriteAnswer RemoveFrom(std::vector<std::int32_t>& favourites, std::int32_t frequency);
