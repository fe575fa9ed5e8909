// The routing record as any bytes: a record read names two sinks, each on a line of its own, and reads back
// the same from the lines that store it (unless too long to be ours); anything else is no record.
#include "fuzz/FuzzCheck.h"
#include "sound/RoutingRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<RoutingRecord> record = ReadRoutingRecord(FuzzInputFile(FuzzBytes(data, size)));
    if (!record)
        return 0;
    FUZZ_CHECK(!record->previousDefault.isEmpty() && !record->routedSink.isEmpty());
    FUZZ_CHECK(!record->previousDefault.contains('\n') && !record->routedSink.contains('\n'));
    const QByteArray lines =
        "PreviousDefault=" + record->previousDefault + "\nRoutedSink=" + record->routedSink + '\n';
    // A record longer than any pair of sink names is refused as not ours, written or not.
    if (lines.size() > 2048)
        return 0;
    const std::optional<RoutingRecord> again = ReadRoutingRecord(FuzzInputFile(lines));
    FUZZ_CHECK(again && again->previousDefault == record->previousDefault &&
               again->routedSink == record->routedSink);
    return 0;
}
