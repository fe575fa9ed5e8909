#pragma once

#include "state/FavouritesFile.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>
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

// A line of Favourites.ini that gave no favourite at the start, and why.
struct LeftOutLine
{
    enum class Why
    {
        NotTunable,    // no frequency in kHz on the 50 kHz grid of either band
        Repeated,      // its frequency is on an earlier line too
        BeyondMaximum, // the lowest FavouritesMaximum are used
    };
    int number = 0; // from 1
    QByteArray text;
    Why why = Why::NotTunable;
};
// The lines that gave none of kept, what KeptFavourites made of their frequencies.
std::vector<LeftOutLine> LeftOutLines(const std::vector<FavouritesLine>& lines,
                                      const std::vector<std::int32_t>& kept);

// What the start left out of Favourites.ini, which the window tells once: nothing when no line was left out
// and the whole file was read.
struct FavouritesLeftOut
{
    QString path;
    std::vector<LeftOutLine> lines;
    bool cut = false; // longer than the read limit: only its beginning was read

    bool IsEmpty() const { return lines.empty() && !cut; }
};
