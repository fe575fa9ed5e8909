#include "core/TransmitterCore.h"

#include "core/CoreLog.h"
#include "core/ExitHook.h"
#include "device/HotplugWatcher.h"
#include "device/Report.h"

#include <utility>

// The run and the device link: the start and the end, a transmitter arriving and going, and the reports
// that carry each change to it.

namespace {

// The last report and the close get about a second at the end: a transmitter that does not read then is
// left to the end of the process, which must not hang on it.
constexpr std::chrono::seconds lastReportLimit(1);
// The transmitter needs time to retune before it takes the setup report; the writer waits it out.
constexpr std::chrono::milliseconds retuneTime(20);

// The end does not wait longer for a transmitter that does not read; its user learns what that means.
void warnOffAirUntaken()
{
    qCWarning(coreLog, "%s",
              qUtf8Printable(TransmitterCore::tr("the transmitter did not take its reports within a second: "
                                                 "ending with its off-air report queued but not taken, so it "
                                                 "may still be on air")));
}

} // namespace

TransmitterCore::TransmitterCore(ExitHooks* exitHooks, QObject* parent)
    : QObject(parent), exitHooks(exitHooks)
{
    // Found among the core's children (its hot-plug watcher with it), as the views and tests look for them.
    link.setParent(this);
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
    const PersistedSettings persisted = settings.Load(file);
    state = TransmitterState{};
    state.retunePending = true;
    state.frequency = persisted.frequency;
    state.paLevel = persisted.paLevel;
    state.txGainIndex = persisted.txGainIndex;
    state.optionFlags = persisted.optionFlags;
    storedOptions.Load(settings.FileInUse());
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
    settings.CancelSave();
    const bool goingOffAir = state.onAir && link.IsOpen();
    if (goingOffAir)
        ToggleOnAir();
    if (!link.Stop(lastReportLimit) && goingOffAir)
        warnOffAirUntaken();
    linkStarted = false;
    settings.Save(true);
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
    settings.Save(true);
}

void TransmitterCore::send(ReportKind kind)
{
    if (!link.IsOpen())
        return;
    delivery.Sent(link.Send(kind, BuildReport(kind, state)));
    if (kind == TuneReport)
        state.retunePending = false;
}

void TransmitterCore::carryOut(std::initializer_list<ReportKind> reports, bool saved)
{
    for (const ReportKind kind : reports)
        send(kind);
    if (saved)
        settings.ScheduleSave();
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
    if (storedOptions.OnAirAtStart() && running && link.IsOpen() && !state.onAir)
        ToggleOnAir();
}

void TransmitterCore::onClosed()
{
    delivery.Forget();
    // Its TuneReport is dropped: no connection is open any more.
    if (state.onAir)
        ToggleOnAir();
    announceConnection();
}

void TransmitterCore::onReportsDone(const std::vector<std::uint64_t>& tickets, bool written)
{
    if (delivery.Take(tickets, written))
        emit changed();
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
