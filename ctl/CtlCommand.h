#pragma once

#include "state/HearingLimits.h"
#include "state/TransmitterValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the command line asks of the running program, decided without touching the bus: every usage error
// and every value the client can judge by itself is caught here, so that nothing is sent for it.
struct CtlCommand
{
    enum class Action
    {
        Help,           // print helpText, exit 0
        Version,        // print the version, exit 0
        Usage,          // print error to stderr, exit CtlExit::Usage, send nothing
        Status,         // read every property; json picks the format
        SetProperty,    // write value to property
        Toggle,         // read OnAir, write its opposite
        Call,           // call method, with value as its one argument when valid; then print property if set
        Print,          // print property's value
        ListFavourites, // print the favourites, one a line in MHz
        TuneFavourite,  // write Frequency: the next favourite above (upward) or below it, wrapping round
        Check,          // call method, the hearing check, and print its links; json picks the format
    };

    Action action = Action::Usage;
    QString property; // SetProperty, Print: the bus property; Toggle: on air; TuneFavourite: the frequency
    QVariant value;   // typed as the bus property or argument is (uint, bool or QString)
    QString method;   // Call; AddFavourite without a value adds the frequency in use
    bool json = false;
    bool upward = false;  // TuneFavourite
    int timeoutMs = 5000; // how long to wait for the bus and the program, whatever the phase; check's is
                          // checkTimeoutMs unless given
    QString error;        // Usage: names what is accepted, then the one hint to --help
    QString helpText;     // Help

    // The status a program that cannot be reached ends this command with.
    int unreachableExit() const;
    // Asks the program to change something rather than only to read.
    bool changes() const;
    // A change the transmitter is sent, so one that waits for a transmitter when none is connected.
    bool reachesTransmitter() const;

    // arguments as main() receives them, the program name first.
    static CtlCommand parse(const QStringList& arguments);
};

// check waits for the program's measured answer as long as the program may take to give it.
inline constexpr int checkTimeoutMs = HearingClientWaitMs;

// Exit statuses scripts rely on; documented in --help, the manual page and the README.
enum class CtlExit
{
    Done = 0,
    Refused = 1,    // the program refused the request or failed to do it
    Usage = 2,      // a usage error or a bad value; nothing was sent
    NotRunning = 3, // no program to talk to, none could be started, or the bus did not answer
    NoAnswer = 4,   // the program did not answer in time; a change may still take effect
};

// The favourite after (upward) or before kilohertz among the favourites inside band, wrapping round; -1
// when there is none. Those of the other band wait for it, as in the window's menu.
qint64 neighbourFavourite(const QList<uint>& favourites, uint kilohertz, bool upward, const BandLimits& band);
