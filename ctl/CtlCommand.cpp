#include "ctl/CtlCommand.h"

#include "ctl/StatusText.h"

#include <optional>
#include <QCommandLineParser>
#include <QRegularExpression>

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
constexpr qint64 lowestKilohertz = 76000;
constexpr qint64 highestKilohertz = 108000;
constexpr qint64 gridKilohertz = 50;

const char* const commandList = "Commands:\n"
                                "  status [--json]      show every setting (the default command)\n"
                                "  on | off | toggle    go on air, off air, or the other way\n"
                                "  mute | unmute        mute or unmute the transmitted audio\n"
                                "  frequency MHZ        tune to MHZ, e.g. 88.5, on the 50 kHz grid\n"
                                "  up | down            one tuning step up or down (on air only)\n"
                                "  power 0-90           transmit power, the PA-VALUE slider\n"
                                "  gain 0-23            audio input gain, the TX-GAIN slider\n"
                                "  stereo | mono        stereo or mono transmission\n"
                                "  band 87.5-108|76-90  the frequency band in MHz\n"
                                "  step 200|100|50      the tuning step in kHz\n"
                                "  deemphasis 50|75     the de-emphasis in microseconds\n"
                                "  sound on|off         route the desktop's sound to the transmitter\n"
                                "  show                 show and raise the main window\n"
                                "\n"
                                "Exit status:\n"
                                "  0  done\n"
                                "  1  Tessaly refused the request or failed to carry it out\n"
                                "  2  usage error or bad value; nothing was sent\n"
                                "  3  Tessaly is not running and could not be started\n";

CtlCommand usage(const QString& error)
{
    CtlCommand command;
    command.error = error;
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

// A whole number from 0 to highest, or -1.
int wholeNumber(const QString& text, int highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    if (!digits.match(text).hasMatch())
        return -1;
    const int number = text.toInt();
    return number <= highest ? number : -1;
}

CtlCommand frequency(const QString& text)
{
    const qint64 kilohertz = kilohertzFromMegahertz(text);
    if (kilohertz < lowestKilohertz || kilohertz > highestKilohertz)
        return usage(
            QStringLiteral("frequency takes megahertz from 76 to 108 (e.g. 88.5), not '%1'").arg(text));
    if (kilohertz % gridKilohertz != 0) {
        const qint64 below = kilohertz - kilohertz % gridKilohertz;
        return usage(
            QStringLiteral("%1 MHz is off the transmitter's 50 kHz grid; the nearest are %2 and %3 MHz")
                .arg(text, megahertzText(below), megahertzText(below + gridKilohertz)));
    }
    return setProperty("Frequency", uint(kilohertz));
}

CtlCommand level(const QString& word, const QString& text, const char* property, int highest)
{
    const int value = wholeNumber(text, highest);
    if (value < 0)
        return usage(QStringLiteral("%1 takes a whole number from 0 to %2, not '%3'")
                         .arg(word)
                         .arg(highest)
                         .arg(text));
    return setProperty(property, uint(value));
}

// Commands followed by one value; nullopt for any other word.
std::optional<CtlCommand> valueCommand(const QString& word, const QStringList& values)
{
    static const QStringList words = {
        QStringLiteral("frequency"), QStringLiteral("power"), QStringLiteral("gain"),
        QStringLiteral("band"),      QStringLiteral("step"),  QStringLiteral("deemphasis"),
        QStringLiteral("sound"),
    };
    if (!words.contains(word))
        return std::nullopt;
    if (values.size() != 1)
        return usage(QStringLiteral("%1 takes one value; see tessalyctl --help").arg(word));
    const QString& text = values.first();
    if (word == QLatin1String("frequency"))
        return frequency(text);
    if (word == QLatin1String("power"))
        return level(word, text, "PaLevel", 90);
    if (word == QLatin1String("gain"))
        return level(word, text, "TxGain", 23);
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
    if (text != QLatin1String("on") && text != QLatin1String("off"))
        return usage(QStringLiteral("sound takes on or off, not '%1'").arg(text));
    return setProperty("SoundRouting", text == QLatin1String("on"));
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
        if (word == QLatin1String(entry.word)) {
            command.action = CtlCommand::Action::Call;
            command.method = QLatin1String(entry.method);
        }
    }
    if (command.action == CtlCommand::Action::Usage)
        return std::nullopt;
    if (!values.isEmpty())
        return usage(QStringLiteral("%1 takes no value, not '%2'").arg(word, values.join(QLatin1Char(' '))));
    return command;
}

} // namespace

qint64 kilohertzFromMegahertz(const QString& text)
{
    // Whole kilohertz only: further decimals must be zeros.
    static const QRegularExpression megahertz(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]{0,3})0*)?$"));
    const QRegularExpressionMatch match = megahertz.match(text);
    if (!match.hasMatch())
        return -1;
    const QString fraction = match.captured(2).leftJustified(3, QLatin1Char('0'));
    return match.captured(1).toLongLong() * 1000 + fraction.toLongLong();
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
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do; see Commands below."),
                                 QStringLiteral("[command [value]]"));
    if (!parser.parse(arguments))
        return usage(parser.errorText());

    CtlCommand command;
    if (parser.isSet(helpOption)) {
        command.action = Action::Help;
        command.helpText = parser.helpText() + QLatin1Char('\n') + QLatin1String(commandList);
        return command;
    }
    if (parser.isSet(versionOption)) {
        command.action = Action::Version;
        return command;
    }

    QStringList words = parser.positionalArguments();
    const QString word = words.isEmpty() ? QStringLiteral("status") : words.takeFirst();
    if (word == QLatin1String("status")) {
        const bool json = words == QStringList{QStringLiteral("--json")};
        if (!words.isEmpty() && !json)
            return usage(
                QStringLiteral("status takes only --json, not '%1'").arg(words.join(QLatin1Char(' '))));
        command.action = Action::Status;
        command.json = json || parser.isSet(jsonOption);
        return command;
    }
    if (parser.isSet(jsonOption))
        return usage(QStringLiteral("--json goes with status only"));
    if (std::optional<CtlCommand> valued = valueCommand(word, words))
        return *valued;
    if (std::optional<CtlCommand> bare = bareCommand(word, words))
        return *bare;
    return usage(QStringLiteral("unknown command '%1'; see tessalyctl --help for the commands").arg(word));
}
