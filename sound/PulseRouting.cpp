#include "sound/PulseRouting.h"

#include "device/TransmitterIds.h"
#include "sound/ServerSocket.h"

#include <cstdio>
#include <libudev.h>
#include <pulse/glib-mainloop.h>
#include <pulse/pulseaudio.h>
#include <QAbstractEventDispatcher>
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

// Fire and forget: no answer is waited for.
void Issue(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
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

PulseRouting::PulseRouting(bool enabled, bool outageReported, EngineStatusCallback report)
    : enabled(enabled), report(std::move(report)), reported(EngineStatus::NoServer),
      outageReported(outageReported), recordPath(RoutingRecordPath()), record(ReadRoutingRecord(recordPath))
{
    searchWindow.setSingleShot(true);
    searchWindow.setInterval(SearchWindowMs);
    connect(&searchWindow, &QTimer::timeout, this, [this] {
        EndSearch();
        notFound = Wanted() && !routed;
        Next();
        Report();
    });
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
    notFound = false;
    if (on)
        BeginSearch();
    else
        EndSearch();
    Next();
    Report();
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
    Recheck();
}

void PulseRouting::TransmitterClosed()
{
    transmitterOpen = false;
    notFound = false;
    EndSearch();
    Next();
    Report();
}

void PulseRouting::Recheck()
{
    if (!Wanted())
        return;
    // Routed already: the sink may have gone and come back meanwhile, the default with it.
    if (routed)
        checkDue = true;
    else
        BeginSearch();
    Next();
    Report();
}

void PulseRouting::Finish()
{
    if (finished)
        return;
    finished = true;
    EndSearch();
    retry.stop();
    // What the connection still had under way is dropped; the restore below reads the server afresh.
    Disconnect();
    routed = false;
    if (record && RestoreSynchronously(*record, FinishWaitMs))
        Forget();
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
        [](pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* userdata) {
            PulseRouting* self = Self(userdata);
            if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE || !self->searching)
                return;
            self->searchDue = true;
            self->Next();
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
    busy = false;
    pending = 0;
    restore.reset();
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
        Next();
        Report();
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
    // What was changed went with the connection; the record of what it replaced stays.
    routed = false;
    EndSearch();
    Report();
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
    if (!Wanted() || !ready || routed)
        return;
    notFound = false;
    if (!searching) {
        searching = true;
        Issue(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK, nullptr, nullptr));
    }
    searchDue = true;
    searchWindow.start();
}

void PulseRouting::EndSearch()
{
    searchWindow.stop();
    searchDue = false;
    if (!searching)
        return;
    searching = false;
    if (ready)
        Issue(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_NULL, nullptr, nullptr));
}

void PulseRouting::Next()
{
    if (busy || !ready || finished)
        return;
    if ((routed || record) && !(Wanted() && (routed || searching)))
        Restore();
    else if (Wanted() && routed && checkDue)
        Check();
    else if (Wanted() && !routed && searching && searchDue)
        Search();
}

void PulseRouting::Done()
{
    busy = false;
    pending = 0;
    Next();
    Report();
}

void PulseRouting::Report()
{
    const EngineStatus status = !ready      ? EngineStatus::NoServer
                                : routed    ? EngineStatus::Routed
                                : searching ? EngineStatus::Searching
                                : notFound  ? EngineStatus::NotFound
                                            : EngineStatus::Idle;
    const QString description = status == EngineStatus::Routed ? routedDescription : QString();
    if (status == reported && description == reportedDescription)
        return;
    reported = status;
    reportedDescription = description;
    if (report)
        report(status, description);
}

void PulseRouting::Issued(pa_operation* operation)
{
    if (!operation)
        return;
    ++pending;
    pa_operation_unref(operation);
}

// An operation holds one count of its own while a step runs, so that it ends only after its last answer.
void PulseRouting::Answered()
{
    if (--pending == 0)
        Done();
}

void PulseRouting::Remember(const RoutingRecord& replaced)
{
    record = replaced;
    WriteRoutingRecord(recordPath, replaced);
}

void PulseRouting::Forget()
{
    if (!record)
        return;
    record.reset();
    RemoveRoutingRecord(recordPath);
}

void PulseRouting::Search()
{
    busy = true;
    searchDue = false;
    pending = 1;
    Issued(pa_context_get_server_info(
        context,
        [](pa_context*, const pa_server_info* info, void* self) { Self(self)->SearchWithDefault(info); },
        this));
    Answered();
}

