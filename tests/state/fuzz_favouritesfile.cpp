// Favourites.ini as any bytes: what is read is always a frequency a line could have named, never more of
// them than lines; a rewrite reads back as exactly what it keeps, and one that says it loses nothing keeps
// every comment of the file.
#include "fuzz/FuzzCheck.h"
#include "state/FavouritesFile.h"

#include <algorithm>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const std::vector<std::int32_t> frequencies = ReadFavouritesFile(FuzzInputFile(bytes)).frequencies;
    FUZZ_CHECK(frequencies.size() <= std::size_t(bytes.count('\n') + 1));
    for (const std::int32_t frequency : frequencies) {
        // Units of 10 kHz, from at most 1 GHz.
        FUZZ_CHECK(frequency >= 0 && frequency <= 100000);
    }
    if (bytes.size() > 64 * 1024)
        return 0;
    // Every other one removed, and one added.
    std::set<std::int32_t> kept;
    for (std::size_t i = 0; i < frequencies.size(); i += 2)
        kept.insert(frequencies[i]);
    kept.insert(9000);
    const std::vector<std::int32_t> keptList(kept.begin(), kept.end());
    const RewrittenFavourites rewritten = RewriteFavourites(bytes, frequencies, keptList);
    const std::vector<std::int32_t> read = ParseFavourites(rewritten.bytes).frequencies;
    FUZZ_CHECK(std::set<std::int32_t>(read.begin(), read.end()) == kept && read.size() == kept.size());
    if (!rewritten.losesLines) {
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.trimmed().startsWith('#'))
                FUZZ_CHECK(rewritten.bytes.contains(line));
        }
    }
    return 0;
}
