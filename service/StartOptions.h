#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Qt's own options (-platform, -display, …) are not known here: a command
// line that fails only because of them is read again once the application object has taken them.
struct StartOptions
{
    bool headless = false;   // no windows, no tray, no display touched
    bool background = false; // the main window starts hidden in the tray
    bool web = false;        // switch the web page for phones on, and keep that choice
    QString output;          // --help or --version text: print it and end with status 0
    QString error;           // a usage error: print it and end with status 2
};

StartOptions ReadStartOptions(const QStringList& arguments);
StartOptions ReadStartOptions(int argc, char* argv[]);
// Prints --help or --version to stdout (status 0) or a usage error to stderr (status 2); returns the status.
int AnswerStartOptions(const StartOptions& options);

// Whether a window system can be reached at all; without one a background start runs headless.
bool DisplayAvailable();

// Replaces the process with tessaly-headless beside the executable, which links nothing of the windows
// and so costs far less memory; returns only when that cannot be done.
void HandOverToHeadless(char* argv[]);
