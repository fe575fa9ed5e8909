#pragma once

#include "sound/SinkMatch.h"
#include "sound/SoundEngine.h"

#include <cstdint>
#include <QObject>
#include <QString>
#include <QTimer>
#include <sys/types.h>

class QEventLoop;
class QFileSystemWatcher;
struct pa_context;
struct pa_glib_mainloop;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// While the transmitter is connected and the option is on, the computer's sound plays through it: its
// sink becomes the default and the streams on the old default follow; afterwards both go back, unless the
// user picked another default meanwhile. Talks to the desktop's sound server (PulseAudio or PipeWire's
// Pulse server) on the GLib main loop Qt's event dispatcher runs, so no thread and no polling. Never
// changes anything while no transmitter is open, and touches only the default and the streams on it.
class PulseRouting final : public QObject, public SoundEngine
{
    Q_OBJECT

public:
    // outageReported: the missing server was already mentioned on stderr.
    PulseRouting(bool enabled, bool outageReported);
    ~PulseRouting() override;

    // Routes or restores at once.
    void SetEnabled(bool enabled) override;
    // Without a server: one line on stderr, and a new connection when one appears.
    void Start() override;
    // Its sink is looked for now and, as sound cards are probed after the HID node, for 10 s of sink
    // announcements.
    void TransmitterOpened(dev_t hidrawNode) override;
    void TransmitterClosed() override;
    // Restores what is ours to restore, waiting at most a second for the server.
    void Finish() override;

private:
    bool ShouldRoute() const { return enabled && transmitterOpen && ready && !routed; }
    void Connect();
    void Disconnect();
    void ServerLost();
    void WatchForServer();
    void BeginSearch();
    void EndSearch();
    void Search();
    void Restore();
    void OperationDone();

    // The steps, each run from the sound server's answer to the one before.
    void StateChanged();
    void SearchWithDefault(const pa_server_info* info);
    void SearchSink(const pa_sink_info* info, bool last);
    void SearchStream(const pa_sink_input_info* info, bool last);
    void RestoreWithDefault(const pa_server_info* info);
    void RestoreStream(const pa_sink_input_info* info, bool last);

    bool enabled;
    bool finished = false;

    bool transmitterOpen = false;
    TransmitterIdentity transmitter;

    pa_glib_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    bool ready = false;
    bool outageReported;
    QFileSystemWatcher* serverWatcher = nullptr;
    // A server coming up makes its socket before it answers: after a change, a few more tries.
    QTimer retry;
    int retriesLeft = 0;

    // Looking for the transmitter's sink: the window after an opening, and one look at a time.
    QTimer searchWindow;
    bool searching = false;
    bool searchRunning = false;
    bool searchAgain = false;
    QByteArray searchDefault;
    QByteArray foundSink;
    std::uint32_t foundSinkIndex = 0;
    std::uint32_t searchDefaultIndex = 0;

    // What was changed: the transmitter's sink made default in place of previousDefault.
    bool routed = false;
    bool lostWhileRouted = false;
    QByteArray routedSink;
    std::uint32_t routedSinkIndex = 0;
    QByteArray previousDefault;

    // A restore under way, and the loop Finish waits in.
    QByteArray restoreFrom;
    std::uint32_t restoreFromIndex = 0;
    QByteArray restoreTo;
    int pendingOperations = 0;
    QEventLoop* finishLoop = nullptr;
};
