#pragma once

#include "core/Delivery.h"
#include "core/Favourites.h"
#include "core/HearingCheck.h"
#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "device/DeviceLink.h"
#include "state/PersonText.h"
#include "state/TransmitterState.h"

#include <cstdint>
#include <initializer_list>
#include <QObject>
#include <QString>
#include <QTime>
#include <QVariantMap>
#include <sys/types.h>
#include <vector>

class ExitHooks;
class HotplugWatcher;

// The transmitter's one owner: it holds the state of the run and the device link, and carries out every
// operation, whoever asks for it: the main panel, the settings window, the session bus, the headless run
// and hot-plug. Each operation changes the state, sends the reports that carry the change and announces it
// with changed(); views read the state through State() and repaint from that signal.
class TransmitterCore final : public QObject
{
    Q_OBJECT

public:
    // exitHooks: the run's, where the end of a process that exits without the end of its run is armed;
    // without them such an end leaves the transmitter as it is.
    explicit TransmitterCore(ExitHooks* exitHooks = nullptr, QObject* parent = nullptr);
    ~TransmitterCore() override;

    const TransmitterState& State() const { return state; }

    // The start of a run: off air, not muted, the first report retunes, the settings read from
    // settingsFile ("Config.ini" where the program keeps it when empty), the favourites and the
    // on-air-at-start option from their files beside it. Once per run.
    void LoadState(const QString& settingsFile = {});
    // Where Config.ini is, also before the start of the run; the other files the program keeps lie beside it.
    QString SettingsFileInUse() const { return settings.FileInUse(); }
    // Loads the companion library, follows hot-plug from now on (through watcher, the udev daemon's
    // announcements when null) and opens the transmitter. Returns whether the library loaded; without it
    // arrivals open nothing. Once per run: later calls only answer.
    bool OpenDeviceLink(HotplugWatcher* watcher = nullptr);
    // The end of a run, once however often it is called: the carrier taken off air, the transmitter closed,
    // the library released and the settings written.
    void CloseDeviceLink();
    bool IsConnected() const { return link.IsOpen(); }
    // Whether OpenDeviceLink loaded the companion library.
    bool IsLibraryLoaded() const { return link.IsLibraryLoaded(); }
    // What the views tell of the transmitter: open, not there, or there but not allowed to be opened (the
    // udev rule is missing). A change comes with changed().
    enum class ConnectionState
    {
        Connected,
        Absent,
        NoPermission
    };
    Q_ENUM(ConnectionState)
    ConnectionState Connection() const;
    // The same for scripts: "connected", "absent" or "no-permission".
    QString ConnectionName() const;
    // The open transmitter's device number, 0 when none is open or it cannot be told.
    dev_t ConnectedNode() const { return link.OpenNode(); }

    // The main window's controls.
    void ToggleOnAir();
    void ToggleMute();
    // One step within the band; false (and nothing done) off air.
    bool StepFrequencyUp();
    bool StepFrequencyDown();
    // PA-VALUE moved; an unchanged level sends nothing. False, and nothing done, outside 0..PaLevelMaximum.
    bool ChangePaLevel(int paLevel);
    // TX-GAIN moved while the settings window is open: the gain and the window's options go out at once.
    // False, and nothing done, for a gain outside 0..TxGainMaximum.
    bool ChangeTxGain(int optionFlags, int txGainIndex);
    // The settings window closed with these choices: the frequency brought into the band, then the setup.
    // False, and nothing done, for a gain outside 0..TxGainMaximum.
    bool ApplySettings(int optionFlags, int txGainIndex);

    // Tunes as a step does (the retune bit armed, sent only on air), also off air, where it is stored for
    // the next report. False, and nothing done, off the grid or outside the band in use.
    bool TuneTo(std::int32_t frequency);
    // The transmitter is told everything again, retuning first, as when it arrives; nothing without one.
    void ResendAll();

