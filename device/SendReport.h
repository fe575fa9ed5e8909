#pragma once

#include "device/Report.h"

// Builds the report from transmitterState now and hands it to the device writer, which writes it to the
// open device and returns at once. With no device open the report is dropped silently and retunePending
// keeps its value; a failed write shows the write-error message once, later, and changes nothing else.
void SendReport(ReportKind kind);
