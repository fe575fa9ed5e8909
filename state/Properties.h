#pragma once

#include "state/TransmitterValues.h"

#include <cstdint>
#include <QString>

// Every property the program offers its faces: the session bus, tessalyctl and the phone page. One row a
// property, and its name is spelled nowhere else: the bus's introspection and its read-only and type
// refusals, the core's, the sound's and the web page's property maps, tessalyctl's commands and status
// lines and the page's writable set are made from these rows. tessalyctl includes this header and links
// nothing of the program.
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

struct Row
{
    const char* name;
    const char* busType;  // "u", "b", "s" or "au"
    unsigned changedBy;   // Faces; Nobody for a read-only property
    std::uint32_t lowest; // "u" with a range: what it takes, before any rule of its own (the grid, the band
                          // in use); 0 to 0 for a choice of values
    std::uint32_t highest;
    const char* label; // the status line's label; empty when the property shows within another line
    const char* shown; // how a person reads it
};

inline constexpr Row Frequency{"Frequency",
                               "u",
                               Everyone,
                               LowBand.lower * 10,
                               WideBand.upper * 10,
                               "Frequency",
                               "kHz on the 50 kHz grid inside the band in use, shown \"88.10 MHz\""};
inline constexpr Row OnAir{"OnAir", "b", Everyone, 0, 1, "On air", "\"yes\" or \"no\""};
inline constexpr Row Muted{"Muted", "b", Everyone, 0, 1, "Muted", "\"yes\" or \"no\""};
inline constexpr Row PaLevel{
    "PaLevel",
    "u",
    Everyone,
    0,
    PaLevelMaximum,
    "Power",
    "0 to 90, shown \"60 of 90, PA-VALUE 90\" (the transmitter receives the level + 30)"};
inline constexpr Row TxGain{"TxGain", "u", Everyone, 0, TxGainMaximum, "Gain", "0 to 23, shown \"5 of 23\""};
inline constexpr Row Stereo{"Stereo", "b", Everyone, 0, 1, "Audio", "\"stereo\" or \"mono\""};
inline constexpr Row Band{"Band", "s", Bus | Ctl, 0, 0, "Band", "\"87.5-108\" or \"76-90\", shown in MHz"};
inline constexpr Row Step{"Step", "u", Bus | Ctl, 0, 0, "Step", "200, 100 or 50 kHz"};
inline constexpr Row Deemphasis{"Deemphasis", "u", Bus | Ctl, 0, 0, "De-emphasis", "50 or 75 µs"};
inline constexpr Row Connected{"Connected", "b", Nobody, 0, 1, "", "a transmitter is open"};
inline constexpr Row Connection{
    "Connection", "s", Nobody, 0, 0, "", "\"connected\", \"absent\" or \"no-permission\""};
inline constexpr Row Delivered{"Delivered", "b", Nobody, 0, 1, "", "the transmitter took the state shown"};
inline constexpr Row WriteFailedAt{
    "WriteFailedAt", "s", Nobody, 0, 0, "", "\"hh:mm:ss\" while not delivered"};
inline constexpr Row SoundRouting{"SoundRouting", "b", Bus | Ctl, 0, 1, "Sound routing", "\"on\" or \"off\""};
inline constexpr Row SoundState{"SoundState", "s", Nobody, 0, 0, "Sound", "where the sound goes"};
inline constexpr Row SoundSink{"SoundSink", "s", Nobody, 0, 0, "", "the transmitter's sound card"};
inline constexpr Row SoundElsewhere{"SoundElsewhere",
                                    "s",
                                    Nobody,
                                    0,
                                    0,
                                    "",
                                    "where the sound settings send the sound instead, while \"elsewhere\""};
inline constexpr Row OnAirAtStart{"OnAirAtStart",     "b", Bus | Ctl, 0, 1, "On air at start",
                                  "\"yes\" or \"no\""};
inline constexpr Row StartAtLogin{"StartAtLogin",     "b", Bus | Ctl, 0, 1, "Start at login",
                                  "\"yes\" or \"no\""};
inline constexpr Row Favourites{
    "Favourites", "au", Nobody, 0, 0, "Favourites", "kHz, shown \"88.50, 100.10 MHz\""};
inline constexpr Row WebControl{"WebControl", "b", Bus | Ctl, 0, 1, "Web page", "\"off\", or the address"};
inline constexpr Row WebAddress{"WebAddress", "s", Nobody, 0, 0, "", "the page's address with its token"};
inline constexpr Row WebNetwork{"WebNetwork", "b", Bus | Ctl, 0, 1, "", "other devices may reach the page"};
inline constexpr Row WebPort{"WebPort", "u", Bus | Ctl, 1024, 65535, "", "1024 to 65535"};
// The phone page's alone, so not among all below: the bus and tessalyctl have the whole check instead.
inline constexpr Row HearingProblem{
    "HearingProblem", "s", Nobody, 0, 0, "", "the hearing check's first broken link, empty while none is"};

// In the order the bus lists them and status shows them.
inline constexpr const Row* all[] = {
    &Frequency,     &OnAir,        &Muted,      &PaLevel,        &TxGain,       &Stereo,
    &Band,          &Step,         &Deemphasis, &Connected,      &Connection,   &Delivered,
    &WriteFailedAt, &SoundRouting, &SoundState, &SoundElsewhere, &OnAirAtStart, &StartAtLogin,
    &Favourites,    &WebControl,   &WebAddress, &WebNetwork,     &WebPort};

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
