#include "web/PageChange.h"

#include "state/Frequency.h"
#include "state/Properties.h"

#include <QJsonArray>
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

QString Megahertz(const Frequency& frequency, const PageLanguage& language)
{
    //: A frequency
    return language.Translated("page", QT_TRANSLATE_NOOP("page", "%1 MHz"))
        .arg(frequency.MegahertzText(language.numbers));
}

// A frequency refused, in MHz as the page's user typed it: the band in use and its grid.
QString FrequencyRefusal(uint kHz, const QVariantMap& properties, const PageLanguage& language)
{
    const BandLimits band =
        properties.value(Property::Name(Property::Band)).toString() == QLatin1String(LowBandName) ? LowBand
                                                                                                  : WideBand;
    const uint step = properties.value(Property::Name(Property::Step)).toUInt();
    const auto megahertz = [&language](const Frequency& frequency) { return Megahertz(frequency, language); };
    //: A frequency typed on the page, refused: the band's lowest and highest, and its tuning step
    return language.Translated("page", QT_TRANSLATE_NOOP("page", "%1: only %2 to %3 in %4 steps"))
        .arg(megahertz(Frequency::FromKilohertz(kHz)), megahertz(Frequency::FromUnits(band.lower)),
             megahertz(Frequency::FromUnits(band.upper)), megahertz(Frequency::FromKilohertz(step)));
}

QJsonValue JsonValue(const QVariant& value)
{
    const int type = value.metaType().id();
    if (type != QMetaType::Bool && type != QMetaType::UInt && type != QMetaType::QString &&
        value.canConvert<QVariantList>()) {
        QJsonArray list;
        for (const QVariant& item : value.value<QVariantList>())
            list.append(JsonValue(item));
        return list;
    }
    return QJsonValue::fromVariant(value);
}

QByteArray Message(const char* key, const QJsonValue& value)
{
    return QJsonDocument(QJsonObject{{QLatin1String(key), value}}).toJson(QJsonDocument::Compact);
}

} // namespace

QString ApplyPageChange(WebPageHost& host, const QByteArray& text, const PageLanguage& language)
{
    // The page's words, as its script's are: lupdate reads both under "page".
    const auto say = [&language](const char* source) { return language.Translated("page", source); };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return say(QT_TRANSLATE_NOOP("page", "not JSON"));
    const QJsonObject change = document.object();
    if (change.contains(QLatin1String("step"))) {
        const QString direction = change.value(QLatin1String("step")).toString();
        if (direction != QLatin1String("up") && direction != QLatin1String("down"))
            return say(QT_TRANSLATE_NOOP("page", "step is up or down"));
        return host.Step(direction == QLatin1String("up"))
                   ? QString()
                   : say(QT_TRANSLATE_NOOP("page", "off air: the frequency steps only on air"));
    }
    const QString name = change.value(QLatin1String("set")).toString();
    static const QStringList writable = PageWritable();
    if (!writable.contains(name))
        return say(QT_TRANSLATE_NOOP("page", "the page changes only %1"))
            .arg(writable.join(QStringLiteral(", ")));
    const QVariantMap properties = host.Properties();
    const QVariant value = PropertyValue(properties.value(name), change.value(QLatin1String("value")));
    if (!value.isValid())
        return say(QT_TRANSLATE_NOOP("page", "%1 does not take this value")).arg(name);
    const QString refusal = host.WriteProperty(name, value);
    if (!refusal.isEmpty() && name == Property::Name(Property::Frequency))
        return FrequencyRefusal(value.toUInt(), properties, language);
    return refusal;
}

QByteArray StateMessage(const WebPageHost& host, const PageLanguage& language)
{
    QJsonObject state;
    const QVariantMap properties = host.Properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        state.insert(it.key(), JsonValue(it.value()));
    for (const auto& [name, words] : host.Words())
        state.insert(name, language.Translated(words));
    return Message("state", state);
}

QByteArray RefusalMessage(const QString& refusal)
{
    return Message("refused", refusal);
}
