#include "ctl/CtlCommand.h"

#include "ctl/StatusText.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <optional>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <variant>

namespace {

// Commands that write one boolean property.
struct Switch
{
    const char* word;
    const char* property;
    bool value;
};
constexpr Switch switches[] = {
    {"on", "OnAir", true},      {"off", "OnAir", false},    {"mute", "Muted", true},
    {"unmute", "Muted", false}, {"stereo", "Stereo", true}, {"mono", "Stereo", false},
};

// Commands that call one method without arguments.
struct Press
{
    const char* word;
    const char* method;
};
constexpr Press presses[] = {{"up", "StepUp"}, {"down", "StepDown"}, {"show", "Show"}};

// The widest range either band allows; which band is in use is the program's to judge.
constexpr qint64 lowestKilohertz = qint64{LowBand.lower} * 10;
constexpr qint64 highestKilohertz = qint64{WideBand.upper} * 10;
constexpr qint64 gridKilohertz = qint64{FrequencyGrid} * 10;

const char* const commandList =
    "Commands:\n"
    "  status [--json]          show every setting (the default command)\n"
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
    "  4  Tessaly did not answer in time (see --timeout); the command may still take effect\n";

// Properties and methods whose change goes out to the transmitter in a report.
const QStringList transmitterProperties = {
    QStringLiteral("Frequency"), QStringLiteral("OnAir"),  QStringLiteral("Muted"),
    QStringLiteral("PaLevel"),   QStringLiteral("TxGain"), QStringLiteral("Stereo"),
    QStringLiteral("Band"),      QStringLiteral("Step"),   QStringLiteral("Deemphasis"),
};
const QStringList transmitterMethods = {QStringLiteral("StepUp"), QStringLiteral("StepDown")};

CtlCommand usage(const QString& error)
{
    CtlCommand command;
    command.error = error + QLatin1String("\nTry 'tessalyctl --help'.");
    return command;
}

CtlCommand setProperty(const char* property, const QVariant& value)
{
    CtlCommand command;
    command.action = CtlCommand::Action::SetProperty;
    command.property = QLatin1String(property);
    command.value = value;
    return command;
}

CtlCommand call(const char* method, const QVariant& argument = {})
{
    CtlCommand command;
    command.action = CtlCommand::Action::Call;
    command.method = QLatin1String(method);
    command.value = argument;
    return command;
}

// A whole number from 0 to highest, or -1.
int wholeNumber(const QString& text, int highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return -1;
    const int number = text.toInt();
    return number <= highest ? number : -1;
}

// A frequency the transmitter can be tuned to, in kHz, or the usage error saying why text is none.
std::variant<uint, CtlCommand> frequency(const QString& word, const QString& text)
{
    const qint64 kilohertz = kilohertzFromMegahertz(text);
    if (kilohertz < lowestKilohertz || kilohertz > highestKilohertz)
        return usage(
            QStringLiteral("%1 takes megahertz from 76 to 108 (e.g. 88.5), not '%2'").arg(word, text));
    if (kilohertz % gridKilohertz != 0) {
        const qint64 below = kilohertz - kilohertz % gridKilohertz;
        return usage(
            QStringLiteral("%1 MHz is off the transmitter's 50 kHz grid; the nearest are %2 and %3 MHz")
                .arg(text, megahertzText(below), megahertzText(below + gridKilohertz)));
    }
    return uint(kilohertz);
}

// A command that passes the frequency in text on, or the usage error.
template <typename Make> CtlCommand withFrequency(const QString& word, const QString& text, Make make)
{
    std::variant<uint, CtlCommand> kilohertz = frequency(word, text);
    if (const uint* valid = std::get_if<uint>(&kilohertz))
        return make(*valid);
    return std::get<CtlCommand>(kilohertz);
}

CtlCommand level(const QString& word, const QString& text, const char* property, int lowest, int highest)
{
    const int value = wholeNumber(text, highest);
    if (value < lowest)
        return usage(QStringLiteral("%1 takes a whole number from %2 to %3, not '%4'")
                         .arg(word)
                         .arg(lowest)
                         .arg(highest)
                         .arg(text));
    return setProperty(property, uint(value));
}

CtlCommand onOff(const QString& word, const QString& text, const char* property)
{
    if (text != QLatin1String("on") && text != QLatin1String("off"))
        return usage(QStringLiteral("%1 takes on or off, not '%2'").arg(word, text));
    return setProperty(property, text == QLatin1String("on"));
}

// "favourite list|add [MHZ]|remove MHZ|next|previous".
CtlCommand favourite(const QStringList& values)
{
    const QString what = values.value(0);
    const QStringList rest = values.mid(1);
    CtlCommand command;
    if (what == QLatin1String("add") && rest.isEmpty())
        return call("AddFavourite");
    if ((what == QLatin1String("add") || what == QLatin1String("remove")) && rest.size() == 1) {
        const char* method = what == QLatin1String("add") ? "AddFavourite" : "RemoveFavourite";
        return withFrequency(QLatin1String("favourite ") + what, rest.first(),
                             [method](uint kilohertz) { return call(method, kilohertz); });
    }
    if (what == QLatin1String("list") && rest.isEmpty()) {
        command.action = CtlCommand::Action::ListFavourites;
        command.property = QStringLiteral("Favourites");
        return command;
    }
    if ((what == QLatin1String("next") || what == QLatin1String("previous")) && rest.isEmpty()) {
        command.action = CtlCommand::Action::TuneFavourite;
        command.property = QStringLiteral("Frequency");
        command.upward = what == QLatin1String("next");
        return command;
    }
    return usage(QStringLiteral("favourite takes list, add [MHZ], remove MHZ, next or previous, not '%1'")
                     .arg(values.join(QLatin1Char(' '))));
}

// "web on|off|address|renew", "web network on|off", "web port N".
CtlCommand web(const QStringList& values)
{
    const QString what = values.value(0);
    CtlCommand command;
    if (values.size() == 1 && (what == QLatin1String("on") || what == QLatin1String("off")))
        return onOff(QStringLiteral("web"), what, "WebControl");
    if (values.size() == 1 && what == QLatin1String("address")) {
        command.action = CtlCommand::Action::Print;
        command.property = QStringLiteral("WebAddress");
        return command;
    }
    if (values.size() == 1 && what == QLatin1String("renew")) {
        command = call("RenewWebToken");
        command.property = QStringLiteral("WebAddress");
        return command;
    }
    if (values.size() == 2 && what == QLatin1String("network"))
        return onOff(QStringLiteral("web network"), values.last(), "WebNetwork");
    if (values.size() == 2 && what == QLatin1String("port"))
        return level(QStringLiteral("web port"), values.last(), "WebPort", 1024, 65535);
    return usage(QStringLiteral("web takes on, off, address, renew, network on|off or port N, not '%1'")
                     .arg(values.join(QLatin1Char(' '))));
}

// Commands followed by one value; nullopt for any other word.
std::optional<CtlCommand> valueCommand(const QString& word, const QStringList& values)
{
    static const QStringList words = {
        QStringLiteral("frequency"), QStringLiteral("power"),        QStringLiteral("gain"),
        QStringLiteral("band"),      QStringLiteral("step"),         QStringLiteral("deemphasis"),
        QStringLiteral("sound"),     QStringLiteral("start-on-air"),
    };
    if (!words.contains(word))
        return std::nullopt;
    if (values.size() != 1)
        return usage(QStringLiteral("%1 takes one value").arg(word));
    const QString& text = values.first();
    if (word == QLatin1String("frequency"))
        return withFrequency(word, text, [](uint kilohertz) { return setProperty("Frequency", kilohertz); });
    if (word == QLatin1String("power"))
        return level(word, text, "PaLevel", 0, PaLevelMaximum);
    if (word == QLatin1String("gain"))
        return level(word, text, "TxGain", 0, TxGainMaximum);
    if (word == QLatin1String("band")) {
        if (text != QLatin1String("87.5-108") && text != QLatin1String("76-90"))
            return usage(QStringLiteral("band takes 87.5-108 or 76-90, not '%1'").arg(text));
        return setProperty("Band", text);
    }
    if (word == QLatin1String("step")) {
        const int step = wholeNumber(text, 200);
        if (step != 200 && step != 100 && step != 50)
            return usage(QStringLiteral("step takes 200, 100 or 50 (kHz), not '%1'").arg(text));
        return setProperty("Step", uint(step));
    }
    if (word == QLatin1String("deemphasis")) {
        const int deemphasis = wholeNumber(text, 75);
        if (deemphasis != 50 && deemphasis != 75)
            return usage(QStringLiteral("deemphasis takes 50 or 75 (microseconds), not '%1'").arg(text));
        return setProperty("Deemphasis", uint(deemphasis));
    }
    return onOff(word, text, word == QLatin1String("sound") ? "SoundRouting" : "OnAirAtStart");
}

// Commands that stand alone; nullopt for any other word.
std::optional<CtlCommand> bareCommand(const QString& word, const QStringList& values)
{
    CtlCommand command;
    if (word == QLatin1String("toggle")) {
        command.action = CtlCommand::Action::Toggle;
        command.property = QStringLiteral("OnAir");
    }
    for (const Switch& entry : switches) {
        if (word == QLatin1String(entry.word))
            command = setProperty(entry.property, entry.value);
    }
    for (const Press& entry : presses) {
        if (word == QLatin1String(entry.word))
            command = call(entry.method);
    }
    if (command.action == CtlCommand::Action::Usage)
        return std::nullopt;
    if (!values.isEmpty())
        return usage(QStringLiteral("%1 takes no value, not '%2'").arg(word, values.join(QLatin1Char(' '))));
    return command;
}

// Seconds as "5" or "0.5", in milliseconds; -1 when text is no such positive number.
int milliseconds(const QString& text)
{
    static const QRegularExpression seconds(QStringLiteral("^([0-9]{1,5})(?:\\.([0-9]{1,3}))?$"));
    const QRegularExpressionMatch match = seconds.match(text);
    if (!match.hasMatch())
        return -1;
    const int total =
        match.captured(1).toInt() * 1000 + match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    return total > 0 ? total : -1;
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

qint64 kilohertzFromMegahertz(const QString& text)
{
    // Whole kilohertz only: further decimals must be zeros; a point needs a digit after it.
    static const QRegularExpression megahertz(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]{1,3})0*)?$"));
    const QRegularExpressionMatch match = megahertz.match(text);
    if (!match.hasMatch())
        return -1;
    const QString fraction = match.captured(2).leftJustified(3, QLatin1Char('0'));
    return match.captured(1).toLongLong() * 1000 + fraction.toLongLong();
}

