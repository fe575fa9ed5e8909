#include "service/SessionEndSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <QSocketNotifier>
#include <unistd.h>

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signalPipe[2] = {-1, -1};

// Only an async-signal-safe write: the notifier does the rest on the user-interface thread.
void OnEndingSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

// The signals this run took over: one ignored when the program started (nohup, a shell's background job)
// stays ignored.
bool takenOver[NSIG] = {};

void SetHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : endingSignals)
        if (takenOver[signalNumber])
            ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

SessionEndSignals::SessionEndSignals(QObject* parent) : QObject(parent)
{
    // Without the pipe the signals keep their default actions: the process ends as it always would.
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        emit sessionEnding();
    });
    for (const int signalNumber : endingSignals) {
        struct sigaction inherited;
        takenOver[signalNumber] =
            ::sigaction(signalNumber, nullptr, &inherited) == 0 && inherited.sa_handler != SIG_IGN;
    }
    SetHandler(OnEndingSignal);
}

SessionEndSignals::~SessionEndSignals()
{
    if (!notifier)
        return;
    // The run has ended and the process only finishes now: a repeated signal (a session manager sending
    // TERM again) must not kill it and turn its exit status 0 into a death by signal.
    SetHandler(SIG_IGN);
    delete notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}
