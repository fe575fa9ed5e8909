#pragma once

// A process that ends through exit() without the end of its run (Qt ends it so when the display connection
// is lost) still leaves the transmitter off air and keeps the run's settings: the hook sends
// the last off-air TuneReport when on air with a device open, then saves the settings. It does nothing
// else, and nothing at all unless armed.
//
// Armed by the start of a run once the settings are loaded; disarmed once the end of the run
// (TransmitterCore::CloseDeviceLink) has done all of this itself.
void ArmExitHook();
void DisarmExitHook();
