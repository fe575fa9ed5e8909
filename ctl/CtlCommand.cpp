#include "ctl/CtlCommand.h"

#include "ctl/ValueParsers.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <optional>
#include <QCommandLineParser>

namespace {

const char* const commandList =
    "Commands:\n"
    "  status [--json]          show every setting (the default command)\n"
    "  check [--json]           why the radio may be silent: each link from the transmitter to\n"
    "                           the sound, ok or broken with what to do; measures the sound 2 s\n"
    "  on | off | toggle        go on air, off air, or the other way\n"
    "  mute | unmute            mute or unmute the transmitted audio\n"
    "  frequency MHZ            tune to MHZ, e.g. 88.5, on the 50 kHz grid\n"
    "  up | down                one tuning step up or down (on air only)\n"
    "  power 0-90               transmit power, the PA-VALUE slider\n"
    "  gain 0-23                audio input gain, the TX-GAIN slider\n"
    "  stereo | mono            stereo or mono transmission\n"
    "  band 87.5-108|76-90      the frequency band in MHz\n"
    "  step 200|100|50          the tuning step in kHz\n"
    "  deemphasis 50|75         the de-emphasis in microseconds\n"
    "  sound on|off             route the desktop's sound to the transmitter\n"
    "  favourite list           the favourite frequencies, one a line in MHz\n"
    "  favourite add [MHZ]      add MHZ, or the frequency in use, to the favourites\n"
    "  favourite remove MHZ     remove MHZ from the favourites\n"
    "  favourite next|previous  tune to the next favourite above or below, round\n"
    "  start-on-air on|off      go on air once a transmitter is connected after the start\n"
    "  start-at-login on|off    start Tessaly, in the tray, when you log in\n"
    "  web on|off               serve the web page for phones, or stop\n"
    "  web address              print the page's address\n"
    "  web renew                a new address; the old one stops working\n"
    "  web network on|off       let other devices on the network reach the page\n"
    "  web port 1024-65535      the page's port\n"
    "  show                     show and raise the main window\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  Tessaly refused the request or failed to carry it out\n"
    "  2  usage error or bad value; nothing was sent\n"
    "  3  Tessaly is not running and could not be started, or the session bus did not answer\n"
    "  4  Tessaly did not answer in time (see --timeout); the command may still take effect\n"
    "  check: 0 when every link holds, 1 when one is broken, also when Tessaly is not running or does\n"
    "  not answer within 2.9 s (or --timeout)\n";

// Properties and methods whose change goes out to the transmitter in a report.
const QStringList transmitterProperties = {
    Property::Name(Property::Frequency),  Property::Name(Property::OnAir),
    Property::Name(Property::Muted),      Property::Name(Property::PaLevel),
    Property::Name(Property::TxGain),     Property::Name(Property::Stereo),
    Property::Name(Property::Band),       Property::Name(Property::Step),
    Property::Name(Property::Deemphasis),
};
const QStringList transmitterMethods = {QStringLiteral("StepUp"), QStringLiteral("StepDown")};

CtlCommand usage(const QString& error)
{
    CtlCommand command;
    command.error = error + QLatin1String("\nTry 'tessalyctl --help'.");
    return command;
}

using Action = CtlCommand::Action;

// What follows a command's words.
enum class Takes
{
    Nothing,
    Json,      // nothing but --json, which may stand before or after it
    Frequency, // megahertz
    Level,     // a whole number in the property's range
    OnOff,
    Band,
    Step,
    Deemphasis,
};

// One command: its words, what it takes, and what it sends.
struct Command
{
    const char* word;
    const char* sub; // the second word, for favourite and web; empty for the other commands
    Takes takes;
    Action action;
    const Property::Row* property; // what is written or read, or printed after the call
    const char* method;            // Call's
    bool yes;                      // Takes::Nothing: the boolean SetProperty writes; TuneFavourite: upward
};

// The commands in the order they are tried; a word's rows stand together.
constexpr Command commands[] = {
    {"status", "", Takes::Json, Action::Status, nullptr, nullptr, false},
    {"check", "", Takes::Json, Action::Check, nullptr, "Check", false},
    {"on", "", Takes::Nothing, Action::SetProperty, &Property::OnAir, nullptr, true},
    {"off", "", Takes::Nothing, Action::SetProperty, &Property::OnAir, nullptr, false},
    {"toggle", "", Takes::Nothing, Action::Toggle, &Property::OnAir, nullptr, false},
    {"mute", "", Takes::Nothing, Action::SetProperty, &Property::Muted, nullptr, true},
    {"unmute", "", Takes::Nothing, Action::SetProperty, &Property::Muted, nullptr, false},
    {"stereo", "", Takes::Nothing, Action::SetProperty, &Property::Stereo, nullptr, true},
    {"mono", "", Takes::Nothing, Action::SetProperty, &Property::Stereo, nullptr, false},
    {"up", "", Takes::Nothing, Action::Call, nullptr, "StepUp", false},
    {"down", "", Takes::Nothing, Action::Call, nullptr, "StepDown", false},
    {"show", "", Takes::Nothing, Action::Call, nullptr, "Show", false},
    {"frequency", "", Takes::Frequency, Action::SetProperty, &Property::Frequency, nullptr, false},
    {"power", "", Takes::Level, Action::SetProperty, &Property::PaLevel, nullptr, false},
    {"gain", "", Takes::Level, Action::SetProperty, &Property::TxGain, nullptr, false},
    {"band", "", Takes::Band, Action::SetProperty, &Property::Band, nullptr, false},
    {"step", "", Takes::Step, Action::SetProperty, &Property::Step, nullptr, false},
    {"deemphasis", "", Takes::Deemphasis, Action::SetProperty, &Property::Deemphasis, nullptr, false},
    {"sound", "", Takes::OnOff, Action::SetProperty, &Property::SoundRouting, nullptr, false},
    {"start-on-air", "", Takes::OnOff, Action::SetProperty, &Property::OnAirAtStart, nullptr, false},
    {"start-at-login", "", Takes::OnOff, Action::SetProperty, &Property::StartAtLogin, nullptr, false},
    {"favourite", "list", Takes::Nothing, Action::ListFavourites, &Property::Favourites, nullptr, false},
    {"favourite", "add", Takes::Nothing, Action::Call, nullptr, "AddFavourite", false}, // the one in use
    {"favourite", "add", Takes::Frequency, Action::Call, nullptr, "AddFavourite", false},
    {"favourite", "remove", Takes::Frequency, Action::Call, nullptr, "RemoveFavourite", false},
    {"favourite", "next", Takes::Nothing, Action::TuneFavourite, &Property::Frequency, nullptr, true},
    {"favourite", "previous", Takes::Nothing, Action::TuneFavourite, &Property::Frequency, nullptr, false},
    {"web", "on", Takes::Nothing, Action::SetProperty, &Property::WebControl, nullptr, true},
    {"web", "off", Takes::Nothing, Action::SetProperty, &Property::WebControl, nullptr, false},
    {"web", "address", Takes::Nothing, Action::Print, &Property::WebAddress, nullptr, false},
    {"web", "renew", Takes::Nothing, Action::Call, &Property::WebAddress, "RenewWebToken", false},
    {"web", "network", Takes::OnOff, Action::SetProperty, &Property::WebNetwork, nullptr, false},
    {"web", "port", Takes::Level, Action::SetProperty, &Property::WebPort, nullptr, false},
};

// What the commands with a second word take, as their usage errors list it.
struct Group
{
    const char* word;
    const char* choices;
};
constexpr Group groups[] = {
    {"favourite", "list, add [MHZ], remove MHZ, next or previous"},
    {"web", "on, off, address, renew, network on|off or port N"},
};

bool grouped(const Command& row)
{
    return *row.sub != '\0';
}

bool takesValue(const Command& row)
{
    return row.takes != Takes::Nothing && row.takes != Takes::Json;
}

// Whether values, the words after the command's first, are the ones row takes; its value comes last.
bool fits(const Command& row, const QStringList& values)
{
    if (grouped(row) && values.value(0) != QLatin1String(row.sub))
        return false;
    return values.size() == qsizetype{grouped(row)} + qsizetype{takesValue(row)};
}

// The usage error for values that fit none of the rows of row's word.
QString misfit(const Command& row, const QStringList& values)
{
    const QString word = QLatin1String(row.word);
    const QString given = values.join(QLatin1Char(' '));
    for (const Group& group : groups) {
        if (word == QLatin1String(group.word))
            return QStringLiteral("%1 takes %2, not '%3'").arg(word, QLatin1String(group.choices), given);
    }
    if (row.takes == Takes::Nothing)
        return QStringLiteral("%1 takes no value, not '%2'").arg(word, given);
    if (row.takes == Takes::Json)
        return QStringLiteral("%1 takes only --json, not '%2'").arg(word, given);
    return QStringLiteral("%1 takes one value").arg(word);
}

// The value text gives what row takes.
ParsedValue parsedValue(const Command& row, const QString& text)
{
    const QString word = grouped(row) ? QLatin1String(row.word) + QLatin1Char(' ') + QLatin1String(row.sub)
                                      : QLatin1String(row.word);
    switch (row.takes) {
    case Takes::Frequency:
        return frequencyValue(word, text);
    case Takes::Level:
        return levelValue(word, text, int(row.property->lowest), int(row.property->highest));
    case Takes::OnOff:
        return onOffValue(word, text);
    case Takes::Band:
        return bandValue(text);
    case Takes::Step:
        return stepValue(text);
    case Takes::Deemphasis:
        return deemphasisValue(text);
    case Takes::Nothing:
    case Takes::Json:
        break;
    }
    return {};
}

// What row sends for values, which fit it.
CtlCommand fromRow(const Command& row, const QStringList& values, bool json)
{
    CtlCommand command;
    command.action = row.action;
    if (row.property)
        command.property = Property::Name(*row.property);
    if (row.method)
        command.method = QLatin1String(row.method);
    command.json = json;
    command.upward = row.action == Action::TuneFavourite && row.yes;
    if (row.takes == Takes::Nothing && row.action == Action::SetProperty)
        command.value = row.yes;
    if (!takesValue(row))
        return command;
    const ParsedValue parsed = parsedValue(row, values.last());
    if (!parsed.error.isEmpty())
        return usage(parsed.error);
    command.value = parsed.value;
    return command;
}

// The command word and the values after it ask for, walking the table; json is whether --json was given.
CtlCommand lookUp(const QString& word, const QStringList& values, bool json)
{
    const auto named = [&word](const Command& row) { return word == QLatin1String(row.word); };
    const Command* const first = std::find_if(std::begin(commands), std::end(commands), named);
    const Command* const end = std::find_if_not(first, std::end(commands), named);
    if (json && (first == end || first->takes != Takes::Json))
        return usage(QStringLiteral("--json goes with status and check only"));
    if (first == end)
        return usage(QStringLiteral("unknown command '%1'").arg(word));
    for (const Command* row = first; row != end; ++row) {
        if (fits(*row, values))
            return fromRow(*row, values, json);
    }
    return usage(misfit(*first, values));
}

// Takes the options given after the command out of words (the parser takes all that follows the command
// as it stands, so that "power -5" reaches the value check): "--timeout N", "--timeout=N" and "--json".
// Returns the timeout text, empty when none was given, or nullopt when --timeout lacks its value.
std::optional<QString> takeTrailingOptions(QStringList& words, bool& json)
{
    QString timeout;
    for (qsizetype index = 0; index < words.size();) {
        const QString word = words.at(index);
        if (word == QLatin1String("--json")) {
            json = true;
            words.removeAt(index);
        } else if (word == QLatin1String("--timeout")) {
            if (index + 1 == words.size())
                return std::nullopt;
            timeout = words.at(index + 1);
            words.remove(index, 2);
        } else if (word.startsWith(QLatin1String("--timeout="))) {
            timeout = word.mid(word.indexOf(QLatin1Char('=')) + 1);
            words.removeAt(index);
            if (timeout.isEmpty())
                return std::nullopt;
        } else {
            ++index;
        }
    }
    return timeout;
}

} // namespace

