#include "ctl/ValueParsers.h"

#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/PropertyValues.h"
#include "state/TransmitterValues.h"

#include <optional>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

constexpr qint64 gridKilohertz = Property::Frequency.grain;

ParsedValue refused(const QString& error)
{
    return {{}, error};
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

} // namespace

ParsedValue frequencyValue(const QString& word, const QString& text)
{
    // The widest range either band allows; which band is in use is the program's to judge.
    const qint64 kilohertz = kilohertzFromMegahertz(text);
    const QLocale locale;
    if (kilohertz < Property::Frequency.lowest || kilohertz > Property::Frequency.highest)
        return refused(QCoreApplication::translate("ValueParsers",
                                                   "%1 takes megahertz from %2 to %3 (e.g. %4), not '%5'")
                           .arg(word, locale.toString(Property::Frequency.lowest / 1000.0),
                                locale.toString(Property::Frequency.highest / 1000.0), locale.toString(88.5),
                                text));
    if (kilohertz % gridKilohertz != 0) {
        const qint64 below = kilohertz - kilohertz % gridKilohertz;
        const auto megahertz = [&locale](qint64 shown) {
            return Frequency::FromKilohertz(std::uint32_t(shown)).MegahertzText(locale);
        };
        return refused(
            QCoreApplication::translate(
                "ValueParsers", "%1 MHz is off the transmitter's %2 kHz grid; the nearest are %3 and %4 MHz")
                .arg(text, locale.toString(gridKilohertz), megahertz(below),
                     megahertz(below + gridKilohertz)));
    }
    return {uint(kilohertz), {}};
}

// The bounds are shown as they are typed, like the choices: these values take no decimals to localize.
ParsedValue levelValue(const QString& word, const QString& text, int lowest, int highest)
{
    const int value = wholeNumber(text, highest);
    if (value < lowest)
        return refused(
            QCoreApplication::translate("ValueParsers", "%1 takes a whole number from %2 to %3, not '%4'")
                .arg(word)
                .arg(lowest)
                .arg(highest)
                .arg(text));
    return {uint(value), {}};
}

ParsedValue onOffValue(const QString& word, const QString& text)
{
    if (text != QLatin1String("on") && text != QLatin1String("off"))
        return refused(
            QCoreApplication::translate("ValueParsers", "%1 takes on or off, not '%2'").arg(word, text));
    return {text == QLatin1String("on"), {}};
}

ParsedValue choiceValue(const QString& word, const Property::Row& row, const QString& text)
{
    const QStringList choices = Property::Choices(row);
    if (!choices.contains(text)) {
        const QString unit = QString::fromUtf8(row.unit);
        return refused(QCoreApplication::translate("ValueParsers", "%1 takes %2 (%3), not '%4'")
                           .arg(word, alternativesText(choices), unit, text));
    }
    return {row.busType == QLatin1String("u") ? QVariant(text.toUInt()) : QVariant(text), {}};
}

QString alternativesText(const QStringList& choices)
{
    if (choices.size() < 2)
        return choices.join(QString());
    QString list = choices.first();
    for (qsizetype index = 1; index + 1 < choices.size(); ++index) {
        //: Joins one more to a list of alternatives: "list, add"
        list = QCoreApplication::translate("ValueParsers", "%1, %2").arg(list, choices.at(index));
    }
    //: Joins the last of the alternatives: "list, add or remove", "50 or 75"
    return QCoreApplication::translate("ValueParsers", "%1 or %2").arg(list, choices.last());
}

QString secondsText(int milliseconds)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(milliseconds / 1000.0);
}

qint64 kilohertzFromMegahertz(const QString& text)
{
    const std::optional<Frequency> frequency = Frequency::FromMegahertzText(text);
    return frequency ? frequency->Kilohertz() : -1;
}

int parseMilliseconds(const QString& text)
{
    static const QRegularExpression seconds(QStringLiteral("^([0-9]{1,5})(?:\\.([0-9]{1,3}))?$"));
    const QRegularExpressionMatch match = seconds.match(text);
    if (!match.hasMatch())
        return -1;
    const int total =
        match.captured(1).toInt() * 1000 + match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    return total > 0 ? total : -1;
}
