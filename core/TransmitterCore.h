#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <sys/types.h>

class HotplugWatcher;

// The transmitter's operations, whoever asks for them: the main panel, the settings window, the session bus,
// the headless run and hot-plug. Each changes transmitterState, sends the reports that carry the change
// and announces it with changed(); views repaint from that signal rather than from the handler that made
// the change.
class TransmitterCore final : public QObject
{
    Q_OBJECT

public:
    explicit TransmitterCore(QObject* parent = nullptr);
    ~TransmitterCore() override;

    // The start of a run: off air, not muted, the first report retunes, the settings file read.
    void LoadState();
    // Loads the companion library, follows hot-plug from now on and opens the transmitter. Returns whether
    // the library loaded; without it arrivals open nothing.
    bool OpenDeviceLink();
    // The end of a run, once however often it is called: the settings written, the carrier taken off air,
    // the transmitter closed and the library released.
    void CloseDeviceLink();
    bool IsConnected() const;

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

signals:
    // Any change of the state or of the connection.
    void changed();
    // A report could not be written; shown by whoever has a screen.
    void writeFailed();

private:
    bool stepFrequency(std::int32_t (*stepped)(std::int32_t, std::int32_t));
    QString writeFrequency(const QVariant& value);
    QString writeOptions(const QString& name, const QVariant& value);
    // changed() when the connection is not what was last announced.
    void announceConnection();

    bool running = false; // between the start of a run and its end
    bool announcedConnected = false;
};
