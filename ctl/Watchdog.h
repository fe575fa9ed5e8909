#pragma once

#include <chrono>
#include <QByteArray>
#include <thread>

// Ends the process with status after printing message to stderr unless destroyed by deadline. It guards
// what offers no timeout of its own: connecting to a bus that does not answer blocks inside libdbus's
// handshake, which no call of ours can interrupt.
class Watchdog
{
public:
    Watchdog(std::chrono::steady_clock::time_point deadline, QByteArray message, int status);

private:
    std::jthread thread; // asked to stop and joined when the watchdog goes
};
