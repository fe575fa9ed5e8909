// Favourites.ini as any bytes: what is read is always a frequency a line could have named, never more of
// them than lines, and the same again when read back from the lines they make.
#include "fuzz/FuzzCheck.h"
#include "state/FavouritesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const std::vector<std::int32_t> frequencies = ReadFavouritesFile(FuzzInputFile(bytes));
    FUZZ_CHECK(frequencies.size() <= std::size_t(bytes.count('\n') + 1));
    QByteArray lines;
    for (const std::int32_t frequency : frequencies) {
        // Units of 10 kHz, from at most 1 GHz.
        FUZZ_CHECK(frequency >= 0 && frequency <= 100000);
        lines += QByteArray::number(frequency * 10) + '\n';
    }
    FUZZ_CHECK(ReadFavouritesFile(FuzzInputFile(lines)) == frequencies);
    return 0;
}
