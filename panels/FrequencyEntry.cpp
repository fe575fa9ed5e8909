#include "panels/FrequencyEntry.h"

#include "state/Frequency.h"

#include <QRegularExpression>

bool CanBecomeFrequency(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,3}(\\.[0-9]{0,2})?$"));
    return form.match(entry).hasMatch();
}

std::int32_t EntryFrequency(const QString& entry)
{
    // Typing may leave a side of the point empty: "88." is 88 MHz, "" and "." name no frequency, 0.
    const qsizetype pointAt = entry.indexOf(QLatin1Char('.'));
    const QString whole = pointAt < 0 ? entry : entry.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : entry.mid(pointAt + 1);
    const QString written = (whole.isEmpty() ? QStringLiteral("0") : whole) + QLatin1Char('.') +
                            (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    return Frequency::FromMegahertzText(written).value_or(Frequency()).Units();
}
