#pragma once

#include "device/Report.h"

// Builds the report from transmitterState and writes it to the open device. With no device open the
// report is dropped silently and retunePending keeps its value; a failed write shows the write-error
// message once and changes nothing else.
void SendReport(ReportKind kind);
