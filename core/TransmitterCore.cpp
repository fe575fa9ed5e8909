#include "core/TransmitterCore.h"

#include "core/ExitHook.h"
#include "core/Tuning.h"
#include "device/DeviceWriter.h"
#include "device/HotplugWatcher.h"
#include "state/FavouritesFile.h"
#include "state/SettingsFile.h"
#include "state/SmallTextFile.h"
#include "state/StartOnAirFile.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <optional>
#include <QMetaType>
#include <utility>

namespace {

constexpr int saveDelayMs = 1000;
// The last report and the close get about a second at the end: a transmitter that does not read then is
// left to the end of the process, which must not hang on it.
constexpr std::chrono::seconds lastReportLimit(1);
// The transmitter needs time to retune before it takes the setup report; the writer waits it out.
constexpr std::chrono::milliseconds retuneTime(20);

const QStringList readOnly = {QStringLiteral("Connected"), QStringLiteral("Connection"),
                              QStringLiteral("Delivered"), QStringLiteral("WriteFailedAt"),
                              QStringLiteral("Favourites")};

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

TransmitterCore::TransmitterCore(QObject* parent) : QObject(parent)
{
    // Found among the core's children (its hot-plug watcher with it), as the views and tests look for them.
    link.setParent(this);
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(saveDelayMs);
    connect(&saveTimer, &QTimer::timeout, this, &TransmitterCore::save);
    connect(&link, &DeviceLink::opened, this, &TransmitterCore::onOpened);
    connect(&link, &DeviceLink::closed, this, &TransmitterCore::onClosed);
    connect(&link, &DeviceLink::refusalChanged, this, &TransmitterCore::announceConnection);
    connect(&link, &DeviceLink::reportsDone, this, &TransmitterCore::onReportsDone);
}

TransmitterCore::~TransmitterCore()
{
    CloseDeviceLink();
}

void TransmitterCore::LoadState(const QString& file)
{
    if (running)
        return;
    running = true;
    settingsFile = file.isEmpty() ? settingsPath() : file;
    const PersistedSettings settings = LoadSettingsFile(settingsFile);
    state = TransmitterState{};
    state.retunePending = true;
    state.frequency = settings.frequency;
    state.paLevel = settings.paLevel;
    state.txGainIndex = settings.txGainIndex;
    state.optionFlags = settings.optionFlags;
    const QString favouritesPath = FavouritesPath(settingsFile);
    const std::vector<std::int32_t> storedFavourites = ReadFavouritesFile(favouritesPath);
    favourites = KeptFavourites(storedFavourites);
    // What the rules leave out stays in the file until the favourites change, and then in a copy of it.
    favouritesBackupOwed = favourites.size() < storedFavourites.size();
    if (favouritesBackupOwed)
        ComplainAboutFile(
            favouritesPath,
            qPrintable(QStringLiteral("only %1 of its %2 lines are used (the lowest %3 on the grid "
                                      "of either band, each once); the file stays as it is, and is "
                                      "kept as Favourites.ini.bak once the favourites change")
                           .arg(favourites.size())
                           .arg(storedFavourites.size())
                           .arg(FavouritesMaximum)));
    onAirAtStart = ReadStartOnAir(StartOnAirPath(settingsFile));
    firstArrivalPending = true;
    exitHookKey = ArmExitHook([this] { endAtExit(); });
    emit changed();
}

bool TransmitterCore::OpenDeviceLink(HotplugWatcher* watcher)
{
    if (linkStarted) {
        delete watcher;
        return link.IsLibraryLoaded();
    }
    running = linkStarted = true;
    announcedConnection = ConnectionState::Absent;
    return link.Start(watcher);
}

void TransmitterCore::CloseDeviceLink()
{
    if (!running)
        return;
    running = false;
    saveTimer.stop();
    if (state.onAir && link.IsOpen())
        ToggleOnAir();
    link.Stop(lastReportLimit);
    linkStarted = false;
    save();
    DisarmExitHook(exitHookKey);
    announceConnection();
}

void TransmitterCore::endAtExit()
{
    // Nothing may reach objects of an application being torn down any more.
    StopReportNotifications();
    if (state.onAir && link.IsOpen()) {
        state.onAir = false;
        send(TuneReport);
        FlushReports(lastReportLimit);
    }
    save();
}

void TransmitterCore::send(ReportKind kind)
{
    if (!link.IsOpen())
        return;
    lastTicket = link.Send(kind, BuildReport(kind, state));
    if (kind == TuneReport)
        state.retunePending = false;
}

void TransmitterCore::onOpened()
{
    ResendAll();
    announceConnection();
    if (std::exchange(firstArrivalPending, false))
        QMetaObject::invokeMethod(this, &TransmitterCore::goOnAirAtStart, Qt::QueuedConnection);
}

void TransmitterCore::ResendAll()
{
    if (!link.IsOpen())
        return;
    state.retunePending = true;
    send(TuneReport);
    link.Pause(retuneTime);
    send(SetupReport);
}

void TransmitterCore::goOnAirAtStart()
{
    if (onAirAtStart && running && link.IsOpen() && !state.onAir)
        ToggleOnAir();
}

bool TransmitterCore::SetOnAirAtStart(bool on)
{
    if (on == onAirAtStart)
        return true;
    if (!WriteStartOnAir(StartOnAirPath(settingsFileInUse()), on))
        return false;
    onAirAtStart = on;
    emit changed();
    return true;
}

FavouriteAnswer TransmitterCore::AddFavourite(std::int32_t frequency)
{
    std::vector<std::int32_t> kept = favourites;
    const FavouriteAnswer answer = AddTo(kept, frequency, state.optionFlags);
    if (answer != FavouriteAnswer::Done || kept == favourites)
        return answer;
    return storeFavourites(std::move(kept)) ? answer : FavouriteAnswer::NotStored;
}

FavouriteAnswer TransmitterCore::RemoveFavourite(std::int32_t frequency)
{
    std::vector<std::int32_t> kept = favourites;
    const FavouriteAnswer answer = RemoveFrom(kept, frequency);
    if (answer != FavouriteAnswer::Done)
        return answer;
    return storeFavourites(std::move(kept)) ? answer : FavouriteAnswer::NotStored;
}

QString TransmitterCore::settingsFileInUse() const
{
    return settingsFile.isEmpty() ? settingsPath() : settingsFile;
}

bool TransmitterCore::storeFavourites(std::vector<std::int32_t> kept)
{
    const QString path = FavouritesPath(settingsFileInUse());
    if (favouritesBackupOwed && !KeepFavouritesBackup(path))
        return false;
    if (!WriteFavouritesFile(path, kept))
        return false;
    favouritesBackupOwed = false;
    favourites = std::move(kept);
    emit changed();
    return true;
}

void TransmitterCore::onClosed()
{
    // Nothing is owed to a transmitter that went: the next one is told everything.
    delivered = true;
    // Its TuneReport is dropped: no connection is open any more.
    if (state.onAir)
        ToggleOnAir();
    announceConnection();
}

void TransmitterCore::onReportsDone(const std::vector<std::uint64_t>& tickets, bool written)
{
    const bool latest = std::find(tickets.cbegin(), tickets.cend(), lastTicket) != tickets.cend();
    if (!written && delivered) {
        delivered = false;
        failedWriteTime = QTime::currentTime();
        emit changed();
    } else if (written && latest && !delivered) {
        delivered = true;
        emit changed();
    }
    if (!written)
        emit writeFailed();
    emit reportsDone(tickets, written);
}

TransmitterCore::ConnectionState TransmitterCore::Connection() const
{
    if (link.IsOpen())
        return ConnectionState::Connected;
    return link.OpenRefused() ? ConnectionState::NoPermission : ConnectionState::Absent;
}

void TransmitterCore::announceConnection()
{
    if (Connection() == announcedConnection)
        return;
    announcedConnection = Connection();
    emit changed();
}

void TransmitterCore::scheduleSave()
{
    if (!saveTimer.isActive())
        saveTimer.start();
}

void TransmitterCore::save()
{
    if (!settingsFile.isEmpty())
        SaveSettingsFile(settingsFile, PersistedOf(state));
}

void TransmitterCore::ToggleOnAir()
{
    state.onAir = !state.onAir;
    send(TuneReport);
    emit changed();
}

void TransmitterCore::ToggleMute()
{
    state.muted = !state.muted;
    send(TuneReport);
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
    if (!state.onAir)
        return false;
    state.retunePending = true;
    state.frequency = stepped(state.frequency, state.optionFlags);
    send(TuneReport);
    scheduleSave();
    emit changed();
    return true;
}

bool TransmitterCore::ChangePaLevel(int paLevel)
{
    if (paLevel < 0 || paLevel > PaLevelMaximum)
        return false;
    if (paLevel == state.paLevel)
        return true;
    state.paLevel = paLevel;
    send(TuneReport);
    scheduleSave();
    emit changed();
    return true;
}

bool TransmitterCore::ChangeTxGain(int txGainIndex, int optionFlags)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    send(SetupReport);
    scheduleSave();
    emit changed();
    return true;
}

