#include "panels/FrequencyEntry.h"

#include <QRegularExpression>

bool CanBecomeFrequency(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,3}(\\.[0-9]{0,2})?$"));
    return form.match(entry).hasMatch();
}

std::int32_t EntryFrequency(const QString& entry)
{
    const qsizetype pointAt = entry.indexOf(QLatin1Char('.'));
    const QString whole = pointAt < 0 ? entry : entry.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : entry.mid(pointAt + 1);
    return whole.toInt() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toInt();
}
