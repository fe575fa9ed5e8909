#include "core/TransmitterCore.h"

#include "core/ExitHook.h"
#include "core/Tuning.h"
#include "device/DeviceConnection.h"
#include "device/DeviceHandle.h"
#include "device/DeviceWriter.h"
#include "device/HidLibrary.h"
#include "device/HidNotification.h"
#include "device/ReportWriter.h"
#include "device/SendReport.h"
#include "device/UdevHotplugWatcher.h"
#include "state/SettingsAutosave.h"
#include "state/SettingsFile.h"
#include "state/TransmitterState.h"

#include <optional>
#include <QMetaType>

namespace {

constexpr int paLevelMaximum = 90;
constexpr int txGainMaximum = 23;
// The device tunes in 50 kHz steps; frequencies are kept in units of 10 kHz.
constexpr std::int32_t gridKHz = 50;

constexpr std::int32_t monoFlag = 0x01;
constexpr std::int32_t lowBandFlag = 0x02;
constexpr std::int32_t deemphasis75Flag = 0x04;
constexpr std::int32_t stepShift = 4;
constexpr std::int32_t stepMask = 0x03 << stepShift;

const QString wideBand = QStringLiteral("87.5-108");
const QString lowBand = QStringLiteral("76-90");

// The step's code in the option flags for a step in kHz, as the settings window composes it.
std::optional<std::int32_t> stepCode(uint stepKHz)
{
    switch (stepKHz) {
    case 200:
        return 0;
    case 100:
        return 1;
    case 50:
        return 2;
    default:
        return std::nullopt;
    }
}

bool hasType(const QVariant& value, QMetaType::Type type)
{
    return value.metaType().id() == type;
}

// The core whose writeFailed the device's failures reach; the first one built, until it goes.
TransmitterCore* notifiedCore = nullptr;

} // namespace

TransmitterCore::TransmitterCore(QObject* parent) : QObject(parent)
{
    if (!writeErrorNotifier) {
        notifiedCore = this;
        writeErrorNotifier = [] {
            if (notifiedCore)
                emit notifiedCore->writeFailed();
        };
    }
}

TransmitterCore::~TransmitterCore()
{
    CloseDeviceLink();
    if (notifiedCore == this) {
        notifiedCore = nullptr;
        writeErrorNotifier = nullptr;
    }
}

void TransmitterCore::LoadState()
{
    transmitterState.onAir = false;
    transmitterState.muted = false;
    transmitterState.retunePending = true;
    running = true;
    LoadSettings();
    ArmExitHook();
    emit changed();
}

bool TransmitterCore::OpenDeviceLink()
{
    running = true;
    hidLibrary.Load();
    deviceHandle = -1;
    announcedConnected = false;
    // Listening starts before the first open, so no arrival or removal is missed meanwhile. Without the
    // library arrivals open nothing and, nothing being open, removals close nothing.
    auto* watcher = new UdevHotplugWatcher(this);
    RegisterHidNotification(*watcher, [this] { ToggleOnAir(); });
    // After the link's own reaction: a connection opened or closed by it is announced.
    connect(watcher, &HotplugWatcher::deviceArrived, this, &TransmitterCore::announceConnection);
    connect(watcher, &HotplugWatcher::deviceRemoved, this, &TransmitterCore::announceConnection);
    const bool libraryLoaded = hidLibrary.IsLoaded();
    if (libraryLoaded) {
        OpenDevice();
        announceConnection();
    }
    return libraryLoaded;
}

void TransmitterCore::CloseDeviceLink()
{
    if (!running)
        return;
    running = false;
    CancelScheduledSave();
    SaveSettings();
    if (deviceHandle >= 0) {
        if (transmitterState.onAir)
            ToggleOnAir();
        CloseDevice([this] { ToggleOnAir(); });
    }
    // The last report and the close get about a second: a transmitter that does not read then is left to
    // the end of the process, which must not hang on it.
    FlushReports(std::chrono::seconds(1));
    hidLibrary.Release();
    DisarmExitHook();
    announceConnection();
}

bool TransmitterCore::IsConnected() const
{
    return deviceHandle >= 0;
}

void TransmitterCore::announceConnection()
{
    if (IsConnected() == announcedConnected)
        return;
    announcedConnected = IsConnected();
    emit changed();
}

void TransmitterCore::ToggleOnAir()
{
    transmitterState.onAir = !transmitterState.onAir;
    SendReport(TuneReport);
    emit changed();
}

void TransmitterCore::ToggleMute()
{
    transmitterState.muted = !transmitterState.muted;
    SendReport(TuneReport);
    emit changed();
}

bool TransmitterCore::StepFrequencyUp()
{
    return stepFrequency(SteppedUp);
}

bool TransmitterCore::StepFrequencyDown()
{
    return stepFrequency(SteppedDown);
}

bool TransmitterCore::stepFrequency(std::int32_t (*stepped)(std::int32_t, std::int32_t))
{
    if (!transmitterState.onAir)
        return false;
    transmitterState.retunePending = true;
    transmitterState.frequency = stepped(transmitterState.frequency, transmitterState.optionFlags);
    SendReport(TuneReport);
    ScheduleSaveSettings();
    emit changed();
    return true;
}

void TransmitterCore::ChangePaLevel(int paLevel)
{
    if (paLevel == transmitterState.paLevel)
        return;
    transmitterState.paLevel = paLevel;
    SendReport(TuneReport);
    ScheduleSaveSettings();
    emit changed();
}

void TransmitterCore::ChangeTxGain(int txGainIndex, int optionFlags)
{
    transmitterState.optionFlags = optionFlags;
    transmitterState.txGainIndex = txGainIndex;
    SendReport(SetupReport);
    ScheduleSaveSettings();
    emit changed();
}

