#pragma once

#include "device/Report.h"

#include <functional>

// One blocking write of the whole report, on the device writer's thread; false unless all 9 bytes were taken.
bool WriteReport(int fd, const ReportBytes& report);

// Told of every failed write, on the user-interface thread: the transmitter core passes it on to whoever
// shows it. Tests replace it to count failures.
inline std::function<void()> writeErrorNotifier;
void ShowWriteError();
