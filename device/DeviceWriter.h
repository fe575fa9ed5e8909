#pragma once

#include "device/Report.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class QObject;

// The device writer: the program's one thread besides the user interface's, owned by the device link. A
// USB device that stops taking reports holds each write for seconds in the kernel, whatever the
// descriptor's flags, and a close waits for a write in flight on it. So every write, pause and close of the
// transmitter's descriptor runs on this thread, one after another in the order queued, and the
// user-interface thread only hands them over. The Queue functions are for the user-interface thread; the
// thread starts with the first of them.
//
// A report still waiting behind the next report for the same descriptor is replaced by a newer report of
// the same kind for it, in its place, keeping the older one's retune bit: each report carries its whole
// state, so a stalled device that reads again gets the latest one at once, not a backlog. The next report
// to go is never replaced, so reports sent in quick succession (a double-click, a removal and arrival
// followed by a click) each reach a device that keeps up, however late the writer wakes.
//
// Once a report was written or failed, the writer calls notify(context, tickets, written) on the
// user-interface thread, through its event loop, with the report's ticket and those of the reports it
// replaced: each of them reached the device with it, or failed with it.
class DeviceWriter final
{
public:
    using Notify = void (*)(QObject* context, const std::vector<std::uint64_t>& tickets, bool written);

    DeviceWriter(QObject* context, Notify notify);
    // An idle writer's thread ends with it. One still in a write that the device does not take is left to
    // finish what was queued on its own: nothing can end that write early, and the process ends with it.
    ~DeviceWriter();
    DeviceWriter(const DeviceWriter&) = delete;
    DeviceWriter& operator=(const DeviceWriter&) = delete;

    void QueueReport(int fd, ReportKind kind, const ReportBytes& report, std::uint64_t ticket);
    // The next report is written no sooner than pause after the previous write ended.
    void QueuePause(std::chrono::milliseconds pause);
    // Gives fd to closeHidDevice once everything queued before for it is done; null closes nothing.
    void QueueClose(int fd, void (*closeHidDevice)(int));

    // No more notifications: the context is going, or the process is ending and its objects must not be
    // reached any more.
    void EndNotifications();
    // Waits until everything queued so far is done, at most limit. False when the writer is still busy then
    // (a device that does not read). Safe from any thread but the writer's, also while the process exits.
    bool Flush(std::chrono::milliseconds limit);

private:
    struct Command;
    struct Mailbox;
    void queue(Command command);
    // True when the write failed.
    static bool execute(const Command& command);
    // The thread: runs until the writer is gone and nothing queued is left.
    static void run(const std::shared_ptr<Mailbox>& mailbox);

    // Shared with the thread, which keeps it while it finishes what a stalled device still holds.
    std::shared_ptr<Mailbox> mailbox;
};
