#pragma once

#include "state/Frequency.h"
#include "state/TransmitterValues.h"

#include <array>
#include <cstdint>
#include <QCoreApplication>
#include <QString>

// Every property the program offers its faces: the session bus, tessalyctl and the phone page. One row a
// property, and its name, range and destination are spelled nowhere else: the bus's introspection, its
// checks and where it sends a write, the core's refusals, tessalyctl's commands, --help and status lines,
// the page's writable set and Web.ini's keys are made from these rows. tessalyctl includes this header and
// links nothing of the program. docs/architecture.md ("Adding a property") says what a new row needs.
namespace Property {

// Who may change a property.
enum Face : unsigned
{
    Nobody = 0,
    Bus = 1,  // a bus client's Set, gdbus say
    Ctl = 2,  // tessalyctl's commands
    Page = 4, // the phone page
    Everyone = Bus | Ctl | Page,
};

// Whose property it is, and so where a write goes and what its failure is.
enum class Destination
{
    Core,       // TransmitterCore::WriteProperty; what it does not take is a refused value
    CoreOption, // a choice the core keeps in a file, also through WriteProperty; one it cannot keep has
                // failed (the program's fault), not been refused
    Sound,      // SoundRouting; a choice it cannot keep has failed
    Web,        // WebControl; a page it cannot serve is unavailable
    PageLink,   // the page's link alone, read-only
};

// How tessalyctl's status shows the value, after the row's label.
enum class Shown
{
    Not,               // no line of its own
    Megahertz,         // kHz as "88.10 MHz"
    YesNo,             // "yes" or "no"
    OnAirWithNote,     // "yes" or "no", and what keeps the transmitter from having the state shown
    PowerLevel,        // "60 of 90, PA-VALUE 90": the transmitter receives the level + PaLevelOffset
    OfHighest,         // "5 of 23"
    StereoMono,        // "stereo" or "mono"
    WithUnit,          // the value and the row's unit: "87.5-108 MHz", "100 kHz"
    SoundPlace,        // where the sound goes, from SoundState, SoundSink and SoundElsewhere
    OnOffWithoutState, // "on" or "off", only from a program older than SoundState
    MegahertzList,     // kHz as "88.50, 100.10 MHz"
    WebPage,           // "off", or the page's address
};

struct Row
{
    const char* name;
    const char* busType; // "u", "b", "s" or "au"
    unsigned changedBy;  // Faces; Nobody for a read-only property
    Destination destination;
    // "u" with a range: what it takes, before any rule of its own (the band in use), on a grid of grain
    // from lowest; 0 to 0 without one.
    std::uint32_t lowest = 0;
    std::uint32_t highest = 0;
    std::uint32_t grain = 1;
    std::array<const char*, 3> choices{}; // or the values it takes, as the bus carries them
    const char* unit = "";                // what a number counts, UTF-8
    // The status line's label, translated in the context "StatusText"; empty without a line of its own.
    const char* label = "";
    Shown shown = Shown::Not;
};

// The rows count in kHz; the state, in the transmitter's 10 kHz units.
constexpr std::uint32_t KilohertzOf(std::int32_t units)
{
    return static_cast<std::uint32_t>(::Frequency::FromUnits(units).Kilohertz());
}

inline constexpr Row Frequency{.name = "Frequency",
                               .busType = "u",
                               .changedBy = Everyone,
                               .destination = Destination::Core,
                               .lowest = KilohertzOf(LowBand.lower),
                               .highest = KilohertzOf(WideBand.upper),
                               .grain = KilohertzOf(FrequencyGrid),
                               .unit = "kHz",
                               .label = QT_TRANSLATE_NOOP("StatusText", "Frequency"),
                               .shown = Shown::Megahertz};
inline constexpr Row OnAir{.name = "OnAir",
                           .busType = "b",
                           .changedBy = Everyone,
                           .destination = Destination::Core,
                           .label = QT_TRANSLATE_NOOP("StatusText", "On air"),
                           .shown = Shown::OnAirWithNote};
inline constexpr Row Muted{.name = "Muted",
                           .busType = "b",
                           .changedBy = Everyone,
                           .destination = Destination::Core,
                           .label = QT_TRANSLATE_NOOP("StatusText", "Muted"),
                           .shown = Shown::YesNo};
inline constexpr Row PaLevel{.name = "PaLevel",
                             .busType = "u",
                             .changedBy = Everyone,
                             .destination = Destination::Core,
                             .highest = PaLevelMaximum,
                             .label = QT_TRANSLATE_NOOP("StatusText", "Power"),
                             .shown = Shown::PowerLevel};
inline constexpr Row TxGain{.name = "TxGain",
                            .busType = "u",
                            .changedBy = Everyone,
                            .destination = Destination::Core,
                            .highest = TxGainMaximum,
                            .label = QT_TRANSLATE_NOOP("StatusText", "Gain"),
                            .shown = Shown::OfHighest};
inline constexpr Row Stereo{.name = "Stereo",
                            .busType = "b",
                            .changedBy = Everyone,
                            .destination = Destination::Core,
                            .label = QT_TRANSLATE_NOOP("StatusText", "Audio"),
                            .shown = Shown::StereoMono};
inline constexpr Row Band{.name = "Band",
                          .busType = "s",
                          .changedBy = Bus | Ctl,
                          .destination = Destination::Core,
                          .choices = {WideBandName, LowBandName},
                          .unit = "MHz",
                          .label = QT_TRANSLATE_NOOP("StatusText", "Band"),
                          .shown = Shown::WithUnit};
inline constexpr Row Step{.name = "Step",
                          .busType = "u",
                          .changedBy = Bus | Ctl,
                          .destination = Destination::Core,
                          .choices = {"200", "100", "50"},
                          .unit = "kHz",
                          .label = QT_TRANSLATE_NOOP("StatusText", "Step"),
                          .shown = Shown::WithUnit};
inline constexpr Row Deemphasis{.name = "Deemphasis",
                                .busType = "u",
                                .changedBy = Bus | Ctl,
                                .destination = Destination::Core,
                                .choices = {"50", "75"},
                                .unit = "µs",
                                .label = QT_TRANSLATE_NOOP("StatusText", "De-emphasis"),
                                .shown = Shown::WithUnit};
inline constexpr Row Connected{
    .name = "Connected", .busType = "b", .changedBy = Nobody, .destination = Destination::Core};
inline constexpr Row Connection{
    .name = "Connection", .busType = "s", .changedBy = Nobody, .destination = Destination::Core};
inline constexpr Row Delivered{
    .name = "Delivered", .busType = "b", .changedBy = Nobody, .destination = Destination::Core};
inline constexpr Row WriteFailedAt{
    .name = "WriteFailedAt", .busType = "s", .changedBy = Nobody, .destination = Destination::Core};
inline constexpr Row SoundRouting{.name = "SoundRouting",
                                  .busType = "b",
                                  .changedBy = Bus | Ctl,
                                  .destination = Destination::Sound,
                                  .label = QT_TRANSLATE_NOOP("StatusText", "Sound routing"),
                                  .shown = Shown::OnOffWithoutState};
inline constexpr Row SoundState{.name = "SoundState",
                                .busType = "s",
                                .changedBy = Nobody,
                                .destination = Destination::Sound,
                                .label = QT_TRANSLATE_NOOP("StatusText", "Sound"),
                                .shown = Shown::SoundPlace};
inline constexpr Row SoundSink{
    .name = "SoundSink", .busType = "s", .changedBy = Nobody, .destination = Destination::Sound};
inline constexpr Row SoundElsewhere{
    .name = "SoundElsewhere", .busType = "s", .changedBy = Nobody, .destination = Destination::Sound};
inline constexpr Row Favourites{.name = "Favourites",
                                .busType = "au",
                                .changedBy = Nobody,
                                .destination = Destination::Core,
                                .unit = "kHz",
                                .label = QT_TRANSLATE_NOOP("StatusText", "Favourites"),
                                .shown = Shown::MegahertzList};
inline constexpr Row OnAirAtStart{.name = "OnAirAtStart",
                                  .busType = "b",
                                  .changedBy = Bus | Ctl,
                                  .destination = Destination::CoreOption,
                                  .label = QT_TRANSLATE_NOOP("StatusText", "On air at start"),
                                  .shown = Shown::YesNo};
inline constexpr Row StartAtLogin{.name = "StartAtLogin",
                                  .busType = "b",
                                  .changedBy = Bus | Ctl,
                                  .destination = Destination::CoreOption,
                                  .label = QT_TRANSLATE_NOOP("StatusText", "Start at login"),
                                  .shown = Shown::YesNo};
inline constexpr Row WebControl{.name = "WebControl",
                                .busType = "b",
                                .changedBy = Bus | Ctl,
                                .destination = Destination::Web,
                                .label = QT_TRANSLATE_NOOP("StatusText", "Web page"),
                                .shown = Shown::WebPage};
inline constexpr Row WebAddress{
    .name = "WebAddress", .busType = "s", .changedBy = Nobody, .destination = Destination::Web};
inline constexpr Row WebNetwork{
    .name = "WebNetwork", .busType = "b", .changedBy = Bus | Ctl, .destination = Destination::Web};
inline constexpr Row WebPort{.name = "WebPort",
                             .busType = "u",
                             .changedBy = Bus | Ctl,
                             .destination = Destination::Web,
                             .lowest = 1024,
                             .highest = 65535};
// The phone page's alone, so not among all below: the bus and tessalyctl have the whole check instead.
inline constexpr Row HearingProblem{
    .name = "HearingProblem", .busType = "s", .changedBy = Nobody, .destination = Destination::PageLink};

// In the order the bus's introspection lists them and status shows them.
inline constexpr const Row* all[] = {
    &Frequency,     &OnAir,        &Muted,        &PaLevel,    &TxGain,         &Stereo,
    &Band,          &Step,         &Deemphasis,   &Connected,  &Connection,     &Delivered,
    &WriteFailedAt, &SoundState,   &SoundRouting, &SoundSink,  &SoundElsewhere, &Favourites,
    &OnAirAtStart,  &StartAtLogin, &WebControl,   &WebAddress, &WebNetwork,     &WebPort};

constexpr bool IsBoolean(const Row& row)
{
    return row.busType[0] == 'b' && row.busType[1] == '\0';
}

// What a destination can take, so that a row whose writes could not arrive does not build: the page writes
// through the core's WriteProperty alone, and a stored choice (sound, the core's options) is a boolean.
constexpr bool Reachable(const Row& row)
{
    if ((row.changedBy & Page) && row.destination != Destination::Core)
        return false;
    if (row.changedBy != Nobody && row.destination == Destination::PageLink)
        return false;
    if ((row.destination == Destination::CoreOption ||
         (row.destination == Destination::Sound && row.changedBy != Nobody)) &&
        !IsBoolean(row))
        return false;
    return row.lowest <= row.highest && row.grain > 0;
}

constexpr bool AllReachable()
{
    for (const Row* row : all) {
        if (!Reachable(*row))
            return false;
    }
    return Reachable(HearingProblem);
}
static_assert(AllReachable(), "a row's faces write where its destination cannot take it");

inline QString Name(const Row& row)
{
    return QString::fromLatin1(row.name);
}

// The row of that name; null for none.
inline const Row* Find(const QString& name)
{
    for (const Row* row : all) {
        if (name == QLatin1String(row->name))
            return row;
    }
    return nullptr;
}

} // namespace Property
