#include "ctl/CommandTable.h"

#include "ctl/ValueParsers.h"
#include "state/PropertyValues.h"

#include <QCoreApplication>
#include <QStringList>

namespace CtlCommands {
namespace {

using Action = CtlCommand::Action;
using namespace Property;

constexpr Command commands[] = {
    {"status", "", Takes::Json, Action::Status, nullptr, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "show every setting (the default command)")},
    {"check", "", Takes::Json, Action::Check, nullptr, "Check", false,
     QT_TRANSLATE_NOOP("CtlCommands", "why the radio may be silent: each link from the transmitter to\n"
                                      "the sound, ok or broken with what to do; measures the sound 2 s")},
    {"on", "", Takes::Nothing, Action::SetProperty, &OnAir, nullptr, true,
     QT_TRANSLATE_NOOP("CtlCommands", "go on air, off air, or the other way")},
    {"off", "", Takes::Nothing, Action::SetProperty, &OnAir, nullptr, false, nullptr},
    {"toggle", "", Takes::Nothing, Action::Toggle, &OnAir, nullptr, false, nullptr},
    {"mute", "", Takes::Nothing, Action::SetProperty, &Muted, nullptr, true,
     QT_TRANSLATE_NOOP("CtlCommands", "mute or unmute the transmitted audio")},
    {"unmute", "", Takes::Nothing, Action::SetProperty, &Muted, nullptr, false, nullptr},
    {"frequency", "", Takes::Frequency, Action::SetProperty, &Property::Frequency, nullptr, false,
     //: MHZ is the synopsis's word for the value typed: keep it as it is
     QT_TRANSLATE_NOOP("CtlCommands", "tune to MHZ, e.g. 88.5, on the 50 kHz grid")},
    {"up", "", Takes::Nothing, Action::Call, nullptr, "StepUp", false,
     QT_TRANSLATE_NOOP("CtlCommands", "one tuning step up or down (on air only)")},
    {"down", "", Takes::Nothing, Action::Call, nullptr, "StepDown", false, nullptr},
    {"power", "", Takes::Level, Action::SetProperty, &PaLevel, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "transmit power, the PA-VALUE slider")},
    {"gain", "", Takes::Level, Action::SetProperty, &TxGain, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "audio input gain, the TX-GAIN slider")},
    {"stereo", "", Takes::Nothing, Action::SetProperty, &Stereo, nullptr, true,
     QT_TRANSLATE_NOOP("CtlCommands", "stereo or mono transmission")},
    {"mono", "", Takes::Nothing, Action::SetProperty, &Stereo, nullptr, false, nullptr},
    {"band", "", Takes::Choice, Action::SetProperty, &Band, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "the frequency band in MHz")},
    {"step", "", Takes::Choice, Action::SetProperty, &Step, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "the tuning step in kHz")},
    {"deemphasis", "", Takes::Choice, Action::SetProperty, &Deemphasis, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "the de-emphasis in microseconds")},
    {"sound", "", Takes::OnOff, Action::SetProperty, &SoundRouting, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "route the desktop's sound to the transmitter")},
    {"favourite", "list", Takes::Nothing, Action::ListFavourites, &Favourites, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "the favourite frequencies, one a line in MHz")},
    {"favourite", "add", Takes::Nothing, Action::Call, nullptr, "AddFavourite",
     false, // the one in use
            //: MHZ is the synopsis's word for the value typed: keep it as it is
     QT_TRANSLATE_NOOP("CtlCommands", "add MHZ, or the frequency in use, to the favourites")},
    {"favourite", "add", Takes::Frequency, Action::Call, nullptr, "AddFavourite", false, nullptr},
    {"favourite", "remove", Takes::Frequency, Action::Call, nullptr, "RemoveFavourite", false,
     //: MHZ is the synopsis's word for the value typed: keep it as it is
     QT_TRANSLATE_NOOP("CtlCommands", "remove MHZ from the favourites")},
    {"favourite", "next", Takes::Nothing, Action::TuneFavourite, &Property::Frequency, nullptr, true,
     QT_TRANSLATE_NOOP("CtlCommands", "tune to the next favourite above or below, round")},
    {"favourite", "previous", Takes::Nothing, Action::TuneFavourite, &Property::Frequency, nullptr, false,
     nullptr},
    {"start-on-air", "", Takes::OnOff, Action::SetProperty, &OnAirAtStart, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "go on air once a transmitter is connected after the start")},
    {"start-at-login", "", Takes::OnOff, Action::SetProperty, &StartAtLogin, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "start Tessaly, in the tray, when you log in")},
    {"web", "on", Takes::Nothing, Action::SetProperty, &WebControl, nullptr, true,
     QT_TRANSLATE_NOOP("CtlCommands", "serve the web page for phones, or stop")},
    {"web", "off", Takes::Nothing, Action::SetProperty, &WebControl, nullptr, false, nullptr},
    {"web", "address", Takes::Nothing, Action::Print, &WebAddress, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "print the page's address")},
    {"web", "renew", Takes::Nothing, Action::Call, &WebAddress, "RenewWebToken", false,
     QT_TRANSLATE_NOOP("CtlCommands", "a new address; the old one stops working")},
    {"web", "network", Takes::OnOff, Action::SetProperty, &WebNetwork, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "let other devices on the network reach the page")},
    {"web", "port", Takes::Level, Action::SetProperty, &WebPort, nullptr, false,
     QT_TRANSLATE_NOOP("CtlCommands", "the page's port")},
    {"show", "", Takes::Nothing, Action::Call, nullptr, "Show", false,
     QT_TRANSLATE_NOOP("CtlCommands", "show and raise the main window")},
};

