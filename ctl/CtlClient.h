#pragma once

#include "ctl/CtlCommand.h"

#include <QDBusConnection>
#include <QDeadlineTimer>

// Carries one parsed command to the running program over bus and prints its answer (stdout) or why there is
// none (stderr). Every request waits until deadline at most. A call to a program that is not running asks
// the bus to start it, as any D-Bus call does.
CtlExit runOnBus(const CtlCommand& command, const QDBusConnection& bus, QDeadlineTimer deadline);
