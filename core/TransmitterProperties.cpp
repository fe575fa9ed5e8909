#include "core/TransmitterCore.h"
#include "state/Properties.h"
#include "state/TransmitterValues.h"

#include <optional>
#include <QMetaType>

// The core as the bus, tessalyctl and the phone page see it: its state as named properties, and a change
// to one by name.

namespace {

const QString wideBand = QLatin1String(WideBandName);
const QString lowBand = QLatin1String(LowBandName);

// The step's code in the option flags for a step in kHz, as the settings window composes it.
std::optional<StepCode> stepCode(uint stepKHz)
{
    switch (stepKHz) {
    case 200:
        return Step200kHz;
    case 100:
        return Step100kHz;
    case 50:
        return Step50kHz;
    default:
        return std::nullopt;
    }
}

bool hasType(const QVariant& value, QMetaType::Type type)
{
    return value.metaType().id() == type;
}

} // namespace

QString TransmitterCore::ConnectionName() const
{
    switch (Connection()) {
    case ConnectionState::Connected:
        return QStringLiteral("connected");
    case ConnectionState::NoPermission:
        return QStringLiteral("no-permission");
    case ConnectionState::Absent:
        break;
    }
    return QStringLiteral("absent");
}

TransmitterFacts TransmitterCore::HearingFacts() const
{
    TransmitterFacts facts;
    switch (Connection()) {
    case ConnectionState::Connected:
        facts.connection = TransmitterFacts::Connection::Connected;
        break;
    case ConnectionState::NoPermission:
        facts.connection = TransmitterFacts::Connection::NoPermission;
        break;
    case ConnectionState::Absent:
        facts.connection = TransmitterFacts::Connection::Absent;
        break;
    }
    facts.delivered = Delivered();
    facts.failedWriteTime = FailedWriteTime();
    facts.onAir = state.onAir;
    facts.muted = state.muted;
    facts.paLevel = state.paLevel;
    return facts;
}

QVariantMap TransmitterCore::Properties() const
{
    const Options options = DecodeOptions(state.optionFlags);
    QList<uint> favouritesInKHz;
    for (const std::int32_t frequency : Favourites())
        favouritesInKHz.append(uint(frequency * 10));
    return {
        {Property::Name(Property::Frequency), uint(state.frequency * 10)},
        {Property::Name(Property::OnAir), state.onAir},
        {Property::Name(Property::Muted), state.muted},
        {Property::Name(Property::PaLevel), uint(state.paLevel)},
        {Property::Name(Property::TxGain), uint(state.txGainIndex)},
        {Property::Name(Property::Stereo), !options.mono},
        {Property::Name(Property::Band), options.lowBand ? lowBand : wideBand},
        {Property::Name(Property::Step), uint(StepOf(state.optionFlags) * 10)},
        {Property::Name(Property::Deemphasis), uint(options.deemphasis75 ? 75 : 50)},
        {Property::Name(Property::Connected), IsConnected()},
        {Property::Name(Property::Connection), ConnectionName()},
        {Property::Name(Property::Delivered), Delivered()},
        {Property::Name(Property::WriteFailedAt),
         Delivered() ? QString() : FailedWriteTime().toString(QStringLiteral("hh:mm:ss"))},
        {Property::Name(Property::OnAirAtStart), OnAirAtStart()},
        {Property::Name(Property::StartAtLogin), StartsAtLogin()},
        {Property::Name(Property::Favourites), QVariant::fromValue(favouritesInKHz)},
    };
}

QString TransmitterCore::WriteProperty(const QString& name, const QVariant& value)
{
    if (const Property::Row* row = Property::Find(name); row && row->changedBy == Property::Nobody)
        return name + QStringLiteral(" is read-only");
    if (name == Property::Name(Property::OnAirAtStart) || name == Property::Name(Property::StartAtLogin)) {
        if (!hasType(value, QMetaType::Bool))
            return name + QStringLiteral(" takes a boolean");
        return name == Property::Name(Property::OnAirAtStart) ? SetOnAirAtStart(value.toBool())
                                                              : SetStartAtLogin(value.toBool());
    }
    if (name == Property::Name(Property::Frequency))
        return writeFrequency(value);
    if (name == Property::Name(Property::OnAir) || name == Property::Name(Property::Muted)) {
        if (!hasType(value, QMetaType::Bool))
            return name + QStringLiteral(" takes a boolean");
        const bool current = name == Property::Name(Property::OnAir) ? state.onAir : state.muted;
        if (value.toBool() != current)
            name == Property::Name(Property::OnAir) ? ToggleOnAir() : ToggleMute();
        return {};
    }
    if (name == Property::Name(Property::PaLevel)) {
        if (!hasType(value, QMetaType::UInt) || value.toUInt() > PaLevelMaximum ||
            !ChangePaLevel(int(value.toUInt())))
            return QStringLiteral("PaLevel takes an unsigned integer from 0 to %1").arg(PaLevelMaximum);
        return {};
    }
    return writeOptions(name, value);
}

QString TransmitterCore::writeFrequency(const QVariant& value)
{
    const BandLimits band = BandOf(state.optionFlags);
    const QString accepted = QStringLiteral("Frequency takes kHz from %1 to %2 in steps of %3 kHz")
                                 .arg(band.lower * 10)
                                 .arg(band.upper * 10)
                                 .arg(FrequencyGrid * 10);
    if (!hasType(value, QMetaType::UInt))
        return accepted;
    const uint kHz = value.toUInt();
    if (kHz % 10 != 0 || kHz > uint(band.upper * 10) || !TuneTo(std::int32_t(kHz / 10)))
        return accepted;
    return {};
}

QString TransmitterCore::writeOptions(const QString& name, const QVariant& value)
{
    Options options = DecodeOptions(state.optionFlags);
    std::int32_t gain = state.txGainIndex;
    if (name == Property::Name(Property::TxGain)) {
        if (!hasType(value, QMetaType::UInt) || value.toUInt() > TxGainMaximum)
            return QStringLiteral("TxGain takes an unsigned integer from 0 to %1").arg(TxGainMaximum);
        gain = std::int32_t(value.toUInt());
    } else if (name == Property::Name(Property::Stereo)) {
        if (!hasType(value, QMetaType::Bool))
            return QStringLiteral("Stereo takes a boolean");
        options.mono = !value.toBool();
    } else if (name == Property::Name(Property::Band)) {
        const QString band = hasType(value, QMetaType::QString) ? value.toString() : QString();
        if (band != wideBand && band != lowBand)
            return QStringLiteral("Band takes \"%1\" or \"%2\"").arg(wideBand, lowBand);
        options.lowBand = band == lowBand;
    } else if (name == Property::Name(Property::Step)) {
        const auto code = hasType(value, QMetaType::UInt) ? stepCode(value.toUInt()) : std::nullopt;
        if (!code)
            return QStringLiteral("Step takes 200, 100 or 50 (kHz)");
        options.step = *code;
    } else if (name == Property::Name(Property::Deemphasis)) {
        const uint microseconds = hasType(value, QMetaType::UInt) ? value.toUInt() : 0;
        if (microseconds != 50 && microseconds != 75)
            return QStringLiteral("Deemphasis takes 50 or 75 (µs)");
        options.deemphasis75 = microseconds == 75;
    } else {
        return QStringLiteral("no property %1").arg(name);
    }
    ApplySettings(EncodeOptions(options), gain);
    return {};
}
