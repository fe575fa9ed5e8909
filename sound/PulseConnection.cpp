#include "sound/PulseConnection.h"

#include "sound/ServerSocket.h"
#include "sound/SoundLog.h"

#include <pulse/glib-mainloop.h>
#include <pulse/pulseaudio.h>
#include <QAbstractEventDispatcher>
#include <QFileSystemWatcher>
#include <utility>

namespace {

constexpr int RetryMs = 500;
constexpr int Retries = 10;

PulseConnection* Self(void* userdata)
{
    return static_cast<PulseConnection*>(userdata);
}

// Fire and forget: no answer is waited for.
void Issue(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

PulseConnection::PulseConnection(bool outageReported, Events events)
    : events(std::move(events)), outageReported(outageReported)
{
    retry.setSingleShot(true);
    retry.setInterval(RetryMs);
    connect(&retry, &QTimer::timeout, this, &PulseConnection::Connect);
}

PulseConnection::~PulseConnection()
{
    Disconnect();
    if (mainloop)
        pa_glib_mainloop_free(mainloop);
}

void PulseConnection::Start()
{
    if (mainloop || stopped)
        return;
    // The client library's callbacks run from GLib's default context, which only a GLib dispatcher runs.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) {
        qCWarning(soundLog, "%s",
                  qUtf8Printable(tr("the event loop is not GLib's; the sound is not routed")));
        return;
    }
    mainloop = pa_glib_mainloop_new(nullptr);
    // Loaded because a server's socket appeared: one that is still coming up gets a few more tries.
    retriesLeft = Retries;
    Connect();
}

void PulseConnection::Stop()
{
    stopped = true;
    retry.stop();
    Disconnect();
}

void PulseConnection::WatchSinks(bool on)
{
    sinksWatched = on;
    Subscribe();
}

void PulseConnection::WatchStreams(bool on)
{
    streamsWatched = on;
    Subscribe();
}

void PulseConnection::WatchSound(bool on)
{
    soundWatched = on;
    Subscribe();
}

void PulseConnection::Subscribe()
{
    if (!ready)
        return;
    int mask = PA_SUBSCRIPTION_MASK_NULL;
    if (sinksWatched || soundWatched)
        mask |= PA_SUBSCRIPTION_MASK_SINK;
    if (streamsWatched || soundWatched)
        mask |= PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SERVER;
    Issue(pa_context_subscribe(context, pa_subscription_mask_t(mask), nullptr, nullptr));
}

pa_mainloop_api* PulseConnection::Api() const
{
    return mainloop ? pa_glib_mainloop_get_api(mainloop) : nullptr;
}

void PulseConnection::Connect()
{
    if (context || stopped)
        return;
    context = pa_context_new(pa_glib_mainloop_get_api(mainloop), "Tessaly");
    pa_context_set_state_callback(
        context, [](pa_context*, void* self) { Self(self)->StateChanged(); }, this);
    pa_context_set_subscribe_callback(
        context,
        [](pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* self) {
            const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
            PulseConnection* connection = Self(self);
            if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT || facility == PA_SUBSCRIPTION_EVENT_SERVER)
                connection->events.streamsAnnounced();
            else if (facility == PA_SUBSCRIPTION_EVENT_SINK &&
                     (type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_REMOVE)
                connection->events.sinkAnnounced();
            if (connection->soundWatched)
                connection->events.soundAnnounced();
        },
        this);
    // A server is never started on our account: the desktop starts its own.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        Lost();
}

void PulseConnection::Disconnect()
{
    delete serverWatcher;
    serverWatcher = nullptr;
    if (!context)
        return;
    // Pending answers are dropped with the context; none of them arrives later.
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_set_subscribe_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
    ready = false;
    // A new connection starts without a subscription; what watches asks again.
    sinksWatched = false;
    streamsWatched = false;
    soundWatched = false;
}

void PulseConnection::StateChanged()
{
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        ready = true;
        outageReported = false;
        retriesLeft = 0;
        retry.stop();
        delete serverWatcher;
        serverWatcher = nullptr;
        qCDebug(soundLog, "connected to the sound server at %s", pa_context_get_server(context));
        events.ready(context);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Not from inside the client library's own call: the context goes once it has returned.
        QMetaObject::invokeMethod(this, &PulseConnection::Lost, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

void PulseConnection::Lost()
{
    if (!context)
        return;
    const bool wasReady = ready;
    const QByteArray reason = pa_strerror(pa_context_errno(context));
    Disconnect();
    events.lost();
    if (stopped)
        return;
    // A server started on demand by its socket answers a new connection at once; any other is waited for.
    if (wasReady) {
        Connect();
    } else {
        WatchForServer();
        if (retriesLeft > 0) {
            --retriesLeft;
            retry.start();
        }
    }
    if (!outageReported)
        qCWarning(soundLog, "%s",
                  qUtf8Printable(tr("no sound server (%1); the sound is routed once one is running")
                                     .arg(QString::fromUtf8(reason))));
    outageReported = true;
}

void PulseConnection::WatchForServer()
{
    serverWatcher = WatchForServerSocket(this, [this] {
        serverWatcher = nullptr;
        retriesLeft = Retries;
        Connect();
    });
}
