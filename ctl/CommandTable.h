#pragma once

#include "ctl/CtlCommand.h"
#include "state/Properties.h"

#include <QString>
#include <span>

// tessalyctl's commands, one row each: the words, what follows them, what is sent, and the line --help
// shows for it. The parser walks these rows and --help is made from them and the properties' rows, so a
// command is written down once.
namespace CtlCommands {

// What follows a command's words.
enum class Takes
{
    Nothing,
    Json,      // nothing but --json, which may stand before or after it
    Frequency, // megahertz
    Level,     // a whole number in the property's range
    OnOff,
    Choice, // one of the property's choices
};

struct Command
{
    const char* word;
    const char* sub; // the second word, for favourite and web; empty for the other commands
    Takes takes;
    CtlCommand::Action action;
    const Property::Row* property; // what is written or read, or printed after the call
    const char* method;            // Call's
    bool yes;                      // Takes::Nothing: the boolean SetProperty writes; TuneFavourite: upward
    const char* help;              // what --help says of it; null when it shares the line of the row above
};

// In the order they are tried and --help lists them; a word's rows stand together.
std::span<const Command> All();

inline bool Grouped(const Command& row)
{
    return *row.sub != '\0';
}

inline bool TakesValue(const Command& row)
{
    return row.takes != Takes::Nothing && row.takes != Takes::Json;
}

// What follows the words in a synopsis: "MHZ", "0-90", "on|off", "[--json]"; empty for nothing.
QString ValueWords(const Command& row);
// What the rows of word after the first take, for its usage error: "list, add [MHZ], remove MHZ, ...".
QString SecondWords(const QString& word);
// The "Commands:" part of --help.
QString Help();

} // namespace CtlCommands