// The numbers are the exit statuses scripts test: a translation keeps them as they are.
const char* const exitStatus =
    QT_TRANSLATE_NOOP("CtlCommands", "Exit status:\n"
                                     "  0  done\n"
                                     "  1  Tessaly refused the request or failed to carry it out\n"
                                     "  2  usage error or bad value; nothing was sent\n"
                                     "  3  Tessaly is not running and could not be started, or the "
                                     "session bus did not answer\n"
                                     "  4  Tessaly did not answer in time (see --timeout); the "
                                     "command may still take effect\n"
                                     "  check: 0 when every link holds, 1 when one is broken, also "
                                     "when Tessaly is not running or does\n"
                                     "  not answer within %1 s (or --timeout)\n");

// The synopsis of the rows from first to end, which share a line of --help: "on | off | toggle",
// "web network on|off", "favourite add [MHZ]".
QString synopsis(const Command* first, const Command* end)
{
    QStringList names;
    QString value;
    bool valueOptional = false;
    for (const Command* row = first; row != end; ++row) {
        const QString name = QLatin1String(Grouped(*row) ? row->sub : row->word);
        if (names.isEmpty() || names.last() != name)
            names.append(name);
        if (!ValueWords(*row).isEmpty())
            value = ValueWords(*row);
        else
            valueOptional = true;
    }
    if (valueOptional && !value.isEmpty())
        value = QLatin1Char('[') + value + QLatin1Char(']');
    const QString words = Grouped(*first)
                              ? QLatin1String(first->word) + QLatin1Char(' ') + names.join(QLatin1Char('|'))
                              : names.join(QLatin1String(" | "));
    return value.isEmpty() ? words : words + QLatin1Char(' ') + value;
}

} // namespace

std::span<const Command> All()
{
    return commands;
}

QString ValueWords(const Command& row)
{
    switch (row.takes) {
    case Takes::Json:
        return QStringLiteral("[--json]");
    case Takes::Frequency:
        return QStringLiteral("MHZ");
    case Takes::Level:
        return QStringLiteral("%1-%2").arg(row.property->lowest).arg(row.property->highest);
    case Takes::OnOff:
        return QStringLiteral("on|off");
    case Takes::Choice:
        return Choices(*row.property).join(QLatin1Char('|'));
    case Takes::Nothing:
        break;
    }
    return {};
}

QString SecondWords(const QString& word)
{
    QStringList taken;
    const Command* before = nullptr;
    for (const Command& row : commands) {
        if (word != QLatin1String(row.word))
            continue;
        const QString sub = QLatin1String(row.sub);
        if (before && sub == QLatin1String(before->sub) && !TakesValue(*before))
            taken.last() = sub + QStringLiteral(" [%1]").arg(ValueWords(row));
        else
            taken.append(TakesValue(row) ? sub + QLatin1Char(' ') + ValueWords(row) : sub);
        before = &row;
    }
    return alternativesText(taken);
}

QString Help()
{
    constexpr int column = 25; // where the descriptions start, after two spaces
    QString help = QCoreApplication::translate("CtlCommands", "Commands:") + QLatin1Char('\n');
    for (const Command* first = std::begin(commands); first != std::end(commands);) {
        const Command* end = first + 1;
        while (end != std::end(commands) && !end->help)
            ++end;
        const QString indent = QStringLiteral("\n%1").arg(QString(), column + 2);
        help += QStringLiteral("  %1 %2\n")
                    .arg(synopsis(first, end), -(column - 1))
                    .arg(QCoreApplication::translate("CtlCommands", first->help)
                             .replace(QLatin1Char('\n'), indent));
        first = end;
    }
    return help + QLatin1Char('\n') +
           QCoreApplication::translate("CtlCommands", exitStatus).arg(secondsText(checkTimeoutMs));
}

} // namespace CtlCommands
