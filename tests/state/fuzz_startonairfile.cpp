// StartOnAir.ini as any bytes: only the one line that says so starts the program on air, and the choice
// reads back from the line that stores it.
#include "fuzz/FuzzCheck.h"
#include "state/StartOnAirFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const bool on = ReadStartOnAir(FuzzInputFile(bytes));
    if (on)
        FUZZ_CHECK(bytes.trimmed() == "OnAirAtStart=1");
    FUZZ_CHECK(ReadStartOnAir(FuzzInputFile(QByteArray("OnAirAtStart=") + (on ? "1\n" : "0\n"))) == on);
    return 0;
}
