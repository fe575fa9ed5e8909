#include "ctl/StatusText.h"

#include "state/Frequency.h"
#include "state/Power.h"
#include "state/Properties.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

QString yesNo(const QVariant& value)
{
    return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
}

QString onOff(const QVariant& value)
{
    return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
}

QString megahertz(const QVariant& kilohertz)
{
    return megahertzText(kilohertz.toUInt()) + QLatin1String(" MHz");
}

// Where the sound goes, from SoundState, naming the output it plays through while routed.
QString sound(const QVariantMap& properties)
{
    const QString state = properties.value(Property::Name(Property::SoundState)).toString();
    if (state == QLatin1String("routed"))
        return QStringLiteral("through %1 (the transmitter)")
            .arg(properties.value(Property::Name(Property::SoundSink)).toString());
    if (state == QLatin1String("elsewhere"))
        return QLatin1String("on, but ") +
               properties.value(Property::Name(Property::SoundElsewhere)).toString();
    if (state == QLatin1String("not found"))
        return QStringLiteral("not routed, the transmitter's sound card was not found");
    if (state == QLatin1String("no sound server") ||
        state == QLatin1String("looking for the transmitter's sound card"))
        return QLatin1String("not routed, ") + state;
    return state; // "off", or a state this client does not know yet, as the program names it
}

// What keeps the transmitter from having the state shown: none there, no permission, or a write it did
// not take. A program older than Connection tells only Connected.
QString transmitterNote(const QVariantMap& properties)
{
    const QString connection = properties.value(Property::Name(Property::Connection)).toString();
    const QVariant connected = properties.value(Property::Name(Property::Connected));
    if (connection == QLatin1String("no-permission"))
        return QStringLiteral(
            " (no permission for the transmitter: install 70-tessaly.rules, then plug it in "
            "again)");
    if (connection == QLatin1String("absent") || (connected.isValid() && !connected.toBool()))
        return QStringLiteral(" (no transmitter connected)");
    if (properties.value(Property::Name(Property::Delivered)) == QVariant(false))
        return QStringLiteral(" — the transmitter did not take the last change (write failed at %1)")
            .arg(properties.value(Property::Name(Property::WriteFailedAt)).toString());
    return {};
}

QString favourites(const QVariant& value)
{
    QStringList shown;
    for (const QVariant& kilohertz : value.toList())
        shown += megahertzText(kilohertz.toUInt());
    return shown.isEmpty() ? QStringLiteral("none") : shown.join(QLatin1String(", ")) + QLatin1String(" MHz");
}

QString webPage(const QVariantMap& properties)
{
    if (!properties.value(Property::Name(Property::WebControl)).toBool())
        return QStringLiteral("off");
    const QString address = properties.value(Property::Name(Property::WebAddress)).toString();
    return address.isEmpty() ? QStringLiteral("on, but not served") : address;
}

struct Line
{
    const Property::Row& property; // the line is shown, with its label, when the program offers it
    QString (*text)(const QVariant& value, const QVariantMap& properties);
};

const Line lines[] = {
    {Property::Frequency, [](const QVariant& v, const QVariantMap&) { return megahertz(v); }},
    {Property::OnAir, [](const QVariant& v, const QVariantMap& p) { return yesNo(v) + transmitterNote(p); }},
    {Property::Muted, [](const QVariant& v, const QVariantMap&) { return yesNo(v); }},
    {Property::PaLevel,
     [](const QVariant& v, const QVariantMap&) {
         return QStringLiteral("%1 of %2, PA-VALUE %3")
             .arg(v.toUInt())
             .arg(PaLevelMaximum)
             .arg(Power::PaValueOf(v.toUInt()));
     }},
    {Property::TxGain,
     [](const QVariant& v, const QVariantMap&) {
         return QString::number(v.toUInt()) + QStringLiteral(" of %1").arg(TxGainMaximum);
     }},
    {Property::Stereo,
     [](const QVariant& v, const QVariantMap&) {
         return v.toBool() ? QStringLiteral("stereo") : QStringLiteral("mono");
     }},
    {Property::Band,
     [](const QVariant& v, const QVariantMap&) { return v.toString() + QLatin1String(" MHz"); }},
    {Property::Step, [](const QVariant& v,
                        const QVariantMap&) { return QString::number(v.toUInt()) + QLatin1String(" kHz"); }},
    {Property::Deemphasis,
     [](const QVariant& v, const QVariantMap&) {
         return QString::number(v.toUInt()) + QString::fromUtf8(" \u00b5s");
     }},
    {Property::SoundState, [](const QVariant&, const QVariantMap& p) { return sound(p); }},
    // A program older than SoundState tells only whether routing is switched on.
    {Property::SoundRouting,
     [](const QVariant& v, const QVariantMap& p) {
         return p.contains(Property::Name(Property::SoundState)) ? QString() : onOff(v);
     }},
    {Property::Favourites, [](const QVariant& v, const QVariantMap&) { return favourites(v); }},
    {Property::OnAirAtStart, [](const QVariant& v, const QVariantMap&) { return yesNo(v); }},
    {Property::StartAtLogin, [](const QVariant& v, const QVariantMap&) { return yesNo(v); }},
    {Property::WebControl, [](const QVariant&, const QVariantMap& p) { return webPage(p); }},
};

} // namespace

QString megahertzText(std::uint32_t kilohertz)
{
    return Frequency::FromKilohertz(kilohertz).MegahertzText();
}

QString statusText(const QVariantMap& properties)
{
    QString text;
    for (const Line& line : lines) {
        const auto found = properties.constFind(Property::Name(line.property));
        const QString value = found == properties.constEnd() ? QString() : line.text(*found, properties);
        if (!value.isEmpty())
            text += QStringLiteral("%1 %2\n")
                        .arg(QLatin1String(line.property.label) + QLatin1Char(':'), -16)
                        .arg(value);
    }
    return text;
}

QByteArray statusJson(const QVariantMap& properties)
{
    return QJsonDocument(QJsonObject::fromVariantMap(properties)).toJson(QJsonDocument::Compact) + '\n';
}
