#pragma once

struct StartOptions;
enum class SingleInstanceLock;

// The application object: runs the main window modally with the session, the transmitter core and the
// session bus.
class CTransmitterApp final
{
public:
    // Runs until the main window's run has ended; returns the exit status. lock: what the start got; where
    // no lock could be had, the bus name decides and a copy that does not get it hands over.
    int InitInstance(const StartOptions& options, SingleInstanceLock lock);
};
