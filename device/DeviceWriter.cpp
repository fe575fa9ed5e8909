#include "device/DeviceWriter.h"

#include "device/ReportWriter.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <QObject>
#include <thread>

namespace {

struct Command
{
    enum Type
    {
        Write,
        Pause,
        Close,
    } type;
    int fd = -1;
    ReportKind kind = TuneReport;
    ReportBytes report{};
    std::chrono::milliseconds pause{};
    void (*closeHidDevice)(int) = nullptr;
    std::vector<std::uint64_t> tickets = {};
    QObject* context = nullptr;
    ReportNotify notify = nullptr;
};

// The one hand-off between the two threads. Everything in it is guarded by mutex.
struct Mailbox
{
    std::mutex mutex;
    std::condition_variable queued;
    std::condition_variable done;
    std::deque<Command> commands;
    bool busy = false;
    // The context of the command being executed; null once forgotten.
    QObject* runningContext = nullptr;
    bool notifying = true;
};

// True when the write failed.
bool Execute(const Command& command)
{
    switch (command.type) {
    case Command::Write:
        return !WriteReport(command.fd, command.report);
    case Command::Pause:
        std::this_thread::sleep_for(command.pause);
        return false;
    case Command::Close:
        if (command.closeHidDevice)
            command.closeHidDevice(command.fd);
        return false;
    }
    return false;
}

[[noreturn]] void RunWriter(Mailbox& mailbox)
{
    pthread_setname_np(pthread_self(), "device writer");
    std::unique_lock lock(mailbox.mutex);
    for (;;) {
        mailbox.queued.wait(lock, [&] { return !mailbox.commands.empty(); });
        const Command command = mailbox.commands.front();
        mailbox.commands.pop_front();
        mailbox.busy = true;
        mailbox.runningContext = command.context;
        lock.unlock();
        const bool failed = Execute(command);
        lock.lock();
        mailbox.busy = false;
        // Under the lock: a context cannot be forgotten and destroyed meanwhile.
        QObject* const context = mailbox.runningContext;
        if (context && command.notify && mailbox.notifying)
            QMetaObject::invokeMethod(
                context,
                [context, notify = command.notify, tickets = command.tickets, failed] {
                    notify(context, tickets, !failed);
                },
                Qt::QueuedConnection);
        if (mailbox.commands.empty())
            mailbox.done.notify_all();
    }
}

std::atomic<Mailbox*> startedMailbox = nullptr;

// Made at first use and never destroyed, like its detached thread: the exit may flush it after static
// destruction began, and the thread may sit in a write the process ends with.
Mailbox& TheMailbox()
{
    static Mailbox* const mailbox = [] {
        auto* made = new Mailbox;
        // The session-end signals are handled on the user-interface thread: the writer, which may sit in a
        // write for seconds, never takes them. It inherits the blocked set from here.
        sigset_t ending, previous;
        sigemptyset(&ending);
        for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP})
            sigaddset(&ending, signalNumber);
        pthread_sigmask(SIG_BLOCK, &ending, &previous);
        std::thread(RunWriter, std::ref(*made)).detach();
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        startedMailbox = made;
        return made;
    }();
    return *mailbox;
}

void Queue(Command command)
{
    Mailbox& mailbox = TheMailbox();
    {
        const std::lock_guard lock(mailbox.mutex);
        auto& commands = mailbox.commands;
        const auto writeFor = [&](const Command& older) {
            return older.type == Command::Write && older.fd == command.fd;
        };
        // Only behind the next report for the same device.
        const auto next = std::find_if(commands.begin(), commands.end(), writeFor);
        const auto waiting = command.type != Command::Write || next == commands.end()
                                 ? commands.end()
                                 : std::find_if(next + 1, commands.end(), [&](const Command& older) {
                                       return writeFor(older) && older.kind == command.kind;
                                   });
        if (waiting == commands.end()) {
            commands.push_back(command);
        } else {
            command.report[6] |= command.kind == TuneReport ? waiting->report[6] & RetuneBit : 0;
            command.tickets.insert(command.tickets.begin(), waiting->tickets.begin(), waiting->tickets.end());
            *waiting = std::move(command);
        }
    }
    mailbox.queued.notify_one();
}

} // namespace

void QueueReport(int fd, ReportKind kind, const ReportBytes& report, std::uint64_t ticket, QObject* context,
                 ReportNotify notify)
{
    Queue({.type = Command::Write,
           .fd = fd,
           .kind = kind,
           .report = report,
           .tickets = {ticket},
           .context = context,
           .notify = notify});
}

void QueuePause(std::chrono::milliseconds pause)
{
    Queue({.type = Command::Pause, .pause = pause});
}

void QueueClose(int fd, void (*closeHidDevice)(int))
{
    Queue({.type = Command::Close, .fd = fd, .closeHidDevice = closeHidDevice});
}

void ForgetReportContext(const QObject* context)
{
    Mailbox* const started = startedMailbox;
    if (!started)
        return;
    const std::lock_guard lock(started->mutex);
    for (Command& command : started->commands) {
        if (command.context == context)
            command.context = nullptr;
    }
    if (started->runningContext == context)
        started->runningContext = nullptr;
}

void StopReportNotifications()
{
    Mailbox* const started = startedMailbox;
    if (!started)
        return;
    const std::lock_guard lock(started->mutex);
    started->notifying = false;
}

bool FlushReports(std::chrono::milliseconds limit)
{
    Mailbox* const started = startedMailbox;
    if (!started)
        return true;
    Mailbox& mailbox = *started;
    std::unique_lock lock(mailbox.mutex);
    return mailbox.done.wait_for(lock, limit, [&] { return mailbox.commands.empty() && !mailbox.busy; });
}
