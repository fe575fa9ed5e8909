#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// What the command line asks for. Qt's own options (-platform, -display, …) are accepted on every path and
// left to the application object, where there is one.
struct StartOptions
{
    bool headless = false;     // no windows, no tray, no display touched
    bool background = false;   // the main window starts hidden in the tray
    bool web = false;          // switch the web page for phones on, and keep that choice
    bool onAirAtStart = false; // switches "on air at start" on and keeps it
    bool verbose = false;      // details on stderr besides warnings
    QString platform;          // Qt's platform (-platform or QT_QPA_PLATFORM); empty: Qt's choice
    QString display;           // the X display (-display or DISPLAY)
    QString output;            // --help or --version text: print it and end with status 0
    QString error;             // a usage error: print it and end with status 2
};

StartOptions ReadStartOptions(const QStringList& arguments);
StartOptions ReadStartOptions(int argc, char* argv[]);
// What both programs do first: SIGPIPE ignored (a vanished device peer must fail the write, not end the
// process), the messages' form set, and the command line read into options. Returns the exit status when
// --help, --version or a usage error ends the start there. The session bus is probed next
// (SessionBusProbe), before anything of Qt's may reach it.
std::optional<int> BeginStart(int argc, char* argv[], StartOptions& options);

// Prints --help or --version to stdout (status 0) or a usage error to stderr (status 2); returns the status.
int AnswerStartOptions(const StartOptions& options);

// Replaces the process with tessaly-headless beside the executable, which links nothing of the windows
// and so costs far less memory; returns only when that cannot be done.
void HandOverToHeadless(char* argv[]);