qint64 neighbourFavourite(const QList<uint>& all, uint kilohertz, bool upward, const BandLimits& band)
{
    QList<uint> favourites;
    for (const uint favourite : all) {
        if (favourite >= uint(band.lower) * 10 && favourite <= uint(band.upper) * 10)
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
                                              : milliseconds(timeout);
    if (timeoutMs < 0)
        return usage(
            QStringLiteral("--timeout takes seconds above 0, such as 5 or 0.5, not '%1'").arg(timeout));

    const QString word = words.isEmpty() ? QStringLiteral("status") : words.takeFirst();
    if (word == QLatin1String("status")) {
        if (!words.isEmpty())
            return usage(
                QStringLiteral("status takes only --json, not '%1'").arg(words.join(QLatin1Char(' '))));
        command.action = Action::Status;
        command.json = json;
    } else if (json) {
        return usage(QStringLiteral("--json goes with status only"));
    } else if (word == QLatin1String("favourite")) {
        command = favourite(words);
    } else if (word == QLatin1String("web")) {
        command = web(words);
    } else if (std::optional<CtlCommand> valued = valueCommand(word, words)) {
        command = *valued;
    } else if (std::optional<CtlCommand> bare = bareCommand(word, words)) {
        command = *bare;
    } else {
        return usage(QStringLiteral("unknown command '%1'").arg(word));
    }
    command.timeoutMs = timeoutMs;
    return command;
}