void PulseRouting::SearchWithDefault(const pa_server_info* info)
{
    serverDefault = info && info->default_sink_name ? info->default_sink_name : "";
    serverDefaultIndex = PA_INVALID_INDEX;
    recordedSinkPresent = false;
    foundSink.clear();
    Issued(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->SearchSink(info, eol != 0);
        },
        this));
    Answered();
}

void PulseRouting::SearchSink(const pa_sink_info* info, bool last)
{
    if (!last) {
        if (!info)
            return;
        if (info->name == serverDefault)
            serverDefaultIndex = info->index;
        if (record && info->name == record->routedSink)
            recordedSinkPresent = true;
        if (foundSink.isEmpty() && SinkBelongsToTransmitter(PropertiesOf(info->proplist), transmitter)) {
            foundSink = info->name;
            foundSinkIndex = info->index;
            foundDescription = QString::fromUtf8(info->description ? info->description : info->name);
        }
        return;
    }
    if (foundSink.isEmpty() || !Wanted()) {
        Answered();
        return;
    }
    routed = true;
    routedSink = foundSink;
    routedSinkIndex = foundSinkIndex;
    routedDescription = foundDescription;
    notFound = false;
    EndSearch();
    // The default is ours when a record says we made it so (in this run or a killed one), or when the sink
    // recorded went away and the server picked the default in its place. Any other default is the user's.
    const bool defaultIsOurs = record && (serverDefault == record->routedSink || !recordedSinkPresent);
    if (foundSink == serverDefault && !defaultIsOurs) {
        Forget();
        Answered();
        return;
    }
    const QByteArray previous = defaultIsOurs ? record->previousDefault : serverDefault;
    // Written down before the default changes: a run killed from here on is undone by the next one.
    if (previous.isEmpty())
        Forget();
    else
        Remember({previous, foundSink});
    if (foundSink != serverDefault) {
        Issued(pa_context_set_default_sink(
            context, foundSink.constData(), [](pa_context*, int, void* self) { Self(self)->Answered(); },
            this));
        // Newer servers move the streams that follow the default themselves, before they answer the list
        // below; only what still plays on the old default (on older servers, or tied to that sink) is moved.
        if (serverDefaultIndex != PA_INVALID_INDEX)
            Issued(pa_context_get_sink_input_info_list(
                context,
                [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                    Self(self)->SearchStream(info, eol != 0);
                },
                this));
    }
    Answered();
}

void PulseRouting::SearchStream(const pa_sink_input_info* info, bool last)
{
    if (last) {
        Answered();
        return;
    }
    if (info && info->sink == serverDefaultIndex)
        Issued(pa_context_move_sink_input_by_index(
            context, info->index, routedSinkIndex,
            [](pa_context*, int, void* self) { Self(self)->Answered(); }, this));
}

void PulseRouting::Check()
{
    busy = true;
    checkDue = false;
    pending = 1;
    Issued(pa_context_get_server_info(
        context,
        [](pa_context*, const pa_server_info* info, void* self) { Self(self)->CheckWithDefault(info); },
        this));
    Answered();
}

void PulseRouting::CheckWithDefault(const pa_server_info* info)
{
    serverDefault = info && info->default_sink_name ? info->default_sink_name : "";
    foundSink.clear();
    Issued(pa_context_get_sink_info_list(
        context,
        [](pa_context*, const pa_sink_info* info, int eol, void* self) {
            Self(self)->CheckSink(info, eol != 0);
        },
        this));
    Answered();
}

void PulseRouting::CheckSink(const pa_sink_info* info, bool last)
{
    if (!last) {
        if (info && info->name == routedSink) {
            foundSink = info->name;
            routedSinkIndex = info->index;
        }
        return;
    }
    // Gone, or no longer the default: looked for again as on the transmitter's arrival.
    if (routed && (foundSink.isEmpty() || serverDefault != routedSink)) {
        routed = false;
        BeginSearch();
    }
    Answered();
}

void PulseRouting::Restore()
{
    routed = false;
    if (!record)
        return;
    busy = true;
    restore = std::make_unique<PulseRestore>(context, *record, [this] {
        Forget();
        // Not from inside the restore's own answer: the next operation may replace it.
        QMetaObject::invokeMethod(this, &PulseRouting::Done, Qt::QueuedConnection);
    });
    restore->Start();
}

extern "C" __attribute__((visibility("default"))) SoundEngine*
CreateSoundEngine(bool enabled, bool outageReported, const EngineStatusCallback& report)
{
    return new PulseRouting(enabled, outageReported, report);
}
