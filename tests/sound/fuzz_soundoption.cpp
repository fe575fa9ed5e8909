// Sound.ini as any bytes: only the line that says so switches the sound option off, and the choice reads
// back from the line that stores it.
#include "fuzz/FuzzCheck.h"
#include "sound/SoundOption.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const bool enabled = ReadSoundOption(FuzzInputFile(bytes));
    if (enabled != SoundOptionDefault)
        FUZZ_CHECK(bytes.trimmed() == "PlaySoundThroughTransmitter=0");
    const QByteArray line = QByteArray("PlaySoundThroughTransmitter=") + (enabled ? "1\n" : "0\n");
    FUZZ_CHECK(ReadSoundOption(FuzzInputFile(line)) == enabled);
    return 0;
}
