#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Qt's own options (-platform, -display, …) are not known here: a command
// line that fails only because of them is read again once the application object has taken them.
struct StartOptions
{
    bool headless = false;   // no windows, no tray, no display touched
    bool background = false; // the main window starts hidden in the tray
    QString output;          // --help or --version text: print it and end with status 0
    QString error;           // a usage error: print it and end with status 2
};

StartOptions ReadStartOptions(const QStringList& arguments);

// Whether a window system can be reached at all; without one a background start runs headless.
bool DisplayAvailable();
