#include "core/ExitHook.h"

#include "device/DeviceHandle.h"
#include "device/DeviceWriter.h"
#include "device/ReportWriter.h"
#include "device/SendReport.h"
#include "state/SettingsFile.h"
#include "state/TransmitterState.h"

#include <atomic>
#include <cstdlib>
#include <QString>

namespace {

std::atomic<bool> armed = false;
// Taken while the application is whole; at exit only plain data and system calls are safe to use.
QString settingsFile;

void OnExit()
{
    if (!armed.exchange(false))
        return;
    if (deviceHandle >= 0 && transmitterState.onAir) {
        transmitterState.onAir = false;
        // No window is left to show a failed write in.
        writeErrorNotifier = [] {};
        SendReport(TuneReport);
        // The writer thread outlives exit(); the report gets the teardown's second, no more.
        FlushReports(std::chrono::seconds(1));
    }
    SaveSettingsFile(settingsFile);
}

} // namespace

void ArmExitHook()
{
    // Registered once, after everything it uses was constructed, so it runs before any of it is destroyed.
    static const bool registered = std::atexit(OnExit) == 0;
    settingsFile = settingsPath();
    armed = registered;
}

void DisarmExitHook()
{
    armed = false;
}
