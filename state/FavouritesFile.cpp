#include "state/FavouritesFile.h"

#include "state/FileWriter.h"
#include "state/Frequency.h"
#include "state/SmallTextFile.h"

#include <algorithm>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Far more than the favourites' lines: what lies beyond is not read, and said so.
constexpr qsizetype readLimit = 64 * 1024;

enum class LineKind
{
    Blank,
    Comment,
    Frequency,
    NotUnderstood,
};

struct Line
{
    LineKind kind;
    std::int32_t frequency = 0; // units of 10 kHz, for a Frequency line
};

bool startsComment(char c)
{
    return c == '#' || c == ';';
}

Line classify(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return {LineKind::Blank};
    if (startsComment(trimmed.front()))
        return {LineKind::Comment};
    const auto note = std::find_if(trimmed.begin(), trimmed.end(), startsComment);
    const QByteArray number = trimmed.first(note - trimmed.begin()).trimmed();
    // Digits only: toUInt would also take a sign or spaces.
    const bool digits =
        !number.isEmpty() && number.size() <= 7 &&
        std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    const Frequency frequency = Frequency::FromKilohertz(digits ? number.toUInt() : 1);
    if (!frequency.InWholeUnits() || frequency.Kilohertz() > 1000000)
        return {LineKind::NotUnderstood};
    return {LineKind::Frequency, frequency.Units()};
}

// The file's lines without the empty piece after its last newline.
QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() > 0 && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// What is read of a file: all of it up to the limit, and of a longer one the whole lines within it, so that
// a number cut at the limit (88100 as 8810) is not taken for another.
QByteArray readPart(const QByteArray& bytes)
{
    if (bytes.size() <= readLimit)
        return bytes;
    return bytes.first(bytes.first(readLimit).lastIndexOf('\n') + 1);
}

bool holds(const std::vector<std::int32_t>& frequencies, std::int32_t frequency)
{
    return std::find(frequencies.begin(), frequencies.end(), frequency) != frequencies.end();
}

} // namespace

QString FavouritesPath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("Favourites.ini"));
}

FavouritesText ParseFavourites(const QByteArray& bytes)
{
    FavouritesText text{bytes, bytes.size() <= readLimit, {}};
    for (const QByteArray& line : linesOf(readPart(bytes))) {
        const Line read = classify(line);
        if (read.kind == LineKind::Frequency)
            text.frequencies.push_back(read.frequency);
    }
    return text;
}

std::vector<FavouritesLine> FavouritesLines(const FavouritesText& text)
{
    std::vector<FavouritesLine> read;
    int number = 0;
    for (const QByteArray& line : linesOf(readPart(text.bytes))) {
        ++number;
        const Line kind = classify(line);
        if (kind.kind == LineKind::Frequency)
            read.push_back({number, line, kind.frequency});
        else if (kind.kind == LineKind::NotUnderstood)
            read.push_back({number, line, std::nullopt});
    }
    return read;
}

FavouritesText ReadFavouritesFile(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, readLimit + 1);
    if (file.status == SmallTextFile::Unreadable)
        ComplainAboutFile(path, "not a readable regular file, no favourites");
    const FavouritesText text = ParseFavourites(file.bytes);
    if (!text.whole)
        ComplainAboutFile(path,
                          "longer than 64 KiB: only its beginning is read, and the file is never rewritten");
    const QList<QByteArray> lines = linesOf(readPart(file.bytes));
    if (std::any_of(lines.begin(), lines.end(),
                    [](const QByteArray& line) { return classify(line).kind == LineKind::NotUnderstood; }))
        ComplainAboutFile(path, "lines that are no frequency in kHz were left out");
    return text;
}

RewrittenFavourites RewriteFavourites(const QByteArray& original, const std::vector<std::int32_t>& before,
                                      const std::vector<std::int32_t>& kept)
{
    const QList<QByteArray> lines = linesOf(original);
    std::vector<std::int32_t> written, added;
    for (const QByteArray& line : lines) {
        const Line read = classify(line);
        if (read.kind == LineKind::Frequency)
            written.push_back(read.frequency);
    }
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(added),
                 [&written](std::int32_t frequency) { return !holds(written, frequency); });
    std::sort(added.begin(), added.end());

    RewrittenFavourites rewritten;
    auto next = added.begin();
    auto addUpTo = [&](std::optional<std::int32_t> limit) {
        for (; next != added.end() && (!limit || *next < *limit); ++next)
            rewritten.bytes += QByteArray::number(Frequency::FromUnits(*next).Kilohertz()) + '\n';
    };
    std::vector<std::int32_t> placed;
    for (const QByteArray& line : lines) {
        const Line read = classify(line);
        const bool frequency = read.kind == LineKind::Frequency;
        if (frequency && holds(kept, read.frequency) && !holds(placed, read.frequency)) {
            addUpTo(read.frequency);
            placed.push_back(read.frequency);
        } else if (frequency || read.kind == LineKind::NotUnderstood) {
            // The plain line of a favourite the user removed goes as asked; anything else dropped (a note
            // with it, a line not understood, one the rules left out) is a loss.
            const bool removed = frequency && holds(before, read.frequency) && !holds(kept, read.frequency) &&
                                 line == QByteArray::number(Frequency::FromUnits(read.frequency).Kilohertz());
            rewritten.losesLines = rewritten.losesLines || !removed;
            continue;
        }
        rewritten.bytes += line + '\n';
    }
    addUpTo(std::nullopt);
    return rewritten;
}

QString WriteFavouritesFile(const QString& path, FavouritesText& current,
                            const std::vector<std::int32_t>& before, const std::vector<std::int32_t>& kept)
{
    if (!current.whole) {
        return path + QStringLiteral(": ") +
               QCoreApplication::translate(
                   "FavouritesFile", "longer than 64 KiB, so it is never rewritten; shorten it by hand");
    }
    const RewrittenFavourites rewritten = RewriteFavourites(current.bytes, before, kept);
    if (rewritten.losesLines) {
        if (QString failure = ReplaceFile(path + QStringLiteral(".bak"), current.bytes); !failure.isEmpty())
            return failure;
    }
    if (QString failure = ReplaceFile(path, rewritten.bytes); !failure.isEmpty())
        return failure;
    current = ParseFavourites(rewritten.bytes);
    return {};
}
