#include "core/TransmitterCore.h"

#include "core/ExitHook.h"
#include "core/Tuning.h"
#include "device/HotplugWatcher.h"
#include "state/AutostartEntry.h"
#include "state/FavouritesFile.h"
#include "state/Properties.h"
#include "state/SettingsFile.h"
#include "state/SmallTextFile.h"
#include "state/StartOnAirFile.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <QCoreApplication>
#include <QMetaType>
#include <utility>

namespace {

constexpr int saveDelayMs = 1000;
// The last report and the close get about a second at the end: a transmitter that does not read then is
// left to the end of the process, which must not hang on it.
constexpr std::chrono::seconds lastReportLimit(1);
// The transmitter needs time to retune before it takes the setup report; the writer waits it out.
constexpr std::chrono::milliseconds retuneTime(20);

// The end does not wait longer for a transmitter that does not read; its user learns what that means.
void warnOffAirUntaken()
{
    std::fputs("tessaly: the transmitter did not take its reports within a second: ending with its off-air "
               "report queued but not taken, so it may still be on air\n",
               stderr);
}

} // namespace

TransmitterCore::TransmitterCore(ExitHooks* exitHooks, QObject* parent)
    : QObject(parent), exitHooks(exitHooks)
{
    // Found among the core's children (its hot-plug watcher with it), as the views and tests look for them.
    link.setParent(this);
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(saveDelayMs);
    connect(&saveTimer, &QTimer::timeout, this, [this] { save(false); });
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
    favouritesFile = ReadFavouritesFile(favouritesPath);
    const std::vector<std::int32_t>& storedFavourites = favouritesFile.frequencies;
    favourites = KeptFavourites(storedFavourites);
    // What the rules leave out stays in the file until the favourites change, and then in a copy of it.
    if (favourites.size() < storedFavourites.size())
        ComplainAboutFile(
            favouritesPath,
            qPrintable(QStringLiteral("only %1 of its %2 lines are used (the lowest %3 on the grid "
                                      "of either band, each once); the file stays as it is, and is "
                                      "kept as Favourites.ini.bak once the favourites change")
                           .arg(favourites.size())
                           .arg(storedFavourites.size())
                           .arg(FavouritesMaximum)));
    onAirAtStart = ReadStartOnAir(StartOnAirPath(settingsFile));
    startAtLogin = AutostartEntryExists(AutostartEntryPath());
    firstArrivalPending = true;
    if (exitHooks)
        exitHookKey = exitHooks->Arm([this] { endAtExit(); });
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
    const bool goingOffAir = state.onAir && link.IsOpen();
    if (goingOffAir)
        ToggleOnAir();
    if (!link.Stop(lastReportLimit) && goingOffAir)
        warnOffAirUntaken();
    linkStarted = false;
    save(true);
    if (exitHooks)
        exitHooks->Disarm(exitHookKey);
    announceConnection();
}

void TransmitterCore::endAtExit()
{
    // Nothing may reach objects of an application being torn down any more.
    link.EndNotifications();
    if (state.onAir && link.IsOpen()) {
        state.onAir = false;
        send(TuneReport);
        if (!link.Flush(lastReportLimit))
            warnOffAirUntaken();
    }
    save(true);
}

void TransmitterCore::send(ReportKind kind)
{
    if (!link.IsOpen())
        return;
    lastTicket = link.Send(kind, BuildReport(kind, state));
    if (kind == TuneReport)
        state.retunePending = false;
}

