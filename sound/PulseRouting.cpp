#include "sound/PulseRouting.h"

#include "device/TransmitterIds.h"
#include "sound/ServerSocket.h"

#include <cstdio>
#include <libudev.h>
#include <pulse/glib-mainloop.h>
#include <pulse/pulseaudio.h>
#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <utility>

namespace {

constexpr int SearchWindowMs = 10000;
constexpr int FinishWaitMs = 1000;
constexpr int RetryMs = 500;
constexpr int Retries = 10;

PulseRouting* Self(void* userdata)
{
    return static_cast<PulseRouting*>(userdata);
}

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

// Fire and forget: the answer, if any, comes through the callback given. Null when the context cannot send.
bool Issue(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
    return operation != nullptr;
}

SinkProperties PropertiesOf(const pa_proplist* list)
{
    SinkProperties properties;
    for (const char* key : {"sysfs.path", "device.bus_path", "device.vendor.id", "device.product.id"})
        if (const char* value = pa_proplist_gets(list, key))
            properties.insert(key, value);
    return properties;
}

} // namespace

PulseRouting::PulseRouting(bool enabled, bool outageReported)
    : enabled(enabled), outageReported(outageReported)
{
    searchWindow.setSingleShot(true);
    searchWindow.setInterval(SearchWindowMs);
    connect(&searchWindow, &QTimer::timeout, this, &PulseRouting::EndSearch);
    retry.setSingleShot(true);
    retry.setInterval(RetryMs);
    connect(&retry, &QTimer::timeout, this, &PulseRouting::Connect);
}

PulseRouting::~PulseRouting()
{
    Disconnect();
    if (mainloop)
        pa_glib_mainloop_free(mainloop);
}

void PulseRouting::SetEnabled(bool on)
{
    if (on == enabled)
        return;
    enabled = on;
    if (on) {
        BeginSearch();
    } else {
        EndSearch();
        Restore();
    }
}

void PulseRouting::Start()
{
    if (mainloop || finished)
        return;
    // The client library's callbacks run from GLib's default context, which only a GLib dispatcher runs.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) {
        std::fprintf(stderr, "tessaly: the event loop is not GLib's; the sound is not routed\n");
        return;
    }
    mainloop = pa_glib_mainloop_new(nullptr);
    // Loaded because a server's socket appeared: one that is still coming up gets a few more tries.
    retriesLeft = Retries;
    Connect();
}

void PulseRouting::TransmitterOpened(dev_t hidrawNode)
{
    transmitter = IdentityOf(hidrawNode);
    transmitterOpen = true;
    BeginSearch();
}

void PulseRouting::TransmitterClosed()
{
    transmitterOpen = false;
    EndSearch();
    Restore();
}

void PulseRouting::Finish()
{
    if (finished)
        return;
    finished = true;
    EndSearch();
    Restore();
    if (pendingOperations > 0) {
        QEventLoop wait;
        finishLoop = &wait;
        QTimer::singleShot(FinishWaitMs, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
        finishLoop = nullptr;
    }
    Disconnect();
}

void PulseRouting::Connect()
{
    if (context || finished)
        return;
    context = pa_context_new(pa_glib_mainloop_get_api(mainloop), "Tessaly");
    pa_context_set_state_callback(
        context, [](pa_context*, void* self) { Self(self)->StateChanged(); }, this);
    pa_context_set_subscribe_callback(
        context,
        [](pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* self) {
            if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_REMOVE)
                Self(self)->Search();
        },
        this);
    // A server is never started on our account: the desktop starts its own.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        ServerLost();
}

void PulseRouting::Disconnect()
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
    searchRunning = false;
    pendingOperations = 0;
    if (finishLoop)
        finishLoop->quit();
}

void PulseRouting::StateChanged()
{
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        ready = true;
        outageReported = false;
        retriesLeft = 0;
        retry.stop();
        delete serverWatcher;
        serverWatcher = nullptr;
        BeginSearch();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Not from inside the client library's own call: the context goes once it has returned.
        QMetaObject::invokeMethod(this, &PulseRouting::ServerLost, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

void PulseRouting::ServerLost()
{
    if (!context)
        return;
    const bool wasReady = ready;
    const QByteArray reason = pa_strerror(pa_context_errno(context));
    Disconnect();
    // What was changed went with the connection; what it replaced is still what to give back.
    lostWhileRouted = lostWhileRouted || routed;
    routed = false;
    EndSearch();
    if (finished)
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
        std::fprintf(stderr, "tessaly: no sound server (%s); the sound is routed once one is running\n",
                     reason.constData());
    outageReported = true;
}

void PulseRouting::WatchForServer()
{
    serverWatcher = WatchForServerSocket(this, [this] {
        serverWatcher = nullptr;
        retriesLeft = Retries;
        Connect();
    });
}

void PulseRouting::BeginSearch()
{
    if (!ShouldRoute() || finished)
        return;
    if (!searching) {
        searching = true;
        Issue(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK, nullptr, nullptr));
    }
    searchWindow.start();
    Search();
}

void PulseRouting::EndSearch()
{
    searchWindow.stop();
    if (!searching)
        return;
    searching = false;
    if (ready)
        Issue(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_NULL, nullptr, nullptr));
}

