#pragma once

#include "sound/PulseConnection.h"
#include "sound/PulseOperation.h"
#include "sound/PulseRoutedSink.h"
#include "sound/RoutingScheduler.h"
#include "sound/RoutingServer.h"
#include "sound/SoundCheck.h"
#include "sound/SoundEngine.h"

#include <memory>
#include <QObject>
#include <QPointer>
#include <sys/types.h>

// While the transmitter is connected and the option is on, the computer's sound plays through it: its
// sink becomes the default and the streams on the old default follow; afterwards both go back, unless the
// user picked another default meanwhile. The scheduler decides, the connection reaches the server, and the
// operations (a search, a check or a restore) run there one at a time. Never changes anything while no
// transmitter is open, and touches only the default and the streams on it.
class PulseRouting final : public QObject, public SoundEngine, private RoutingServer
{
    Q_OBJECT

public:
    // outageReported: the missing server was already mentioned on stderr. report: every change of status.
    PulseRouting(bool enabled, bool outageReported, const EngineReports& reports);
    ~PulseRouting() override;

    void SetEnabled(bool enabled) override;
    void Reapply() override;
    // Without a server: one line on stderr, and a new connection when one appears.
    void Start() override;
    void TransmitterOpened(dev_t hidrawNode) override;
    void TransmitterClosed() override;
    void Recheck() override;
    // Gives back what is ours to give back, waiting at most a second for the server.
    void Finish() override;
    void CheckSound(int measureMs, std::function<void(const SoundFacts& facts)> done) override;
    void SetLevelWatched(bool watched) override;
    void SetSoundWatched(bool watched) override;

private:
    void Announced();
    void WatchSinks(bool on) override;
    void Search(std::function<RoutingPlan(const ServerSinks& seen)> plan,
                std::function<void()> done) override;
    void Check(std::function<void(const ServerSinks& seen)> done) override;
    void Restore(const RoutingRecord& record, std::function<void()> done) override;
    // Runs operation; done follows its end from the event loop, as the next operation may replace it.
    void Run(std::unique_ptr<PulseOperation> started);
    std::function<void(const ServerSinks& seen)> Later(std::function<void(const ServerSinks& seen)> done);
    void Drop();
    void StatusReported(EngineStatus status, const QString& sinkDescription);
    void FollowRoutedSink(bool routed);

    EngineReports reports;
    TransmitterIdentity transmitter;
    bool levelWatched = false;
    bool soundWatched = false;
    bool announcePending = false;
    // Declared in this order so that the operation and the routed sink's reading go before the connection
    // their context belongs to.
    RoutingScheduler scheduler;
    PulseConnection connection;
    std::unique_ptr<PulseRoutedSink> routedSink;
    pa_context* context = nullptr;
    // Counts the operations and the lost connections, so that the end of a dropped operation is not heard.
    unsigned serial = 0;
    std::unique_ptr<PulseOperation> operation;
    // The hearing check under way, which later askers share.
    QPointer<SoundCheck> check;
};
