#include "web/PageChange.h"

#include "state/Properties.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// What the page may change; the rest of the host's properties it only shows.
QStringList PageWritable()
{
    QStringList names;
    for (const Property::Row* row : Property::all) {
        if (row->changedBy & Property::Page)
            names.append(Property::Name(*row));
    }
    return names;
}

// A JSON value as the host's property of that type takes it, or an invalid QVariant.
QVariant PropertyValue(const QVariant& current, const QJsonValue& value)
{
    if (current.metaType().id() == QMetaType::Bool && value.isBool())
        return value.toBool();
    if (current.metaType().id() == QMetaType::UInt && value.isDouble()) {
        const double number = value.toDouble();
        if (number >= 0 && number <= 4294967295.0 && number == double(quint64(number)))
            return uint(number);
    }
    return {};
}

QString Megahertz(double kHz)
{
    return QString::number(kHz / 1000, 'f', 2) + QStringLiteral(" MHz");
}

// A frequency refused, in MHz as the page's user typed it: the band in use and its grid.
QString FrequencyRefusal(uint kHz, const QVariantMap& properties)
{
    const bool lowBand =
        properties.value(Property::Name(Property::Band)).toString() == QLatin1String(LowBandName);
    const uint step = properties.value(Property::Name(Property::Step)).toUInt();
    const BandLimits band = lowBand ? LowBand : WideBand;
    return QStringLiteral("%1: only %2 to %3 in %4 steps")
        .arg(Megahertz(kHz), Megahertz(band.lower * 10.0), Megahertz(band.upper * 10.0), Megahertz(step));
}

} // namespace

QString ApplyPageChange(WebPageHost& host, const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("not JSON");
    const QJsonObject change = document.object();
    if (change.contains(QLatin1String("step"))) {
        const QString direction = change.value(QLatin1String("step")).toString();
        if (direction != QLatin1String("up") && direction != QLatin1String("down"))
            return QStringLiteral("step is up or down");
        return host.Step(direction == QLatin1String("up"))
                   ? QString()
                   : QStringLiteral("off air: the frequency steps only on air");
    }
    const QString name = change.value(QLatin1String("set")).toString();
    static const QStringList writable = PageWritable();
    if (!writable.contains(name))
        return QStringLiteral("the page changes only %1").arg(writable.join(QStringLiteral(", ")));
    const QVariantMap properties = host.Properties();
    const QVariant value = PropertyValue(properties.value(name), change.value(QLatin1String("value")));
    if (!value.isValid())
        return QStringLiteral("%1 does not take this value").arg(name);
    const QString refusal = host.WriteProperty(name, value);
    if (!refusal.isEmpty() && name == Property::Name(Property::Frequency))
        return FrequencyRefusal(value.toUInt(), properties);
    return refusal;
}
