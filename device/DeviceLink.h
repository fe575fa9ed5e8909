#pragma once

#include "device/DeviceWriter.h"
#include "device/HidLibrary.h"
#include "device/Report.h"
#include "device/TransmitterIds.h"

#include <chrono>
#include <cstdint>
#include <QObject>
#include <sys/types.h>
#include <vector>

class HotplugWatcher;

// Whether a removed device node is the open transmitter's. Other HID devices come and go all the time
// (Bluetooth keyboards sleeping, a mouse moved to another port); only the transmitter's own removal may
// close its link. A node that cannot be told (0 on either side) counts as the transmitter's.
bool RemovalConcernsOpenDevice(dev_t removedNode, dev_t openNode);

// The connection to the transmitter through the companion library: opening, hot-plug, and handing reports
// to the device writer. It decides nothing about what is sent; it says what happened by its signals, on the
// user-interface thread.
class DeviceLink final : public QObject
{
    Q_OBJECT

public:
    explicit DeviceLink(QObject* parent = nullptr);
    ~DeviceLink() override;

    // Loads the companion library, follows hot-plug from now on through watcher (the udev daemon's
    // announcements when null; the link owns it) and opens the transmitter. Returns whether the library
    // loaded; without it arrivals open nothing.
    bool Start(HotplugWatcher* watcher = nullptr);
    // Closes the connection after the reports queued for it and gives the writer up to limit for them; the
    // library is released unless the writer is still busy then (a transmitter that does not read). False
    // when it is.
    bool Stop(std::chrono::milliseconds limit);

    bool IsLibraryLoaded() const { return library.IsLoaded(); }
    bool IsOpen() const { return handle >= 0; }
    // The last opening found the transmitter but was not allowed to open it (its node's permissions: the
    // udev rule is missing). Told again by refusalChanged() whenever that changes without an opening.
    bool OpenRefused() const { return refused; }
    // The open transmitter's device number (st_rdev of its node): 0 when none is open or its handle is not
    // a device node (the fake transmitter).
    dev_t OpenNode() const;

    // Hands a report for the open transmitter to the device writer and returns at once with its ticket;
    // 0 and nothing sent when none is open.
    std::uint64_t Send(ReportKind kind, const ReportBytes& report);
    // The next report goes out no sooner than pause after the previous write ended.
    void Pause(std::chrono::milliseconds pause);
    // The process is ending without the end of its run (exit()): no notification reaches its objects any
    // more.
    void EndNotifications();
    // Waits for what was sent, at most limit; false when the transmitter had not taken it by then.
    bool Flush(std::chrono::milliseconds limit);

signals:
    // A transmitter was opened, at the start or on its arrival.
    void opened();
    // The open transmitter went away; the connection is closed.
    void closed();
    // OpenRefused() changed while nothing was opened.
    void refusalChanged();
    // The reports with these tickets were written (written) or failed.
    void reportsDone(const std::vector<std::uint64_t>& tickets, bool written);

private:
    void open();
    void close();
    void onRemoved(dev_t node);

    // Before the library, which is released only once the writer is done with it.
    DeviceWriter writer;
    HidLibrary library;
    int handle = -1;
    bool refused = false;
    std::uint64_t lastTicket = 0;
    HotplugWatcher* watcher = nullptr;
};
