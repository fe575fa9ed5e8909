#pragma once

#include <memory>
#include <QObject>
#include <QString>
#include <sys/types.h>

class QFileSystemWatcher;
class SoundEngine;

// While the transmitter is connected and the option is on, the computer's sound plays through it: its
// sink becomes the default and the streams on the old default follow; afterwards both go back, unless the
// user picked another default meanwhile. Keeps the option "Play sound through the transmitter" and what
// the program tells it; the sound server itself is reached through the engine module, loaded only once a
// server's socket exists, so a machine without one pays nothing for it.
class SoundRouting final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ IsEnabled WRITE SetEnabled NOTIFY enabledChanged)

public:
    // optionPath: the file that keeps the option; read here.
    explicit SoundRouting(const QString& optionPath, QObject* parent = nullptr);
    ~SoundRouting() override;

    bool IsEnabled() const { return enabled; }
    // Stores the choice, then routes or restores at once.
    void SetEnabled(bool enabled);

    // Reaches the sound server, asynchronously; call once the window is shown (or the headless start is
    // done). Without a server: one line on stderr, and the server is reached when it appears.
    void Start();
    // The transmitter was opened; hidrawNode is its node's device number (0 when unknown).
    void TransmitterOpened(dev_t hidrawNode);
    void TransmitterClosed();
    // The program ends: restores what is ours to restore, waiting at most a second for the server.
    void Finish();

signals:
    void enabledChanged(bool enabled);

private:
    void startEngineWhenServerAppears();
    bool startEngine();

    QString optionPath;
    bool enabled;
    bool started = false;
    bool finished = false;
    dev_t transmitterNode = 0;
    bool transmitterOpen = false;
    bool outageReported = false;
    QFileSystemWatcher* serverWatcher = nullptr;
    void* module = nullptr;
    std::unique_ptr<SoundEngine> engine;
};
