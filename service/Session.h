#pragma once

#include "core/ExitHook.h"
#include "core/TransmitterCore.h"
#include "service/HearingRun.h"
#include "service/SessionEndSignals.h"
#include "service/SingleInstanceLock.h"
#include "service/SleepWatcher.h"
#include "service/SoundRoutingLink.h"
#include "service/WebLink.h"

#include <functional>
#include <memory>
#include <QObject>

class HotplugWatcher;
class SoundRouting;
class TransmitterBusObject;

// One run of the program, with or without windows: the single-instance lock, the session-end signals, the
// transmitter core, the sound routing, the hearing check, the web page for phones and the bus object,
// started and stopped in one order.
class Session final : public QObject
{
    Q_OBJECT

public:
    explicit Session(QObject* parent = nullptr);
    ~Session() override;

    // Takes the single-instance lock, before any application object or display exists.
    static SingleInstanceLock AcquireLock();
    // Where no lock could be had: takes the bus name now, before the transmitter is opened, so that of two
    // copies only one drives it. False when another copy owns the name: this one then hands over to it.
    static bool ClaimBusName();

    TransmitterCore& Core() { return core; }
    SoundRouting& Sound() { return sound.Routing(); }
    WebControl& Web() { return web.Control(); }
    HearingRun& Hearing() { return hearing; }

    // The transmitter's side: the settings read, the device link opened (a missing companion library said
    // on stderr). Returns whether the library loaded.
    bool StartTransmitter(HotplugWatcher* watcher = nullptr);
    // tessaly --on-air-at-start: the option switched on and kept, before the transmitter is opened.
    void KeepOnAirAtStart();
    // Once the transmitter is set up (and the window shown): the session bus, the sound server, the web
    // page when it is switched on (switchWebOn: as --web, switched on and kept so) and the system bus, whose
    // wake-up tells the transmitter everything again. show is what the bus's Show() does; empty where there
    // is no window.
    void StartServices(std::function<void()> show, bool switchWebOn = false);
    // The end, once: the bus first, so that no change comes after the last save; then the sound given
    // back; then the transmitter off air and closed, and the settings written.
    void Stop();

signals:
    // A session-end signal (SIGTERM, SIGINT, SIGHUP), or the loss of the session bus the run was reached
    // on, asks the run to end.
    void ending();

private:
    // First: the parts below arm them, and the process's exit runs them.
    ExitHooks exitHooks;
    SessionEndSignals endSignals;
    TransmitterCore core;
    SoundRoutingLink sound;
    HearingRun hearing;
    WebLink web;
    SleepWatcher sleepWatcher;
    std::unique_ptr<TransmitterBusObject> bus;
    int soundExitHookKey = 0;
    bool stopped = false;
};
