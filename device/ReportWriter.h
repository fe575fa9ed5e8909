#pragma once

#include "device/Report.h"

#include <functional>

// One blocking write of the whole report; false unless all 9 bytes were taken.
bool WriteReport(int fd, const ReportBytes& report);

// Shows "USB Data Write Error!" and returns when the user has dismissed it. Tests replace it to run
// without a blocking dialog.
inline std::function<void()> writeErrorNotifier;
void ShowWriteError();
