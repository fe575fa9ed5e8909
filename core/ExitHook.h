#pragma once

#include <functional>

// A process that ends through exit() without the end of its run (Qt ends it so when the display connection
// is lost) still leaves the transmitter off air, gives the sound back and keeps the run's settings: the
// parts of the run arm what each must do then, and the hook runs it, the latest armed first, as the end of
// a run would. Nothing at all unless armed.
//
// Armed by the start of a run; disarmed once the end of the run has done all of it itself. Returns the
// action's key for DisarmExitHook.
int ArmExitHook(std::function<void()> atExit);
void DisarmExitHook(int key);
