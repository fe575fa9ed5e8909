#pragma once

#include "device/DeviceLink.h"
#include "state/TransmitterState.h"

#include <cstdint>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <sys/types.h>
#include <vector>

class HotplugWatcher;

// The transmitter's one owner: it holds the state of the run and the device link, and carries out every
// operation, whoever asks for it: the main panel, the settings window, the session bus, the headless run
// and hot-plug. Each operation changes the state, sends the reports that carry the change and announces it
// with changed(); views read the state through State() and repaint from that signal.
class TransmitterCore final : public QObject
{
    Q_OBJECT

public:
    explicit TransmitterCore(QObject* parent = nullptr);
    ~TransmitterCore() override;

    const TransmitterState& State() const { return state; }

    // The start of a run: off air, not muted, the first report retunes, the settings read from
    // settingsFile ("Config.ini" where the program keeps it when empty). Once per run.
    void LoadState(const QString& settingsFile = {});
    // Loads the companion library, follows hot-plug from now on (through watcher, the udev daemon's
    // announcements when null) and opens the transmitter. Returns whether the library loaded; without it
    // arrivals open nothing. Once per run: later calls only answer.
    bool OpenDeviceLink(HotplugWatcher* watcher = nullptr);
    // The end of a run, once however often it is called: the carrier taken off air, the transmitter closed,
    // the library released and the settings written.
    void CloseDeviceLink();
    bool IsConnected() const { return link.IsOpen(); }
    // The open transmitter's device number, 0 when none is open or it cannot be told.
    dev_t ConnectedNode() const { return link.OpenNode(); }

    // The main window's controls.
    void ToggleOnAir();
    void ToggleMute();
    // One step within the band; false (and nothing done) off air.
    bool StepFrequencyUp();
    bool StepFrequencyDown();
    // PA-VALUE moved; an unchanged level sends nothing.
    void ChangePaLevel(int paLevel);
    // TX-GAIN moved while the settings window is open: the gain and the window's options go out at once.
    void ChangeTxGain(int txGainIndex, int optionFlags);
    // The settings window closed with these choices: the frequency brought into the band, then the setup.
    void ApplySettings(int optionFlags, int txGainIndex);

    // The scripting view of the state, keyed by property name: Frequency (kHz), OnAir, Muted, PaLevel,
    // TxGain, Stereo, Band, Step (kHz), Deemphasis (µs), Connected.
    QVariantMap Properties() const;
    // Does what the control showing the property does. A refused value (wrong type, out of range, unknown,
    // read-only) changes and sends nothing; the returned text says what is accepted. Empty: done.
    QString WriteProperty(const QString& name, const QVariant& value);

    // The ticket of the last report handed to the device writer (0 before any); reportsDone() tells when
    // it was written.
    std::uint64_t LastTicket() const { return lastTicket; }

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
    bool stepFrequency(std::int32_t (*stepped)(std::int32_t, std::int32_t));
    QString writeFrequency(const QVariant& value);
    QString writeOptions(const QString& name, const QVariant& value);
    // A transmitter arrived: it is told everything, retuning first.
    void onOpened();
    void onClosed();
    void onReportsDone(const std::vector<std::uint64_t>& tickets, bool written);
    // changed() when the connection is not what was last announced.
    void announceConnection();
    // Writes the settings a second after the first change, so a held frequency button writes at most once
    // a second and a run ended without its teardown (the display lost) still keeps them.
    void scheduleSave();
    void save();
    // The process ends through exit() without the end of its run: off air and saved, nothing else.
    void endAtExit();

    TransmitterState state;
    DeviceLink link;
    QTimer saveTimer;
    QString settingsFile;
    std::uint64_t lastTicket = 0;
    int exitHookKey = 0;
    bool running = false; // between the start of a run and its end
    bool linkStarted = false;
    bool announcedConnected = false;
};