int CtlCommand::unreachableExit() const
{
    return int(action == Action::Check ? CtlExit::Refused : CtlExit::NotRunning);
}

bool CtlCommand::changes() const
{
    switch (action) {
    case Action::SetProperty:
    case Action::Toggle:
    case Action::Call:
    case Action::TuneFavourite:
        return true;
    default:
        return false;
    }
}

bool CtlCommand::reachesTransmitter() const
{
    if (action == Action::Call)
        return transmitterMethods.contains(method);
    return changes() && transmitterProperties.contains(property);
}

qint64 neighbourFavourite(const QList<uint>& all, uint kilohertz, bool upward, const BandLimits& band)
{
    QList<uint> favourites;
    for (const uint favourite : all) {
        if (favourite >= Frequency::FromUnits(band.lower).Kilohertz() &&
            favourite <= Frequency::FromUnits(band.upper).Kilohertz())
            favourites.append(favourite);
    }
    if (favourites.isEmpty())
        return -1;
    qint64 found = -1;
    for (const uint favourite : favourites) {
        if (upward && favourite > kilohertz && (found < 0 || favourite < found))
            found = favourite;
        if (!upward && favourite < kilohertz && (found < 0 || favourite > found))
            found = favourite;
    }
    if (found < 0) // none beyond it: round to the other end
        found = upward ? *std::min_element(favourites.begin(), favourites.end())
                       : *std::max_element(favourites.begin(), favourites.end());
    return found;
}

