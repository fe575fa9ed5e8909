#include "ctl/ValueParsers.h"

#include "ctl/StatusText.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/PropertyValues.h"
#include "state/TransmitterValues.h"

#include <optional>
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
    if (kilohertz < Property::Frequency.lowest || kilohertz > Property::Frequency.highest)
        return refused(QStringLiteral("%1 takes megahertz from %2 to %3 (e.g. 88.5), not '%4'")
                           .arg(word, QString::number(Property::Frequency.lowest / 1000.0),
                                QString::number(Property::Frequency.highest / 1000.0), text));
    if (kilohertz % gridKilohertz != 0) {
        const qint64 below = kilohertz - kilohertz % gridKilohertz;
        return refused(
            QStringLiteral("%1 MHz is off the transmitter's 50 kHz grid; the nearest are %2 and %3 MHz")
                .arg(text, megahertzText(below), megahertzText(below + gridKilohertz)));
    }
    return {uint(kilohertz), {}};
}

ParsedValue levelValue(const QString& word, const QString& text, int lowest, int highest)
{
    const int value = wholeNumber(text, highest);
    if (value < lowest)
        return refused(QStringLiteral("%1 takes a whole number from %2 to %3, not '%4'")
                           .arg(word)
                           .arg(lowest)
                           .arg(highest)
                           .arg(text));
    return {uint(value), {}};
}

ParsedValue onOffValue(const QString& word, const QString& text)
{
    if (text != QLatin1String("on") && text != QLatin1String("off"))
        return refused(QStringLiteral("%1 takes on or off, not '%2'").arg(word, text));
    return {text == QLatin1String("on"), {}};
}

ParsedValue choiceValue(const QString& word, const Property::Row& row, const QString& text)
{
    const QStringList choices = Property::Choices(row);
    if (!choices.contains(text)) {
        const QString unit = QString::fromUtf8(row.unit);
        return refused(QStringLiteral("%1 takes %2 (%3), not '%4'")
                           .arg(word, Property::Alternatives(choices), unit, text));
    }
    return {row.busType == QLatin1String("u") ? QVariant(text.toUInt()) : QVariant(text), {}};
}

qint64 kilohertzFromMegahertz(const QString& text)
{
    // As scripts write numbers: a decimal point, never a comma.
    if (text.contains(QLatin1Char(',')))
        return -1;
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
