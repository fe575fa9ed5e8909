#pragma once

#include <functional>

// A process that ends through exit() without the end of its run (Qt ends it so when the display connection
// is lost) still leaves the transmitter off air and keeps the run's settings: the hook runs atExit, which
// the transmitter core sets to do just that. Nothing at all unless armed.
//
// Armed by the start of a run once the settings are loaded; disarmed once the end of the run has done all
// of this itself.
void ArmExitHook(std::function<void()> atExit);
void DisarmExitHook();
