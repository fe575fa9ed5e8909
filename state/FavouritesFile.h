#pragma once

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>
#include <vector>

// The favourite frequencies, kept in "Favourites.ini" beside Config.ini: one frequency in kHz a line, which
// may carry a note after '#' or ';'. Lines starting with '#' or ';' are comments.
QString FavouritesPath(const QString& settingsFile);

// The file as it stands: what the program reads of it, and the rest, which a rewrite keeps where it can.
struct FavouritesText
{
    QByteArray bytes;                      // the file as read, byte for byte
    bool whole = true;                     // false when longer than the read limit: never rewritten
    std::vector<std::int32_t> frequencies; // in units of 10 kHz, in the file's order
};

// Missing or unreadable: none. Lines that are no frequency in kHz, a comment or blank are left out with one
// line on stderr.
FavouritesText ReadFavouritesFile(const QString& path);
FavouritesText ParseFavourites(const QByteArray& bytes);

// A line of the file that is no comment and not blank: its number, from 1, as written, and the frequency it
// names in units of 10 kHz; none when it is no frequency in kHz.
struct FavouritesLine
{
    int number = 0;
    QByteArray text;
    std::optional<std::int32_t> frequency;
};
// Those lines of what is read of the file, in order: they say which lines gave no favourite.
std::vector<FavouritesLine> FavouritesLines(const FavouritesText& text);

// The file's text with kept in the place of before: comments and blank lines stay where they stand, each
// kept frequency's line stays as written (its note included), the lines of frequencies removed from before
// go, and new ones join in ascending order. losesLines: it also drops lines no one asked to drop (lines
// not understood, frequencies the rules left out, a repeated one).
struct RewrittenFavourites
{
    QByteArray bytes;
    bool losesLines = false;
};
RewrittenFavourites RewriteFavourites(const QByteArray& original, const std::vector<std::int32_t>& before,
                                      const std::vector<std::int32_t>& kept);

// Stores kept in place of before in the file that read as current, and then holds the new text in current.
// A rewrite that loses lines keeps the whole old file first, byte for byte, as "Favourites.ini.bak". Empty
// when stored; else why not, and both files are as they were.
QString WriteFavouritesFile(const QString& path, FavouritesText& current,
                            const std::vector<std::int32_t>& before, const std::vector<std::int32_t>& kept);
