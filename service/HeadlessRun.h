#pragma once

// The program without windows, for a board without a screen or a service: the transmitter with hot-plug,
// the settings file, the single-instance lock, the session-end signals and the session bus. Runs until a
// session-end signal; returns the exit status. switchWebOn: as --web, the web page is switched on and kept
// so.
int RunHeadless(bool switchWebOn = false);
