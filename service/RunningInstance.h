#pragma once

// Asks the copy that already runs to show its window (Show() on the session bus). False when it could not
// be reached: no session bus, or that copy runs without one.
bool ShowRunningInstance();