bool TransmitterCore::ApplySettings(int optionFlags, int txGainIndex)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    if (const auto clamped = BandClamped(state.frequency, state.optionFlags)) {
        state.frequency = *clamped;
        state.retunePending = true;
        send(TuneReport);
    }
    send(SetupReport);
    scheduleSave();
    emit changed();
    return true;
}

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

QVariantMap TransmitterCore::Properties() const
{
    const Options options = DecodeOptions(state.optionFlags);
    QList<uint> favouritesInKHz;
    for (const std::int32_t frequency : favourites)
        favouritesInKHz.append(uint(frequency * 10));
    return {
        {QStringLiteral("Frequency"), uint(state.frequency * 10)},
        {QStringLiteral("OnAir"), state.onAir},
        {QStringLiteral("Muted"), state.muted},
        {QStringLiteral("PaLevel"), uint(state.paLevel)},
        {QStringLiteral("TxGain"), uint(state.txGainIndex)},
        {QStringLiteral("Stereo"), !options.mono},
        {QStringLiteral("Band"), options.lowBand ? lowBand : wideBand},
        {QStringLiteral("Step"), uint(StepOf(state.optionFlags) * 10)},
        {QStringLiteral("Deemphasis"), uint(options.deemphasis75 ? 75 : 50)},
        {QStringLiteral("Connected"), IsConnected()},
        {QStringLiteral("Connection"), ConnectionName()},
        {QStringLiteral("Delivered"), delivered},
        {QStringLiteral("WriteFailedAt"),
         delivered ? QString() : failedWriteTime.toString(QStringLiteral("hh:mm:ss"))},
        {QStringLiteral("OnAirAtStart"), onAirAtStart},
        {QStringLiteral("Favourites"), QVariant::fromValue(favouritesInKHz)},
    };
}