void TransmitterCore::carryOut(std::initializer_list<ReportKind> reports, bool saved)
{
    for (const ReportKind kind : reports)
        send(kind);
    if (saved)
        scheduleSave();
    emit changed();
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

QString TransmitterCore::SetOnAirAtStart(bool on)
{
    if (on == onAirAtStart)
        return {};
    if (const QString failure = WriteStartOnAir(StartOnAirPath(SettingsFileInUse()), on); !failure.isEmpty())
        return tr("Going on air at start not stored: %1").arg(failure);
    onAirAtStart = on;
    emit changed();
    return {};
}

QString TransmitterCore::SetStartAtLogin(bool on)
{
    if (on == startAtLogin)
        return {};
    // The window's program, also when asked of the headless one: the session has a tray to start it into.
    const QString path = AutostartEntryPath();
    const QString failure =
        on ? WriteAutostartEntry(path, QCoreApplication::applicationDirPath() + QStringLiteral("/tessaly"))
           : RemoveAutostartEntry(path);
    if (!failure.isEmpty())
        return tr("Starting at login not stored: %1").arg(failure);
    startAtLogin = on;
    emit changed();
    return {};
}

FavouriteAnswer TransmitterCore::AddFavourite(std::int32_t frequency, QString* notStored)
{
    std::vector<std::int32_t> kept = favourites;
    const FavouriteAnswer answer = AddTo(kept, frequency, state.optionFlags);
    if (answer != FavouriteAnswer::Done || kept == favourites)
        return answer;
    return storeFavourites(std::move(kept), notStored);
}

FavouriteAnswer TransmitterCore::RemoveFavourite(std::int32_t frequency, QString* notStored)
{
    std::vector<std::int32_t> kept = favourites;
    const FavouriteAnswer answer = RemoveFrom(kept, frequency);
    if (answer != FavouriteAnswer::Done)
        return answer;
    return storeFavourites(std::move(kept), notStored);
}

QString TransmitterCore::SettingsFileInUse() const
{
    return settingsFile.isEmpty() ? settingsPath() : settingsFile;
}

FavouriteAnswer TransmitterCore::storeFavourites(std::vector<std::int32_t> kept, QString* notStored)
{
    const QString path = FavouritesPath(SettingsFileInUse());
    if (const QString failure = WriteFavouritesFile(path, favouritesFile, favourites, kept);
        !failure.isEmpty()) {
        if (notStored)
            *notStored = tr("Favourites not stored: %1").arg(failure);
        return FavouriteAnswer::NotStored;
    }
    favourites = std::move(kept);
    emit changed();
    return FavouriteAnswer::Done;
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
    if (!written) {
        // The latest failure's time: a transmitter failing for minutes is not stuck at the first one.
        delivered = false;
        failedWriteTime = QTime::currentTime();
        emit changed();
    } else if (latest && !delivered) {
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

void TransmitterCore::save(bool ending)
{
    if (settingsFile.isEmpty())
        return;
    // Said once, not at every later change, and always at the end: the run's changes are lost then.
    const QString failure = SaveSettingsFile(settingsFile, PersistedOf(state));
    if (!failure.isEmpty() && (failure != saveFailure || ending))
        std::fprintf(stderr, "tessaly: %s\n", qPrintable(tr("Settings not saved: %1").arg(failure)));
    saveFailure = failure;
}

void TransmitterCore::ToggleOnAir()
{
    state.onAir = !state.onAir;
    carryOut({TuneReport}, false);
}

void TransmitterCore::ToggleMute()
{
    state.muted = !state.muted;
    carryOut({TuneReport}, false);
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
    carryOut({TuneReport});
    return true;
}

bool TransmitterCore::ChangePaLevel(int paLevel)
{
    if (paLevel < 0 || paLevel > PaLevelMaximum)
        return false;
    if (paLevel == state.paLevel)
        return true;
    state.paLevel = paLevel;
    carryOut({TuneReport});
    return true;
}

bool TransmitterCore::ChangeTxGain(int optionFlags, int txGainIndex)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    carryOut({SetupReport});
    return true;
}

bool TransmitterCore::ApplySettings(int optionFlags, int txGainIndex)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    const auto clamped = BandClamped(state.frequency, state.optionFlags);
    if (!clamped) {
        carryOut({SetupReport});
        return true;
    }
    state.frequency = *clamped;
    state.retunePending = true;
    carryOut({TuneReport, SetupReport});
    return true;
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
        carryOut({TuneReport});
    else
        carryOut({});
    return true;
}
