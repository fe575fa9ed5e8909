// Config.ini as any bytes: parsing reads exactly the first 16 and gives them back on serializing, and what a
// load hands the program is always within the ranges the transmitter takes, and the same again once
// written.
#include "fuzz/FuzzCheck.h"
#include "state/SettingsFile.h"
#include "state/TransmitterValues.h"

namespace {

bool WithinRanges(const PersistedSettings& settings)
{
    const BandLimits band = BandOf(settings.optionFlags);
    return settings.optionFlags == EncodeOptions(DecodeOptions(settings.optionFlags)) &&
           settings.frequency >= band.lower && settings.frequency <= band.upper &&
           OnGrid(settings.frequency) && settings.paLevel >= 0 && settings.paLevel <= PaLevelMaximum &&
           settings.txGainIndex >= 0 && settings.txGainIndex <= TxGainMaximum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const std::optional<PersistedSettings> parsed = ParseSettings(bytes);
    FUZZ_CHECK(parsed.has_value() == (bytes.size() >= SettingsFileSize));
    if (parsed)
        FUZZ_CHECK(SerializeSettings(*parsed) == bytes.left(SettingsFileSize));

    const PersistedSettings loaded = LoadSettingsFile(FuzzInputFile(bytes));
    FUZZ_CHECK(WithinRanges(loaded));
    // Values already within range are kept exactly as stored.
    if (parsed && WithinRanges(*parsed))
        FUZZ_CHECK(loaded == *parsed);
    // What the program then writes reads back the same.
    const QByteArray saved = SerializeSettings(loaded);
    FUZZ_CHECK(ParseSettings(saved) == loaded);
    FUZZ_CHECK(LoadSettingsFile(FuzzInputFile(saved)) == loaded);
    return 0;
}