void PulseRouting::Search()
{
    if (!searching || !ShouldRoute())
        return;
    if (searchRunning) {
        searchAgain = true;
        return;
    }
    searchRunning = true;
    searchAgain = false;
    Issue(pa_context_get_server_info(
        context,
        [](pa_context*, const pa_server_info* info, void* self) { Self(self)->SearchWithDefault(info); },
        this));
}

void PulseRouting::SearchWithDefault(const pa_server_info* info)
{
    searchDefault = info && info->default_sink_name ? info->default_sink_name : "";
    foundSink.clear();
    searchDefaultIndex = PA_INVALID_INDEX;
    Issue(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->SearchSink(info, eol != 0);
        },
        this));
}

void PulseRouting::SearchSink(const pa_sink_info* info, bool last)
{
    if (!last) {
        if (info && info->name == searchDefault)
            searchDefaultIndex = info->index;
        if (info && foundSink.isEmpty() &&
            SinkBelongsToTransmitter(PropertiesOf(info->proplist), transmitter)) {
            foundSink = info->name;
            foundSinkIndex = info->index;
        }
        return;
    }
    searchRunning = false;
    if (!searching || !ShouldRoute())
        return;
    if (foundSink.isEmpty()) {
        if (searchAgain)
            Search();
        return;
    }
    routed = true;
    routedSink = foundSink;
    routedSinkIndex = foundSinkIndex;
    EndSearch();
    // Already the default: made so before a lost connection (what it replaced is still remembered), or
    // the user's own choice (nothing to give back).
    const bool ourLostRouting = std::exchange(lostWhileRouted, false);
    if (foundSink == searchDefault) {
        if (!ourLostRouting)
            previousDefault.clear();
        return;
    }
    previousDefault = searchDefault;
    // Newer servers move the streams that follow the default themselves, before they answer the list below;
    // only what still plays on the old default (on older servers, or tied to that sink) is moved here.
    Issue(pa_context_set_default_sink(context, foundSink.constData(), nullptr, nullptr));
    if (searchDefaultIndex == PA_INVALID_INDEX)
        return;
    Issue(pa_context_get_sink_input_info_list(
        context,
        [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
            Self(self)->SearchStream(info, eol != 0);
        },
        this));
}

void PulseRouting::SearchStream(const pa_sink_input_info* info, bool last)
{
    // Only while the routing still stands: a restore asked for meanwhile comes after this on the wire.
    if (last || !info || !routed || info->sink != searchDefaultIndex)
        return;
    Issue(pa_context_move_sink_input_by_index(context, info->index, routedSinkIndex, nullptr, nullptr));
}

void PulseRouting::Restore()
{
    lostWhileRouted = false;
    if (!routed)
        return;
    routed = false;
    if (previousDefault.isEmpty() || !ready)
        return;
    restoreFrom = routedSink;
    restoreFromIndex = routedSinkIndex;
    restoreTo = previousDefault;
    pendingOperations += Issue(pa_context_get_server_info(
        context,
        [](pa_context*, const pa_server_info* info, void* self) { Self(self)->RestoreWithDefault(info); },
        this));
}

void PulseRouting::RestoreWithDefault(const pa_server_info* info)
{
    // The user chose another default meanwhile: theirs stays, and so do the streams.
    if (info && info->default_sink_name && restoreFrom == info->default_sink_name) {
        const auto success = [](pa_context*, int, void* self) { Self(self)->OperationDone(); };
        pendingOperations +=
            Issue(pa_context_set_default_sink(context, restoreTo.constData(), success, this));
        pendingOperations += Issue(pa_context_get_sink_input_info_list(
            context,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                Self(self)->RestoreStream(info, eol != 0);
            },
            this));
    }
    OperationDone();
}

void PulseRouting::RestoreStream(const pa_sink_input_info* info, bool last)
{
    if (last) {
        OperationDone();
        return;
    }
    if (!info || info->sink != restoreFromIndex)
        return;
    pendingOperations += Issue(pa_context_move_sink_input_by_name(
        context, info->index, restoreTo.constData(),
        [](pa_context*, int, void* self) { Self(self)->OperationDone(); }, this));
}

void PulseRouting::OperationDone()
{
    if (--pendingOperations == 0 && finishLoop)
        finishLoop->quit();
}

extern "C" __attribute__((visibility("default"))) SoundEngine* CreateSoundEngine(bool enabled,
                                                                                 bool outageReported)
{
    return new PulseRouting(enabled, outageReported);
}
