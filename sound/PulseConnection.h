#pragma once

#include <functional>
#include <QObject>
#include <QTimer>

class QFileSystemWatcher;
struct pa_context;
struct pa_glib_mainloop;
struct pa_mainloop_api;

// The connection to the desktop's sound server (PulseAudio or PipeWire's Pulse server) on the GLib main loop
// Qt's event dispatcher runs, so no thread and no polling. A lost server is connected to again: one that
// answers on demand at once, any other once its socket appears; the outage is mentioned once on stderr.
class PulseConnection final : public QObject
{
    Q_OBJECT

public:
    struct Events
    {
        std::function<void(pa_context* context)> ready; // the context stays valid until lost or Stop
        std::function<void()> lost;                     // not called for Stop
        std::function<void()> sinkAnnounced;            // a sink appeared or changed while watched
        // A stream to a sink came, changed or went, or the default changed, while watched.
        std::function<void()> streamsAnnounced;
        std::function<void()> soundAnnounced; // any of the above, while the sound is watched
    };

    // outageReported: the missing server was already mentioned on stderr.
    PulseConnection(bool outageReported, Events events);
    ~PulseConnection() override;

    // Without GLib's event loop: one line on stderr, and no connection ever.
    void Start();
    // Disconnects for good; what was under way is dropped.
    void Stop();
    void WatchSinks(bool on);
    void WatchStreams(bool on);
    // Sinks, streams and the default together, for soundAnnounced; counted apart from the two above.
    void WatchSound(bool on);
    // The main loop's interface for connections of their own (a hearing check's); null before Start or
    // without GLib's event loop.
    pa_mainloop_api* Api() const;

private:
    void Connect();
    void Disconnect();
    void StateChanged();
    void Lost();
    void WatchForServer();
    void Subscribe();

    Events events;
    bool stopped = false;
    pa_glib_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    bool ready = false;
    bool sinksWatched = false;
    bool streamsWatched = false;
    bool soundWatched = false;
    bool outageReported;
    QFileSystemWatcher* serverWatcher = nullptr;
    // A server coming up makes its socket before it answers: after a change, a few more tries.
    QTimer retry;
    int retriesLeft = 0;
};