CtlCommand CtlCommand::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Controls the running Tessaly over the session bus."));
    // So that "power -5" reaches the value check rather than failing as an unknown option.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption jsonOption(
        QStringLiteral("json"), QStringLiteral("With status: one JSON object keyed by property name."));
    parser.addOption(jsonOption);
    const QCommandLineOption timeoutOption(
        QStringLiteral("timeout"),
        QStringLiteral("How long to wait for the session bus and for Tessaly to answer (default 5)."),
        QStringLiteral("seconds"));
    parser.addOption(timeoutOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do; see Commands below."),
                                 QStringLiteral("[command [value]]"));
    if (!parser.parse(arguments))
        return usage(parser.errorText());

    CtlCommand command;
    // --help-all adds only the generic Qt options, of which this client takes none.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        command.action = Action::Help;
        command.helpText = parser.helpText() + QLatin1Char('\n') + QLatin1String(commandList);
        return command;
    }
    if (parser.isSet(versionOption)) {
        command.action = Action::Version;
        return command;
    }

    QStringList words = parser.positionalArguments();
    bool json = parser.isSet(jsonOption);
    const std::optional<QString> trailingTimeout = takeTrailingOptions(words, json);
    const QString timeout =
        trailingTimeout && !trailingTimeout->isEmpty() ? *trailingTimeout : parser.value(timeoutOption);
    const int timeoutMs = !trailingTimeout    ? -1
                          : timeout.isEmpty() ? command.timeoutMs
                                              : parseMilliseconds(timeout);
    if (timeoutMs < 0)
        return usage(
            QStringLiteral("--timeout takes seconds above 0, such as 5 or 0.5, not '%1'").arg(timeout));

    const QString word = words.isEmpty() ? QStringLiteral("status") : words.takeFirst();
    CtlCommand asked = lookUp(word, words, json);
    asked.timeoutMs = asked.action == Action::Check && timeout.isEmpty() ? checkTimeoutMs : timeoutMs;
    return asked;
}
