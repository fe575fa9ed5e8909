#pragma once

#include <chrono>
#include <QByteArray>

// A session bus whose daemon does not answer (stopped, or hung) would hold every bus call of Qt's, and with
// them the tray icon's and the accessibility bridge's set-up, for ever. Before any of them exists, this asks
// the bus for its first answer, waiting at most limit; when none comes, the process goes on without the
// bus (its address is set aside), says so in one line on stderr and returns false. A bus that refuses at
// once or is not configured is left as it is: Qt finds that out quickly by itself.
bool KeepSessionBusIfItAnswers(std::chrono::milliseconds limit);

// True once the probe set the bus aside: nothing of the run tries it again.
bool SessionBusSetAside();

// Whether the bus at address gives its first answer; blocks until it does or the connection fails, which
// for a bus that never answers may be never. For a thread of its own.
bool BusAnswers(const QByteArray& address);
