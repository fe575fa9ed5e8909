#pragma once

#include "device/Report.h"

#include <functional>
#include <QPointer>
#include <QWidget>

// One blocking write of the whole report, on the device writer's thread; false unless all 9 bytes were taken.
bool WriteReport(int fd, const ReportBytes& report);

// The window the write-error message belongs to; the main window names itself during its initialisation.
inline QPointer<QWidget> writeErrorOwner;

// Shows "USB Data Write Error!" modal to its owner (and to a settings window or About box open over it)
// and returns at once, without a nested event loop: timers and device events go on in their usual order,
// and the message appears as soon as the event loop runs. Until it is dismissed, further failed writes are
// not shown again, so a failing transmitter never stacks messages. Tests replace it through
// writeErrorNotifier, which then sees every failed write.
inline std::function<void()> writeErrorNotifier;
void ShowWriteError();