    // Going on air as Play does once a transmitter is connected for the first time in the run.
    // StoreOnAirAtStart stores the choice. Empty when done; else "… not stored: <why>", and nothing changed:
    // the bus and the page take the English. Set… says the same in the user's language, for the window.
    bool OnAirAtStart() const { return storedOptions.OnAirAtStart(); }
    PersonText StoreOnAirAtStart(bool on);
    QString SetOnAirAtStart(bool on) { return StoreOnAirAtStart(on).Translated(); }
    // Whether the session starts the program, into the tray, at login (state/AutostartEntry.h). Stored and
    // set as the option above.
    bool StartsAtLogin() const { return storedOptions.StartsAtLogin(); }
    PersonText StoreStartAtLogin(bool on);
    QString SetStartAtLogin(bool on) { return StoreStartAtLogin(on).Translated(); }
    // Ascending, in units of 10 kHz, at most FavouritesMaximum. Each change is stored at once; a change that
    // cannot be stored is NotStored and not made, and notStored says why: in the user's language as a
    // QString, for the bus as PersonText.
    const std::vector<std::int32_t>& Favourites() const { return storedOptions.Favourites(); }
    // The lines of Favourites.ini the start left out, and why: the window tells them once.
    const FavouritesLeftOut& FavouritesLeftOutAtStart() const
    {
        return storedOptions.FavouritesLeftOutAtStart();
    }
    FavouriteAnswer AddFavourite(std::int32_t frequency, QString* notStored = nullptr);
    FavouriteAnswer RemoveFavourite(std::int32_t frequency, QString* notStored = nullptr);
    FavouriteAnswer AddFavourite(std::int32_t frequency, PersonText& notStored);
    FavouriteAnswer RemoveFavourite(std::int32_t frequency, PersonText& notStored);

    // The scripting view of the state, keyed by property name: Frequency (kHz), OnAir, Muted, PaLevel,
    // TxGain, Stereo, Band, Step (kHz), Deemphasis (µs), Connected, Connection ("connected", "absent" or
    // "no-permission"), Delivered, WriteFailedAt ("hh:mm:ss" while not delivered, else empty),
    // OnAirAtStart, Favourites (kHz).
    QVariantMap Properties() const;
    // Does what the control showing the property does. A refused value (wrong type, out of range, unknown,
    // read-only) changes and sends nothing; the returned text says what is accepted, in English as the bus
    // and the page's scripts read it. Empty: done.
    QString WriteProperty(const QString& name, const QVariant& value);

    // Whether the transmitter took the state as it stands: false from a report it did not take until the
    // latest report is written; true without a transmitter, which is told everything when it arrives.
    // FailedWriteTime() is when the write failed (local time). A change comes with changed().
    bool Delivered() const { return delivery.Delivered(); }
    QTime FailedWriteTime() const { return delivery.FailedWriteTime(); }
    // The transmitter's side of the hearing check, as it stands.
    TransmitterFacts HearingFacts() const;

    // The ticket of the last report handed to the device writer (0 before any); reportsDone() tells when
    // it was written.
    std::uint64_t LastTicket() const { return delivery.LastTicket(); }
    // Waits until the transmitter took or failed what was sent, at most limit; false when it had not by then.
    bool WaitForReports(std::chrono::milliseconds limit) { return link.Flush(limit); }

signals:
    // Any change of the state or of the connection.
    void changed();
    // A report could not be written; shown by whoever has a screen.
    void writeFailed();
    // The reports with these tickets were written, or failed.
    void reportsDone(const std::vector<std::uint64_t>& tickets, bool written);

private:
    // Builds the report from the state now and hands it to the link; a TuneReport that goes out takes the
    // retune bit with it. Nothing is built while no transmitter is open.
    void send(ReportKind kind);
    // The tail of every change: the reports that carry it, in order, the settings saved a second later
    // unless unsaved (on air and mute are not kept), and changed().
    void carryOut(std::initializer_list<ReportKind> reports, bool saved = true);
    bool stepFrequency(std::int32_t (*stepped)(std::int32_t, std::int32_t));
    QString writeFrequency(const QVariant& value);
    QString writeOptions(const QString& name, const QVariant& value);
    // A transmitter arrived: it is told everything, retuning first.
    void onOpened();
    // The first arrival of the run with the option on: Play, once the start has run its course, so the
    // window shows it as a press would.
    void goOnAirAtStart();
    FavouriteAnswer storeFavourites(std::vector<std::int32_t> kept, PersonText& notStored);
    void onClosed();
    void onReportsDone(const std::vector<std::uint64_t>& tickets, bool written);
    // changed() when the connection is not what was last announced.
    void announceConnection();
    // The process ends through exit() without the end of its run: off air and saved, nothing else.
    void endAtExit();

    TransmitterState state;
    DeviceLink link;
    SettingsStore settings{state};
    StoredOptions storedOptions;
    Delivery delivery;
    bool firstArrivalPending = false;
    ExitHooks* exitHooks;
    int exitHookKey = 0;
    bool running = false; // between the start of a run and its end
    bool linkStarted = false;
    ConnectionState announcedConnection = ConnectionState::Absent;
};
