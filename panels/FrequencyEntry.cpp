#include "panels/FrequencyEntry.h"

#include "state/Frequency.h"

#include <QRegularExpression>

bool CanBecomeFrequency(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,3}([.,][0-9]{0,2})?$"));
    return form.match(entry).hasMatch();
}

qsizetype EntryPointAt(const QString& entry)
{
    const qsizetype point = entry.indexOf(QLatin1Char('.'));
    return point >= 0 ? point : entry.indexOf(QLatin1Char(','));
}

std::int32_t EntryFrequency(const QString& entry)
{
    // Typing may leave a side of the point empty: "88." is 88 MHz, "" and "." name no frequency, 0.
    const qsizetype pointAt = EntryPointAt(entry);
    const QString whole = pointAt < 0 ? entry : entry.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : entry.mid(pointAt + 1);
    const QChar point = pointAt < 0 ? QLatin1Char('.') : entry[pointAt];
    const QString written = (whole.isEmpty() ? QStringLiteral("0") : whole) + point +
                            (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    return Frequency::FromMegahertzText(written).value_or(Frequency()).Units();
}
