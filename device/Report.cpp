#include "device/Report.h"

#include "state/Power.h"
#include "state/TransmitterValues.h"

#include <algorithm>

namespace {

std::uint8_t modeByte(const TransmitterState& state)
{
    const std::uint8_t mode = (state.onAir ? 0x01 : 0x02) | (state.muted ? 0x04 : 0x08);
    return state.retunePending ? mode | RetuneBit : mode;
}

} // namespace

ReportBytes BuildReport(ReportKind kind, const TransmitterState& state)
{
    ReportBytes report{};
    if (kind == TuneReport) {
        // 50 kHz steps above 76.00 MHz; signed truncating division, bytes from the two's complement.
        // Wide enough that no stored value can overflow.
        const std::int64_t frequencyCode = (std::int64_t{state.frequency} - LowBand.lower) / FrequencyGrid;
        const auto code = static_cast<std::uint64_t>(frequencyCode);
        report[2] = 'P';
        report[3] = static_cast<std::uint8_t>((code >> 8) & 0x03);
        report[4] = static_cast<std::uint8_t>(code & 0xFF);
        report[5] = static_cast<std::uint8_t>(Power::PaValueOf(static_cast<std::uint32_t>(state.paLevel)));
        report[6] = modeByte(state);
    } else {
        // Only a damaged settings file brings an index outside the table; never read past it.
        const auto index = std::clamp<std::int32_t>(state.txGainIndex, 0, TxGainCodeTable.size() - 1);
        report[2] = 'Q';
        report[3] = TxGainCodeTable[static_cast<std::size_t>(index)];
        report[4] = static_cast<std::uint8_t>(state.optionFlags & 0xFF);
    }
    return report;
}
