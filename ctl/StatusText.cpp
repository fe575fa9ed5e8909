#include "ctl/StatusText.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString yesNo(const QVariant& value)
{
    return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
}

struct Line
{
    const char* label;
    const char* property;
    QString (*text)(const QVariant&);
};

const Line lines[] = {
    {"Frequency", "Frequency",
     [](const QVariant& v) { return megahertzText(v.toUInt()) + QLatin1String(" MHz"); }},
    {"On air", "OnAir", yesNo},
    {"Muted", "Muted", yesNo},
    {"Power", "PaLevel",
     [](const QVariant& v) { return QString::number(v.toUInt()) + QLatin1String(" of 90"); }},
    {"Gain", "TxGain",
     [](const QVariant& v) { return QString::number(v.toUInt()) + QLatin1String(" of 23"); }},
    {"Audio", "Stereo",
     [](const QVariant& v) { return v.toBool() ? QStringLiteral("stereo") : QStringLiteral("mono"); }},
    {"Band", "Band", [](const QVariant& v) { return v.toString() + QLatin1String(" MHz"); }},
    {"Step", "Step", [](const QVariant& v) { return QString::number(v.toUInt()) + QLatin1String(" kHz"); }},
    {"De-emphasis", "Deemphasis",
     [](const QVariant& v) { return QString::number(v.toUInt()) + QString::fromUtf8(" \u00b5s"); }},
    {"Transmitter", "Connected",
     [](const QVariant& v) {
         return v.toBool() ? QStringLiteral("connected") : QStringLiteral("not connected");
     }},
    {"Sound routing", "SoundRouting",
     [](const QVariant& v) { return v.toBool() ? QStringLiteral("on") : QStringLiteral("off"); }},
};

} // namespace

QString megahertzText(qint64 kilohertz)
{
    return QStringLiteral("%1.%2").arg(kilohertz / 1000).arg(kilohertz % 1000 / 10, 2, 10, QLatin1Char('0'));
}

QString statusText(const QVariantMap& properties)
{
    QString text;
    for (const Line& line : lines) {
        const auto found = properties.constFind(QLatin1String(line.property));
        if (found != properties.constEnd())
            text += QStringLiteral("%1 %2\n")
                        .arg(QLatin1String(line.label) + QLatin1Char(':'), -14)
                        .arg(line.text(*found));
    }
    return text;
}

QByteArray statusJson(const QVariantMap& properties)
{
    return QJsonDocument(QJsonObject::fromVariantMap(properties)).toJson(QJsonDocument::Compact) + '\n';
}
