#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// What the command line asks of the running program, decided without touching the bus: every usage error
// and every value the client can judge by itself is caught here, so that nothing is sent for it.
struct CtlCommand
{
    enum class Action
    {
        Help,        // print helpText, exit 0
        Version,     // print the version, exit 0
        Usage,       // print error to stderr, exit CtlExit::Usage, send nothing
        Status,      // read every property; json picks the format
        SetProperty, // write value to property
        Toggle,      // read OnAir, write its opposite
        Call,        // call method, no arguments
    };

    Action action = Action::Usage;
    QString property; // SetProperty: the bus property; Toggle: "OnAir"
    QVariant value;   // SetProperty: typed as the bus property is (uint, bool or QString)
    QString method;   // Call
    bool json = false;
    QString error;    // Usage: names what is accepted
    QString helpText; // Help

    // arguments as main() receives them, the program name first.
    static CtlCommand parse(const QStringList& arguments);
};

// Exit statuses scripts rely on; documented in --help, the manual page and the README.
enum class CtlExit
{
    Done = 0,
    Refused = 1,    // the program refused the request or failed to do it
    Usage = 2,      // a usage error or a bad value; nothing was sent
    NotRunning = 3, // no program to talk to, none could be started
};

// "88.5" or "88.50" MHz in kHz on the transmitter's 50 kHz grid; -1 when text is not such a frequency.
qint64 kilohertzFromMegahertz(const QString& text);
