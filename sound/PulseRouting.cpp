#include "sound/PulseRouting.h"

#include "device/TransmitterIds.h"
#include "sound/PulseCheckServer.h"
#include "sound/PulseRestore.h"
#include "sound/PulseSearch.h"
#include "sound/ServerSocket.h"
#include "sound/SoundCheck.h"

#include <libudev.h>
#include <utility>

namespace {

constexpr int FinishWaitMs = 1000;

// The USB device above the hidraw node, as sysfs and udev name its place on the bus.
TransmitterIdentity IdentityOf(dev_t hidrawNode)
{
    TransmitterIdentity identity{{}, {}, TransmitterVendorId, TransmitterProductId};
    if (hidrawNode == 0)
        return identity;
    udev* context = udev_new();
    if (!context)
        return identity;
    if (udev_device* node = udev_device_new_from_devnum(context, 'c', hidrawNode)) {
        // Owned by the node: not released separately.
        if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(node, "usb", "usb_device")) {
            identity.usbDevicePath = udev_device_get_devpath(usb);
            identity.usbBusPath = udev_device_get_property_value(usb, "ID_PATH");
        }
        udev_device_unref(node);
    }
    udev_unref(context);
    return identity;
}

} // namespace

PulseRouting::PulseRouting(bool enabled, bool outageReported, const EngineReports& reports)
    : reports(reports), transmitter(IdentityOf(0)),
      scheduler(enabled, RoutingRecordPath(),
                [this](EngineStatus status, const QString& sink) { StatusReported(status, sink); }),
      connection(outageReported, {[this](pa_context* ready) {
                                      context = ready;
                                      connection.WatchSound(soundWatched);
                                      scheduler.ServerReady(this);
                                  },
                                  [this] {
                                      Drop();
                                      scheduler.ServerLost();
                                  },
                                  [this] { scheduler.SinksAnnounced(); },
                                  [this] {
                                      if (routedSink)
                                          routedSink->StreamsAnnounced();
                                  },
                                  [this] { Announced(); }})
{}

PulseRouting::~PulseRouting() = default;

void PulseRouting::SetEnabled(bool on)
{
    scheduler.SetEnabled(on);
}

void PulseRouting::Reapply()
{
    scheduler.PutBack();
}

void PulseRouting::Start()
{
    connection.Start();
}

void PulseRouting::TransmitterOpened(dev_t hidrawNode)
{
    transmitter = IdentityOf(hidrawNode);
    scheduler.TransmitterOpened(transmitter);
}

void PulseRouting::TransmitterClosed()
{
    // A check without the transmitter still finds its card by the USB IDs.
    transmitter = IdentityOf(0);
    scheduler.TransmitterClosed();
}

void PulseRouting::Recheck()
{
    scheduler.Recheck();
}

void PulseRouting::Finish()
{
    FollowRoutedSink(false);
    // Checks under way end unanswered here; the program's side answers them.
    qDeleteAll(findChildren<SoundCheck*>(Qt::FindDirectChildrenOnly));
    const std::optional<RoutingRecord> owed = scheduler.Finish();
    // What the connection still had under way is dropped; the restore below reads the server afresh.
    connection.Stop();
    Drop();
    if (owed && RestoreSynchronously(*owed, FinishWaitMs))
        scheduler.GivenBack();
}

void PulseRouting::CheckSound(int measureMs, std::function<void(const SoundFacts& facts)> done)
{
    // Asked while one runs: its answer is shared, so a flood of checks costs the server one connection.
    if (check && check->Join(measureMs, done))
        return;
    // Deletes itself once it has answered.
    check = new SoundCheck(std::make_unique<PulseCheckServer>(connection.Api()), transmitter, measureMs,
                           ServerMayBeThere, std::move(done), this);
    check->Start();
}

void PulseRouting::SetLevelWatched(bool watched)
{
    levelWatched = watched;
    if (routedSink)
        routedSink->SetLevelWatched(watched);
}

void PulseRouting::SetSoundWatched(bool watched)
{
    soundWatched = watched;
    connection.WatchSound(watched);
}

// Announcements come in bursts: told once for all that came before the event loop's next turn, and never
// from inside the client library's own call.
void PulseRouting::Announced()
{
    if (std::exchange(announcePending, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            announcePending = false;
            if (soundWatched)
                reports.announced();
        },
        Qt::QueuedConnection);
}

void PulseRouting::StatusReported(EngineStatus status, const QString& sinkDescription)
{
    FollowRoutedSink(status == EngineStatus::Routed);
    reports.status(status, sinkDescription);
}

// Routed: the streams into the sink are followed; otherwise nothing is, and nothing plays into it for us.
void PulseRouting::FollowRoutedSink(bool routed)
{
    const bool following = routed && context;
    if (following && routedSink && routedSink->Sink() == scheduler.RoutedSink())
        return;
    const bool wasFollowing = bool(routedSink);
    routedSink.reset();
    connection.WatchStreams(following);
    // Whatever the dropped follower still had to tell: nothing plays into a sink not followed, and nothing
    // goes elsewhere from a routing not in place.
    if (wasFollowing) {
        reports.playing(false);
        reports.elsewhere({}, {});
    }
    if (!following)
        return;
    routedSink = std::make_unique<PulseRoutedSink>(context, scheduler.RoutedSink(), reports.playing,
                                                   reports.level, reports.elsewhere);
    routedSink->SetLevelWatched(levelWatched);
}

void PulseRouting::WatchSinks(bool on)
{
    connection.WatchSinks(on);
}

void PulseRouting::Search(std::function<RoutingPlan(const ServerSinks& seen)> plan,
                          std::function<void()> done)
{
    Run(std::make_unique<PulseSearch>(context, std::move(plan),
                                      Later([done](const ServerSinks&) { done(); })));
}

void PulseRouting::Check(std::function<void(const ServerSinks& seen)> done)
{
    Run(std::make_unique<PulseOperation>(context, Later(std::move(done))));
}

void PulseRouting::Restore(const RoutingRecord& record, std::function<void()> done)
{
    Run(std::make_unique<PulseRestore>(context, record, Later([done](const ServerSinks&) { done(); })));
}

void PulseRouting::Run(std::unique_ptr<PulseOperation> started)
{
    operation = std::move(started);
    operation->Start();
}

std::function<void(const ServerSinks& seen)>
PulseRouting::Later(std::function<void(const ServerSinks& seen)> done)
{
    return [this, done = std::move(done), expected = ++serial](const ServerSinks& seen) {
        QMetaObject::invokeMethod(
            this,
            [this, done, expected, seen] {
                if (expected != serial)
                    return;
                operation.reset();
                done(seen);
            },
            Qt::QueuedConnection);
    };
}

// The connection went, and with it the operation's answers.
void PulseRouting::Drop()
{
    ++serial;
    operation.reset();
    context = nullptr;
}

extern "C" __attribute__((visibility("default"))) SoundEngine*
CreateSoundEngine(bool enabled, bool outageReported, const EngineReports& reports)
{
    return new PulseRouting(enabled, outageReported, reports);
}
