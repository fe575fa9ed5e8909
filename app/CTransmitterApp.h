#pragma once

struct StartOptions;

// The application object: hands a second start over to the running copy, then runs the main window
// modally with the transmitter core and the session bus.
class CTransmitterApp final
{
public:
    // Always false: the process ends when the main window's modal run has ended (or was refused).
    bool InitInstance(const StartOptions& options);
};
