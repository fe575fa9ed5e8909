#include "device/DeviceWriter.h"

#include "device/ReportWriter.h"

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <QObject>
#include <thread>

struct DeviceWriter::Command
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
};

// The one hand-off between the two threads. Everything in it is guarded by mutex.
struct DeviceWriter::Mailbox
{
    QObject* context = nullptr;
    Notify notify = nullptr;
    std::mutex mutex;
    std::condition_variable queued;
    std::condition_variable done;
    std::deque<Command> commands;
    std::thread thread;
    bool busy = false;
    bool notifying = true;
    bool ending = false;
};

bool DeviceWriter::execute(const Command& command)
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

void DeviceWriter::run(const std::shared_ptr<Mailbox>& mailbox)
{
    pthread_setname_np(pthread_self(), "device writer");
    std::unique_lock lock(mailbox->mutex);
    for (;;) {
        mailbox->queued.wait(lock, [&] { return !mailbox->commands.empty() || mailbox->ending; });
        if (mailbox->commands.empty())
            return;
        const Command command = mailbox->commands.front();
        mailbox->commands.pop_front();
        mailbox->busy = true;
        lock.unlock();
        const bool failed = execute(command);
        lock.lock();
        mailbox->busy = false;
        // Under the lock: notifications cannot be ended and the context destroyed meanwhile.
        if (mailbox->notifying && command.type == Command::Write)
            QMetaObject::invokeMethod(
                mailbox->context,
                [context = mailbox->context, notify = mailbox->notify, tickets = command.tickets, failed] {
                    notify(context, tickets, !failed);
                },
                Qt::QueuedConnection);
        if (mailbox->commands.empty())
            mailbox->done.notify_all();
    }
}

DeviceWriter::DeviceWriter(QObject* context, Notify notify) : mailbox(std::make_shared<Mailbox>())
{
    mailbox->context = context;
    mailbox->notify = notify;
}

DeviceWriter::~DeviceWriter()
{
    EndNotifications();
    {
        const std::lock_guard lock(mailbox->mutex);
        mailbox->ending = true;
    }
    mailbox->queued.notify_one();
    if (!mailbox->thread.joinable())
        return;
    if (Flush(std::chrono::milliseconds(0)))
        mailbox->thread.join();
    else
        mailbox->thread.detach();
}

void DeviceWriter::queue(Command command)
{
    {
        const std::lock_guard lock(mailbox->mutex);
        if (!mailbox->thread.joinable()) {
            // The session-end signals are handled on the user-interface thread: the writer, which may sit
            // in a write for seconds, never takes them. It inherits the blocked set from here.
            sigset_t ending, previous;
            sigemptyset(&ending);
            for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP})
                sigaddset(&ending, signalNumber);
            pthread_sigmask(SIG_BLOCK, &ending, &previous);
            mailbox->thread = std::thread(run, mailbox);
            pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        }
        auto& commands = mailbox->commands;
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
    mailbox->queued.notify_one();
}

void DeviceWriter::QueueReport(int fd, ReportKind kind, const ReportBytes& report, std::uint64_t ticket)
{
    queue({.type = Command::Write, .fd = fd, .kind = kind, .report = report, .tickets = {ticket}});
}

void DeviceWriter::QueuePause(std::chrono::milliseconds pause)
{
    queue({.type = Command::Pause, .pause = pause});
}

void DeviceWriter::QueueClose(int fd, void (*closeHidDevice)(int))
{
    queue({.type = Command::Close, .fd = fd, .closeHidDevice = closeHidDevice});
}

void DeviceWriter::EndNotifications()
{
    const std::lock_guard lock(mailbox->mutex);
    mailbox->notifying = false;
}

bool DeviceWriter::Flush(std::chrono::milliseconds limit)
{
    std::unique_lock lock(mailbox->mutex);
    return mailbox->done.wait_for(lock, limit, [&] { return mailbox->commands.empty() && !mailbox->busy; });
}