void TransmitterCore::ApplySettings(int optionFlags, int txGainIndex)
{
    transmitterState.optionFlags = optionFlags;
    transmitterState.txGainIndex = txGainIndex;
    if (const auto clamped = BandClamped(transmitterState.frequency, transmitterState.optionFlags)) {
        transmitterState.frequency = *clamped;
        transmitterState.retunePending = true;
        SendReport(TuneReport);
    }
    SendReport(SetupReport);
    ScheduleSaveSettings();
    emit changed();
}

QVariantMap TransmitterCore::Properties() const
{
    const std::int32_t flags = transmitterState.optionFlags;
    const std::int32_t step = StepOf(flags) * 10;
    return {
        {QStringLiteral("Frequency"), uint(transmitterState.frequency * 10)},
        {QStringLiteral("OnAir"), transmitterState.onAir},
        {QStringLiteral("Muted"), transmitterState.muted},
        {QStringLiteral("PaLevel"), uint(transmitterState.paLevel)},
        {QStringLiteral("TxGain"), uint(transmitterState.txGainIndex)},
        {QStringLiteral("Stereo"), (flags & monoFlag) == 0},
        {QStringLiteral("Band"), (flags & lowBandFlag) != 0 ? lowBand : wideBand},
        {QStringLiteral("Step"), uint(step)},
        {QStringLiteral("Deemphasis"), uint((flags & deemphasis75Flag) != 0 ? 75 : 50)},
        {QStringLiteral("Connected"), IsConnected()},
    };
}

QString TransmitterCore::WriteProperty(const QString& name, const QVariant& value)
{
    if (name == QLatin1String("Connected"))
        return QStringLiteral("Connected is read-only");
    if (name == QLatin1String("Frequency"))
        return writeFrequency(value);
    if (name == QLatin1String("OnAir") || name == QLatin1String("Muted")) {
        if (!hasType(value, QMetaType::Bool))
            return name + QStringLiteral(" takes a boolean");
        const bool current = name == QLatin1String("OnAir") ? transmitterState.onAir : transmitterState.muted;
        if (value.toBool() != current)
            name == QLatin1String("OnAir") ? ToggleOnAir() : ToggleMute();
        return {};
    }
    if (name == QLatin1String("PaLevel")) {
        if (!hasType(value, QMetaType::UInt) || value.toUInt() > paLevelMaximum)
            return QStringLiteral("PaLevel takes an unsigned integer from 0 to %1").arg(paLevelMaximum);
        ChangePaLevel(int(value.toUInt()));
        return {};
    }
    return writeOptions(name, value);
}

QString TransmitterCore::writeFrequency(const QVariant& value)
{
    const BandLimits band = BandOf(transmitterState.optionFlags);
    const QString accepted = QStringLiteral("Frequency takes kHz from %1 to %2 in steps of %3 kHz")
                                 .arg(band.lower * 10)
                                 .arg(band.upper * 10)
                                 .arg(gridKHz);
    if (!hasType(value, QMetaType::UInt))
        return accepted;
    const uint kHz = value.toUInt();
    if (kHz < uint(band.lower * 10) || kHz > uint(band.upper * 10) || kHz % gridKHz != 0)
        return accepted;
    const auto frequency = std::int32_t(kHz / 10);
    if (frequency == transmitterState.frequency)
        return {};
    transmitterState.frequency = frequency;
    // On air it retunes as a step does; off air the retune goes out with the next report.
    transmitterState.retunePending = true;
    if (transmitterState.onAir)
        SendReport(TuneReport);
    ScheduleSaveSettings();
    emit changed();
    return {};
}

QString TransmitterCore::writeOptions(const QString& name, const QVariant& value)
{
    std::int32_t flags = transmitterState.optionFlags;
    std::int32_t gain = transmitterState.txGainIndex;
    if (name == QLatin1String("TxGain")) {
        if (!hasType(value, QMetaType::UInt) || value.toUInt() > txGainMaximum)
            return QStringLiteral("TxGain takes an unsigned integer from 0 to %1").arg(txGainMaximum);
        gain = std::int32_t(value.toUInt());
    } else if (name == QLatin1String("Stereo")) {
        if (!hasType(value, QMetaType::Bool))
            return QStringLiteral("Stereo takes a boolean");
        flags = value.toBool() ? flags & ~monoFlag : flags | monoFlag;
    } else if (name == QLatin1String("Band")) {
        const QString band = hasType(value, QMetaType::QString) ? value.toString() : QString();
        if (band != wideBand && band != lowBand)
            return QStringLiteral("Band takes \"%1\" or \"%2\"").arg(wideBand, lowBand);
        flags = band == lowBand ? flags | lowBandFlag : flags & ~lowBandFlag;
    } else if (name == QLatin1String("Step")) {
        const auto code = hasType(value, QMetaType::UInt) ? stepCode(value.toUInt()) : std::nullopt;
        if (!code)
            return QStringLiteral("Step takes 200, 100 or 50 (kHz)");
        flags = (flags & ~stepMask) | (*code << stepShift);
    } else if (name == QLatin1String("Deemphasis")) {
        const uint microseconds = hasType(value, QMetaType::UInt) ? value.toUInt() : 0;
        if (microseconds != 50 && microseconds != 75)
            return QStringLiteral("Deemphasis takes 50 or 75 (µs)");
        flags = microseconds == 75 ? flags | deemphasis75Flag : flags & ~deemphasis75Flag;
    } else {
        return QStringLiteral("no property %1").arg(name);
    }
    ApplySettings(flags, gain);
    return {};
}
