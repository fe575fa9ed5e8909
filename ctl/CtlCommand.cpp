#include "ctl/CtlCommand.h"

#include "ctl/CommandTable.h"
#include "ctl/ValueParsers.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <optional>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QStringList transmitterMethods = {QStringLiteral("StepUp"), QStringLiteral("StepDown")};

CtlCommand usage(const QString& error)
{
    CtlCommand command;
    command.error =
        error + QLatin1Char('\n') + QCoreApplication::translate("CtlCommand", "Try 'tessalyctl --help'.");
    return command;
}

using Action = CtlCommand::Action;
using namespace CtlCommands;

// Whether values, the words after the command's first, are the ones row takes; its value comes last.
bool fits(const Command& row, const QStringList& values)
{
    if (Grouped(row) && values.value(0) != QLatin1String(row.sub))
        return false;
    return values.size() == qsizetype{Grouped(row)} + qsizetype{TakesValue(row)};
}

// The usage error for values that fit none of the rows of row's word.
QString misfit(const Command& row, const QStringList& values)
{
    const QString word = QLatin1String(row.word);
    const QString given = values.join(QLatin1Char(' '));
    if (Grouped(row))
        return QCoreApplication::translate("CtlCommand", "%1 takes %2, not '%3'")
            .arg(word, SecondWords(word), given);
    if (row.takes == Takes::Nothing)
        return QCoreApplication::translate("CtlCommand", "%1 takes no value, not '%2'").arg(word, given);
    if (row.takes == Takes::Json)
        return QCoreApplication::translate("CtlCommand", "%1 takes only --json, not '%2'").arg(word, given);
    return QCoreApplication::translate("CtlCommand", "%1 takes one value").arg(word);
}

// The value text gives what row takes.
ParsedValue parsedValue(const Command& row, const QString& text)
{
    const QString word = Grouped(row) ? QLatin1String(row.word) + QLatin1Char(' ') + QLatin1String(row.sub)
                                      : QLatin1String(row.word);
    switch (row.takes) {
    case Takes::Frequency:
        return frequencyValue(word, text);
    case Takes::Level:
        return levelValue(word, text, int(row.property->lowest), int(row.property->highest));
    case Takes::OnOff:
        return onOffValue(word, text);
    case Takes::Choice:
        return choiceValue(word, *row.property, text);
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
    if (!TakesValue(row))
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
    const auto first = std::find_if(All().begin(), All().end(), named);
    const auto end = std::find_if_not(first, All().end(), named);
    if (json && (first == end || first->takes != Takes::Json))
        return usage(QCoreApplication::translate("CtlCommand", "--json goes with status and check only"));
    if (first == end)
        return usage(QCoreApplication::translate("CtlCommand", "unknown command '%1'").arg(word));
    for (auto row = first; row != end; ++row) {
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
    // The core's own properties, not the choices it keeps in files, go out in a report.
    const Property::Row* row = Property::Find(property);
    return changes() && row && row->destination == Property::Destination::Core;
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
    parser.setApplicationDescription(
        QCoreApplication::translate("CtlCommand", "Controls the running Tessaly over the session bus."));
    // So that "power -5" reaches the value check rather than failing as an unknown option.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        QCoreApplication::translate("CtlCommand", "With status: one JSON object keyed by property name."));
    parser.addOption(jsonOption);
    const QCommandLineOption timeoutOption(
        QStringLiteral("timeout"),
        QCoreApplication::translate(
            "CtlCommand", "How long to wait for the session bus and for Tessaly to answer (default 5)."),
        //: The value --timeout takes, shown as <seconds>
        QCoreApplication::translate("CtlCommand", "seconds"));
    parser.addOption(timeoutOption);
    //: The first word after tessalyctl, in its --help; the command words themselves stay as they are
    parser.addPositionalArgument(QCoreApplication::translate("CtlCommand", "command"),
                                 QCoreApplication::translate("CtlCommand", "What to do; see Commands below."),
                                 //: The synopsis; the command words themselves stay as they are
                                 QCoreApplication::translate("CtlCommand", "[command [value]]"));
    if (!parser.parse(arguments))
        return usage(parser.errorText());

    CtlCommand command;
    // --help-all adds only the generic Qt options, of which this client takes none.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        command.action = Action::Help;
        command.helpText = parser.helpText() + QLatin1Char('\n') + CtlCommands::Help();
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
        //: 5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone
        return usage(QCoreApplication::translate(
                         "CtlCommand", "--timeout takes seconds above 0, such as 5 or 0.5, not '%1'")
                         .arg(timeout));

    const QString word = words.isEmpty() ? QStringLiteral("status") : words.takeFirst();
    CtlCommand asked = lookUp(word, words, json);
    asked.timeoutMs = asked.action == Action::Check && timeout.isEmpty() ? checkTimeoutMs : timeoutMs;
    return asked;
}
