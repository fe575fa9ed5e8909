#pragma once

#include "state/HearingLimits.h"
#include "state/HearingWords.h"
#include "state/PersonText.h"
#include "state/SoundFacts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <QString>
#include <QTime>
#include <vector>

// "Why can't I hear it?": the way from the computer's sound to the radio as a chain of links in order,
// each ok, broken with its problem and fix in plain words, or not checked. Decided from facts alone, so
// that tessalyctl, the window, the tray and the phone page tell the same.
//
// The chain is read as one: every link after the first broken one reads "not checked", since what it
// would say cannot make the radio play before that one is mended, and one fix at a time is plain.

// The transmitter's side as the core holds it.
struct TransmitterFacts
{
    enum class Connection
    {
        Connected,
        Absent,
        NoPermission
    };
    Connection connection = Connection::Absent;
    bool delivered = true;
    QTime failedWriteTime; // while not delivered
    bool onAir = false;
    bool muted = false;
    std::int32_t paLevel = 0;

    // Whether the check would read the same: a change of frequency, say, is no reason to check again.
    bool SameFor(const TransmitterFacts& other) const
    {
        return connection == other.connection && delivered == other.delivered && onAir == other.onAir &&
               muted == other.muted && (paLevel > 0) == (other.paLevel > 0);
    }
};

// The links in the chain's order.
enum class HearingLink
{
    Plugged,
    Delivered,
    OnAir,
    Unmuted,
    Power,
    SoundServer,
    SoundCard,
    Routed,
    Playing,
    OutputUnmuted,
    Level,
};

// Who reads the fixes: each face names its own controls.
enum class HearingFace
{
    CommandLine, // tessalyctl and the bus: the command that mends it
    Window,      // the main window's buttons and menu
    Page,        // the phone page's controls
};

struct LinkResult
{
    HearingLink link;
    LinkVerdict verdict;
    // Ok: what holds ("on air"); Broken: the problem, then the fix after a colon where there is one;
    // NotChecked: what the link is about ("power"). Made from state/HearingTexts.h's templates: the window
    // shows words.Translated(), the page words.TranslatedBy(its browser's translator).
    PersonText words;
    // words.English(): what the bus, tessalyctl --json and the logs carry, the same in every language.
    QString text;
};

// Every link in order. sound: what the sound server told; nullopt when it was not asked, and the sound's
// links then read "not checked". A level without a measurement (peakDbfs empty) reads "not checked" too,
// and is not broken.
std::vector<LinkResult> CheckHearing(const TransmitterFacts& transmitter,
                                     const std::optional<SoundFacts>& sound, HearingFace face);

// The first broken link; null when none is.
const LinkResult* FirstBroken(const std::vector<LinkResult>& links);
// The answer points into links: a list that is gone at the end of the call cannot be given.
const LinkResult* FirstBroken(std::vector<LinkResult>&& links) = delete;

// Names for scripts: "plugged", "delivered", "on-air", ... and "ok", "broken", "not-checked".
QString LinkName(HearingLink link);
QString VerdictName(LinkVerdict verdict);

// A run of the check, as the faces ask for it: calls done once, from the event loop, with every link in
// face's terms, the level measured for measureMs (0: not measured).
using HearingDone = std::function<void(const std::vector<LinkResult>& links)>;
using HearingRunner = std::function<void(HearingFace face, int measureMs, HearingDone done)>;
