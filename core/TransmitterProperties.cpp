#include "core/TransmitterCore.h"
#include "state/Frequency.h"
#include "state/Properties.h"
#include "state/PropertyValues.h"
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
        favouritesInKHz.append(Property::KilohertzOf(frequency));
    return {
        {Property::Name(Property::Frequency), Property::KilohertzOf(state.frequency)},
        {Property::Name(Property::OnAir), state.onAir},
        {Property::Name(Property::Muted), state.muted},
        {Property::Name(Property::PaLevel), uint(state.paLevel)},
        {Property::Name(Property::TxGain), uint(state.txGainIndex)},
        {Property::Name(Property::Stereo), !options.mono},
        {Property::Name(Property::Band), options.lowBand ? lowBand : wideBand},
        {Property::Name(Property::Step), Property::KilohertzOf(StepOf(state.optionFlags))},
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
    const Property::Row* row = Property::Find(name);
    const bool mine = row && (row->destination == Property::Destination::Core ||
                              row->destination == Property::Destination::CoreOption);
    if (!mine)
        return Property::UnknownRefusal(name);
    if (row->changedBy == Property::Nobody)
        return Property::ReadOnlyRefusal(*row);
    // The band in use is narrower than the row's range: the frequency's refusal names it.
    if (row == &Property::Frequency)
        return writeFrequency(value);
    if (!Property::Accepts(*row, value))
        return Property::Refusal(*row);
    // The bus and the page: English, as their scripts read it.
    if (row == &Property::OnAirAtStart)
        return StoreOnAirAtStart(value.toBool()).English();
    if (row == &Property::StartAtLogin)
        return StoreStartAtLogin(value.toBool()).English();
    if (row == &Property::OnAir || row == &Property::Muted) {
        const bool current = row == &Property::OnAir ? state.onAir : state.muted;
        if (value.toBool() != current)
            row == &Property::OnAir ? ToggleOnAir() : ToggleMute();
        return {};
    }
    if (row == &Property::PaLevel)
        return ChangePaLevel(int(value.toUInt())) ? QString() : Property::Refusal(*row);
    return writeOptions(name, value);
}

QString TransmitterCore::writeFrequency(const QVariant& value)
{
    const BandLimits band = BandOf(state.optionFlags);
    const uint kHz = value.toUInt();
    if (!Property::Accepts(Property::Frequency, value) || kHz > Property::KilohertzOf(band.upper) ||
        !TuneTo(Frequency::FromKilohertz(kHz).Units()))
        return Property::Refusal(Property::Frequency, Property::KilohertzOf(band.lower),
                                 Property::KilohertzOf(band.upper));
    return {};
}

QString TransmitterCore::writeOptions(const QString& name, const QVariant& value)
{
    // Taken by WriteProperty as its row takes it.
    const Property::Row& row = *Property::Find(name);
    Options options = DecodeOptions(state.optionFlags);
    std::int32_t gain = state.txGainIndex;
    if (&row == &Property::TxGain)
        gain = std::int32_t(value.toUInt());
    else if (&row == &Property::Stereo)
        options.mono = !value.toBool();
    else if (&row == &Property::Band)
        options.lowBand = value.toString() == lowBand;
    else if (&row == &Property::Step)
        options.step = *stepCode(value.toUInt());
    else if (&row == &Property::Deemphasis)
        options.deemphasis75 = value.toUInt() == 75;
    else
        return Property::UnknownRefusal(name);
    ApplySettings(EncodeOptions(options), gain);
    return {};
}
