#pragma once

// The application object: refuses a second copy, then runs the main window modally.
class CTransmitterApp final
{
public:
    // Always false: the process ends when the main window's modal run has ended (or was refused).
    bool InitInstance();
};
