#pragma once

struct StartOptions;

// The program without windows, for a board without a screen or a service: the transmitter with hot-plug,
// the settings file, the single-instance lock, the session-end signals and the session bus. Runs until a
// session-end signal, with an application object of its own; returns the exit status.
int RunHeadless(int& argc, char* argv[], const StartOptions& options);