QString TransmitterCore::WriteProperty(const QString& name, const QVariant& value)
{
    if (readOnly.contains(name))
        return name + QStringLiteral(" is read-only");
    if (name == QLatin1String("OnAirAtStart")) {
        if (!hasType(value, QMetaType::Bool))
            return QStringLiteral("OnAirAtStart takes a boolean");
        return SetOnAirAtStart(value.toBool()) ? QString()
                                               : QStringLiteral("OnAirAtStart could not be stored");
    }
    if (name == QLatin1String("Frequency"))
        return writeFrequency(value);
    if (name == QLatin1String("OnAir") || name == QLatin1String("Muted")) {
        if (!hasType(value, QMetaType::Bool))
            return name + QStringLiteral(" takes a boolean");
        const bool current = name == QLatin1String("OnAir") ? state.onAir : state.muted;
        if (value.toBool() != current)
            name == QLatin1String("OnAir") ? ToggleOnAir() : ToggleMute();
        return {};
    }
    if (name == QLatin1String("PaLevel")) {
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

bool TransmitterCore::TuneTo(std::int32_t frequency)
{
    if (!Tunable(frequency, state.optionFlags))
        return false;
    if (frequency == state.frequency)
        return true;
    state.frequency = frequency;
    // On air it retunes as a step does; off air the retune goes out with the next report.
    state.retunePending = true;
    if (state.onAir)
        send(TuneReport);
    scheduleSave();
    emit changed();
    return true;
}

QString TransmitterCore::writeOptions(const QString& name, const QVariant& value)
{
    Options options = DecodeOptions(state.optionFlags);
    std::int32_t gain = state.txGainIndex;
    if (name == QLatin1String("TxGain")) {
        if (!hasType(value, QMetaType::UInt) || value.toUInt() > TxGainMaximum)
            return QStringLiteral("TxGain takes an unsigned integer from 0 to %1").arg(TxGainMaximum);
        gain = std::int32_t(value.toUInt());
    } else if (name == QLatin1String("Stereo")) {
        if (!hasType(value, QMetaType::Bool))
            return QStringLiteral("Stereo takes a boolean");
        options.mono = !value.toBool();
    } else if (name == QLatin1String("Band")) {
        const QString band = hasType(value, QMetaType::QString) ? value.toString() : QString();
        if (band != wideBand && band != lowBand)
            return QStringLiteral("Band takes \"%1\" or \"%2\"").arg(wideBand, lowBand);
        options.lowBand = band == lowBand;
    } else if (name == QLatin1String("Step")) {
        const auto code = hasType(value, QMetaType::UInt) ? stepCode(value.toUInt()) : std::nullopt;
        if (!code)
            return QStringLiteral("Step takes 200, 100 or 50 (kHz)");
        options.step = *code;
    } else if (name == QLatin1String("Deemphasis")) {
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
