#include "ctl/StatusText.h"

#include "state/Frequency.h"
#include "state/PersonTextMatch.h"
#include "state/Power.h"
#include "state/Properties.h"
#include "state/SoundStateValue.h"

#include <algorithm>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

struct StatusWords
{
    Q_DECLARE_TR_FUNCTIONS(StatusText)
};

QString yesNo(const QVariant& value)
{
    return value.toBool() ? StatusWords::tr("yes") : StatusWords::tr("no");
}

QString onOff(const QVariant& value)
{
    return value.toBool() ? StatusWords::tr("on") : StatusWords::tr("off");
}

QString megahertzShown(const QVariant& kilohertz)
{
    return Frequency::FromKilohertz(kilohertz.toUInt()).MegahertzText(QLocale());
}

QString megahertz(const QVariant& kilohertz)
{
    //: A frequency: %1 is the number of MHz, as 88.10
    return StatusWords::tr("%1 MHz").arg(megahertzShown(kilohertz));
}

// A SoundState value that is not routed, as a person reads it; one this client does not know yet as the
// program names it.
QString soundStateShown(const QString& state)
{
    static constexpr std::pair<const char*, const char*> shown[] = {
        {SoundStateValue::Off, QT_TRANSLATE_NOOP("StatusText", "off")},
        {SoundStateValue::NoServer, QT_TRANSLATE_NOOP("StatusText", "not routed, no sound server")},
        {SoundStateValue::Looking,
         QT_TRANSLATE_NOOP("StatusText", "not routed, looking for the transmitter's sound card")},
        {SoundStateValue::NotFound,
         QT_TRANSLATE_NOOP("StatusText", "not routed, the transmitter's sound card was not found")},
    };
    for (const auto& [value, words] : shown) {
        if (state == QLatin1String(value))
            return QCoreApplication::translate("StatusText", words);
    }
    return state;
}

// Where the sound goes, from SoundState, naming the output it plays through while routed.
QString sound(const QVariantMap& properties)
{
    const QString state = properties.value(Property::Name(Property::SoundState)).toString();
    if (state == QLatin1String(SoundStateValue::Routed))
        return StatusWords::tr("through %1 (the transmitter)")
            .arg(properties.value(Property::Name(Property::SoundSink)).toString());
    if (state == QLatin1String(SoundStateValue::Elsewhere)) {
        const QString elsewhere = properties.value(Property::Name(Property::SoundElsewhere)).toString();
        //: Sound routing is switched on, but %1 (why the sound is not on the transmitter)
        return StatusWords::tr("on, but %1")
            .arg(PersonTextMatch::FromEnglish(elsewhere, SoundElsewhereText::Context, SoundElsewhereText::all)
                     .Translated());
    }
    return soundStateShown(state);
}

// What keeps the transmitter from having the state shown: none there, no permission, or a write it did
// not take. A program older than Connection tells only Connected.
QString transmitterNote(const QVariantMap& properties)
{
    const QString connection = properties.value(Property::Name(Property::Connection)).toString();
    const QVariant connected = properties.value(Property::Name(Property::Connected));
    if (connection == QLatin1String("no-permission"))
        return StatusWords::tr(
            " (no permission for the transmitter: install 70-tessaly.rules, then plug it in "
            "again)");
    if (connection == QLatin1String("absent") || (connected.isValid() && !connected.toBool()))
        return StatusWords::tr(" (no transmitter connected)");
    if (properties.value(Property::Name(Property::Delivered)) == QVariant(false))
        //: %1 is the time of day the write failed, as 14:03:07
        return StatusWords::tr(" — the transmitter did not take the last change (write failed at %1)")
            .arg(properties.value(Property::Name(Property::WriteFailedAt)).toString());
    return {};
}

QString favourites(const QVariant& value)
{
    QStringList shown;
    for (const QVariant& kilohertz : value.toList())
        shown += megahertzShown(kilohertz);
    if (shown.isEmpty())
        //: No favourite frequencies
        return StatusWords::tr("none");
    // Where a comma is the decimal point, it cannot part the frequencies too.
    const QString between =
        QLocale().decimalPoint() == QLatin1String(",") ? QStringLiteral("; ") : QStringLiteral(", ");
    return StatusWords::tr("%1 MHz").arg(shown.join(between));
}

QString webPage(const QVariantMap& properties)
{
    if (!properties.value(Property::Name(Property::WebControl)).toBool())
        return StatusWords::tr("off");
    const QString address = properties.value(Property::Name(Property::WebAddress)).toString();
    //: The web page is switched on, but no address serves it
    return address.isEmpty() ? StatusWords::tr("on, but not served") : address;
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
        //: The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives
        return StatusWords::tr("%1 of %2, PA-VALUE %3")
            .arg(QLocale().toString(v.toUInt()), QLocale().toString(row.highest),
                 QLocale().toString(Power::PaValueOf(v.toUInt())));
    case Property::Shown::OfHighest:
        //: A level: %1 of at most %2
        return StatusWords::tr("%1 of %2")
            .arg(QLocale().toString(v.toUInt()), QLocale().toString(row.highest));
    case Property::Shown::StereoMono:
        return v.toBool() ? StatusWords::tr("stereo") : StatusWords::tr("mono");
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

QString label(const Property::Row& row)
{
    //: A line of tessalyctl status: the property's label, then a colon (the value follows after spaces)
    return StatusWords::tr("%1:").arg(QCoreApplication::translate("StatusText", row.label));
}

} // namespace

QString megahertzText(std::uint32_t kilohertz)
{
    return Frequency::FromKilohertz(kilohertz).MegahertzText();
}

QString statusText(const QVariantMap& properties)
{
    // The values line up after the longest label of this language, whichever rows are shown.
    int column = 0;
    for (const Property::Row* row : Property::all)
        column = std::max(column, *row->label ? ColumnsOf(label(*row)) : 0);
    QString text;
    for (const Property::Row* row : Property::all) {
        const auto found = properties.constFind(Property::Name(*row));
        const QString value = found == properties.constEnd() ? QString() : shown(*row, *found, properties);
        if (!value.isEmpty())
            text += PaddedTo(label(*row), column) + QLatin1Char(' ') + value + QLatin1Char('\n');
    }
    return text;
}

QByteArray statusJson(const QVariantMap& properties)
{
    return QJsonDocument(QJsonObject::fromVariantMap(properties)).toJson(QJsonDocument::Compact) + '\n';
}

int ColumnsOf(const QString& text)
{
    int columns = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // East Asian wide and full-width characters, as terminals draw them: Hangul Jamo, CJK (radicals to
        // Yi), Hangul syllables, compatibility ideographs, vertical and full-width forms.
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

QString PaddedTo(const QString& text, int columns)
{
    return text + QString(std::max(0, columns - ColumnsOf(text)), QLatin1Char(' '));
}
