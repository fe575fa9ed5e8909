#pragma once

// A second start hands over to the copy that runs: a plain start asks it to show its window (Show() on the
// session bus), a background start asks nothing. Says on stderr what came of it and returns the exit
// status, 0. Needs an application object, no display.
int HandOverToRunningInstance(bool background);
