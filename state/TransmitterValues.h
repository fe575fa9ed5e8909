#pragma once

#include <cstdint>

// What the transmitter's values mean: the option flags' bits, the bands, the tuning grid and the ranges.
// Frequencies are in units of 10 kHz (9000 is 90.00 MHz) everywhere.

inline constexpr std::int32_t PaLevelMaximum = 90; // PA-VALUE positions 0..90
inline constexpr std::int32_t PaLevelOffset = 30;  // the device receives paLevel + 30
inline constexpr std::int32_t TxGainMaximum = 23;  // TX-GAIN positions 0..23
inline constexpr std::int32_t FrequencyGrid = 5;   // the device tunes in 50 kHz steps

// optionFlags: the device gets its low byte as it stands.
inline constexpr std::int32_t MonoFlag = 0x01;
inline constexpr std::int32_t LowBandFlag = 0x02;
inline constexpr std::int32_t Deemphasis75Flag = 0x04;
inline constexpr std::int32_t StepShift = 4;
inline constexpr std::int32_t StepBits = 0x03 << StepShift;
inline constexpr std::int32_t DefinedOptionBits = MonoFlag | LowBandFlag | Deemphasis75Flag | StepBits;

// The step's code in the option flags: 0 is 200 kHz, 1 is 100 kHz, 2 (and the undefined 3) 50 kHz.
enum StepCode : std::int32_t
{
    Step200kHz = 0,
    Step100kHz = 1,
    Step50kHz = 2,
};

struct Options
{
    bool mono = false;
    bool lowBand = false;
    bool deemphasis75 = false;
    StepCode step = Step50kHz;

    friend bool operator==(const Options&, const Options&) = default;
};

constexpr Options DecodeOptions(std::int32_t optionFlags)
{
    const std::int32_t code = (optionFlags & StepBits) >> StepShift;
    return {(optionFlags & MonoFlag) != 0, (optionFlags & LowBandFlag) != 0,
            (optionFlags & Deemphasis75Flag) != 0, code >= Step50kHz ? Step50kHz : StepCode(code)};
}

constexpr std::int32_t EncodeOptions(const Options& options)
{
    return (options.mono ? MonoFlag : 0) | (options.lowBand ? LowBandFlag : 0) |
           (options.deemphasis75 ? Deemphasis75Flag : 0) | (std::int32_t(options.step) << StepShift);
}

struct BandLimits
{
    std::int32_t lower;
    std::int32_t upper;
};

inline constexpr BandLimits WideBand{8750, 10800};
inline constexpr BandLimits LowBand{7600, 9000};
// The bands as scripts and the web page name them, in MHz.
inline constexpr char WideBandName[] = "87.5-108";
inline constexpr char LowBandName[] = "76-90";

// The band follows from the option flags each time it is needed.
constexpr BandLimits BandOf(std::int32_t optionFlags)
{
    return DecodeOptions(optionFlags).lowBand ? LowBand : WideBand;
}

// The tuning step in units of 10 kHz.
constexpr std::int32_t StepOf(std::int32_t optionFlags)
{
    switch (DecodeOptions(optionFlags).step) {
    case Step200kHz:
        return 20;
    case Step100kHz:
        return 10;
    case Step50kHz:
        break;
    }
    return FrequencyGrid;
}

constexpr bool OnGrid(std::int32_t frequency)
{
    return frequency % FrequencyGrid == 0;
}
