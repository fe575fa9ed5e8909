#pragma once

#include "sound/PulseRestore.h"
#include "sound/RoutingRecord.h"
#include "sound/SinkMatch.h"
#include "sound/SoundEngine.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <QObject>
#include <QString>
#include <QTimer>
#include <sys/types.h>

class QFileSystemWatcher;
struct pa_context;
struct pa_glib_mainloop;
struct pa_operation;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// While the transmitter is connected and the option is on, the computer's sound plays through it: its
// sink becomes the default and the streams on the old default follow; afterwards both go back, unless the
// user picked another default meanwhile. Talks to the desktop's sound server (PulseAudio or PipeWire's
// Pulse server) on the GLib main loop Qt's event dispatcher runs, so no thread and no polling. Never
// changes anything while no transmitter is open, and touches only the default and the streams on it.
//
// The requests (option, transmitter, recheck) only change what is wanted; one operation at a time (a
// search, a check or a restore) then brings the server there, each one reading the default only after the
// one before has had its answers, and the next one is chosen from what is wanted by then.
class PulseRouting final : public QObject, public SoundEngine
{
    Q_OBJECT

public:
    // outageReported: the missing server was already mentioned on stderr. report: every change of status.
    PulseRouting(bool enabled, bool outageReported, EngineStatusCallback report);
    ~PulseRouting() override;

    void SetEnabled(bool enabled) override;
    // Without a server: one line on stderr, and a new connection when one appears.
    void Start() override;
    // Its sink is looked for now and, as sound cards are probed after the HID node, for 10 s of sink
    // announcements.
    void TransmitterOpened(dev_t hidrawNode) override;
    void TransmitterClosed() override;
    void Recheck() override;
    // Gives back what is ours to give back, waiting at most a second for the server.
    void Finish() override;

private:
    bool Wanted() const { return enabled && transmitterOpen && !finished; }
    void Connect();
    void Disconnect();
    void ServerLost();
    void WatchForServer();
    void StateChanged();
    void BeginSearch();
    void EndSearch();
    void Next();
    void Done();
    void Report();
    void Issued(pa_operation* operation);
    void Answered();
    void Remember(const RoutingRecord& replaced);
    void Forget();

    // The operations, each step run from the sound server's answer to the one before.
    void Search();
    void SearchWithDefault(const pa_server_info* info);
    void SearchSink(const pa_sink_info* info, bool last);
    void SearchStream(const pa_sink_input_info* info, bool last);
    void Check();
    void CheckWithDefault(const pa_server_info* info);
    void CheckSink(const pa_sink_info* info, bool last);
    void Restore();

    bool enabled;
    bool finished = false;
    EngineStatusCallback report;
    EngineStatus reported = EngineStatus::Idle;
    QString reportedDescription;

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

    // The operation under way and its answers still to come; what the next one is to do.
    bool busy = false;
    int pending = 0;
    bool searchDue = false;
    bool checkDue = false;

    // Looking for the transmitter's sink: the window after an opening, while not routed.
    QTimer searchWindow;
    bool searching = false;
    bool notFound = false;
    QByteArray serverDefault;
    std::uint32_t serverDefaultIndex = 0;
    bool recordedSinkPresent = false;
    QByteArray foundSink;
    std::uint32_t foundSinkIndex = 0;
    QString foundDescription;

    // The transmitter's sink is the default; record: what was there before, kept also in recordPath.
    bool routed = false;
    QByteArray routedSink;
    std::uint32_t routedSinkIndex = 0;
    QString routedDescription;
    QString recordPath;
    std::optional<RoutingRecord> record;
    std::unique_ptr<PulseRestore> restore;
};
