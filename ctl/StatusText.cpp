#include "ctl/StatusText.h"

#include "state/Frequency.h"
#include "state/Power.h"
#include "state/Properties.h"
#include "state/SoundStateValue.h"

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
    if (state == QLatin1String(SoundStateValue::Routed))
        return QStringLiteral("through %1 (the transmitter)")
            .arg(properties.value(Property::Name(Property::SoundSink)).toString());
    if (state == QLatin1String(SoundStateValue::Elsewhere))
        return QLatin1String("on, but ") +
               properties.value(Property::Name(Property::SoundElsewhere)).toString();
    if (state == QLatin1String(SoundStateValue::NotFound))
        return QStringLiteral("not routed, the transmitter's sound card was not found");
    if (state == QLatin1String(SoundStateValue::NoServer) || state == QLatin1String(SoundStateValue::Looking))
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

// The status line's text of row's value, as its row says it is shown; empty for no line.
QString shown(const Property::Row& row, const QVariant& v, const QVariantMap& p)
{
    switch (row.shown) {
    case Property::Shown::Megahertz:
        return megahertz(v);
    case Property::Shown::YesNo:
        return yesNo(v);
    case Property::Shown::OnAirWithNote:
        return yesNo(v) + transmitterNote(p);
    case Property::Shown::PowerLevel:
        return QStringLiteral("%1 of %2, PA-VALUE %3")
            .arg(v.toUInt())
            .arg(row.highest)
            .arg(Power::PaValueOf(v.toUInt()));
    case Property::Shown::OfHighest:
        return QStringLiteral("%1 of %2").arg(v.toUInt()).arg(row.highest);
    case Property::Shown::StereoMono:
        return v.toBool() ? QStringLiteral("stereo") : QStringLiteral("mono");
    case Property::Shown::WithUnit:
        return v.toString() + QLatin1Char(' ') + QString::fromUtf8(row.unit);
    case Property::Shown::SoundPlace:
        return sound(p);
    case Property::Shown::OnOffWithoutState:
        // A program older than SoundState tells only whether routing is switched on.
        return p.contains(Property::Name(Property::SoundState)) ? QString() : onOff(v);
    case Property::Shown::MegahertzList:
        return favourites(v);
    case Property::Shown::WebPage:
        return webPage(p);
    case Property::Shown::Not:
        break;
    }
    return {};
}

} // namespace

QString megahertzText(std::uint32_t kilohertz)
{
    return Frequency::FromKilohertz(kilohertz).MegahertzText();
}

QString statusText(const QVariantMap& properties)
{
    QString text;
    for (const Property::Row* row : Property::all) {
        const auto found = properties.constFind(Property::Name(*row));
        const QString value = found == properties.constEnd() ? QString() : shown(*row, *found, properties);
        if (!value.isEmpty())
            text += QStringLiteral("%1 %2\n")
                        .arg(QString::fromUtf8(row->label) + QLatin1Char(':'), -16)
                        .arg(value);
    }
    return text;
}

QByteArray statusJson(const QVariantMap& properties)
{
    return QJsonDocument(QJsonObject::fromVariantMap(properties)).toJson(QJsonDocument::Compact) + '\n';
}
