#pragma once

#include <chrono>
#include <memory>
#include <QByteArray>

struct BusProbeState;

// How long a start waits for the session bus's first answer.
inline constexpr std::chrono::seconds sessionBusAnswerLimit{2};

// A session bus whose daemon does not answer (stopped, or hung) would hold every bus call of Qt's, and with
// them the tray icon's and the accessibility bridge's set-up, for ever. Before any of them exists, this asks
// the bus for its first answer, on a thread of its own, so that the start goes on meanwhile (the display
// and the lock are looked at) until something of Qt's may reach the bus. A bus that refuses at once or is not
// configured is left as it is: Qt finds that out quickly by itself.
class SessionBusProbe
{
public:
    // Asks at once; answered within limit, or never.
    explicit SessionBusProbe(std::chrono::milliseconds limit);
    // Waits for the answer until limit after the asking. Without one, the process goes on without the bus
    // (its address is set aside), says so in one line on stderr and returns false. Once: later calls only
    // answer.
    bool KeepBusIfItAnswers();

private:
    std::shared_ptr<BusProbeState> state;
    std::chrono::steady_clock::time_point deadline;
};

// True once the probe set the bus aside: nothing of the run tries it again.
bool SessionBusSetAside();

// Whether the bus at address gives its first answer; blocks until it does or the connection fails, which
// for a bus that never answers may be never. For a thread of its own.
bool BusAnswers(const QByteArray& address);
