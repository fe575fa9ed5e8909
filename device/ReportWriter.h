#pragma once

#include "device/Report.h"

// One blocking write of the whole report, on the device writer's thread; false unless all 9 bytes were taken.
bool WriteReport(int fd, const ReportBytes& report);
