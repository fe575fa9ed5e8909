#pragma once

#include "state/HearingWords.h"

#include <QCoreApplication>

// Every text the hearing check's links say, as templates whose %1, %2 are names, numbers or other texts of
// this table. The core composes each link's words from them (a PersonText in the context "HearingCheck");
// tessalyctl, which receives only their English over the bus, matches that English against all of them to
// show a person the same words in their language. A header alone: tessalyctl links nothing of the program.
namespace HearingText {

//: A broken link of the hearing check: the problem (%1), then what mends it (%2)
inline constexpr char WithFix[] = QT_TRANSLATE_NOOP("HearingCheck", "%1: %2");

// What each link is about, as it reads when not checked. "on air" and "power" read as the state when
// checked too.
//: What a link of the hearing check is about, shown when it was not checked (also: the state "on air")
inline constexpr char OnAir[] = QT_TRANSLATE_NOOP("HearingCheck", "on air");
inline constexpr char AboutPlugged[] = QT_TRANSLATE_NOOP("HearingCheck", "the transmitter plugged in");
inline constexpr char AboutDelivered[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter taking the changes");
//: What a link of the hearing check is about, shown when it was not checked: whether the sound is muted
inline constexpr char AboutMute[] = QT_TRANSLATE_NOOP("HearingCheck", "mute");
//: What a link of the hearing check is about, shown when it was not checked: the transmit power
inline constexpr char AboutPower[] = QT_TRANSLATE_NOOP("HearingCheck", "power");
inline constexpr char AboutServer[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound server");
inline constexpr char AboutCard[] = QT_TRANSLATE_NOOP("HearingCheck", "the transmitter's sound card");
inline constexpr char AboutRouted[] = QT_TRANSLATE_NOOP("HearingCheck", "where the sound goes");
inline constexpr char AboutPlaying[] = QT_TRANSLATE_NOOP("HearingCheck", "something playing");
inline constexpr char AboutOutputMute[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter's output in the sound settings");
inline constexpr char AboutLevel[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound's level");

// The transmitter's side.
inline constexpr char NotPlugged[] = QT_TRANSLATE_NOOP("HearingCheck", "the transmitter is not plugged in");
inline constexpr char NoPermission[] = QT_TRANSLATE_NOOP("HearingCheck", "no permission");
inline constexpr char InstallRules[] =
    QT_TRANSLATE_NOOP("HearingCheck", "install 70-tessaly.rules, then plug it in again");
inline constexpr char Plugged[] = QT_TRANSLATE_NOOP("HearingCheck", "the transmitter is plugged in");
inline constexpr char TookEveryChange[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter took every change");
//: %1 is the time of day the write failed, as 14:03:07
inline constexpr char DidNotTake[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter did not take the last change (at %1)");
inline constexpr char Replug[] = QT_TRANSLATE_NOOP("HearingCheck", "unplug it and plug it in again");
inline constexpr char OffAir[] = QT_TRANSLATE_NOOP("HearingCheck", "off air");
//: The fix in the main window: %1 is the on-air button's tooltip, %2 the name a screen reader says for it
inline constexpr char PressOnAir[] =
    QT_TRANSLATE_NOOP("HearingCheck", "press the on-air button (\"%1\", read aloud as \"%2\")");
//: A fix on the phone page: %1 is the words on the page's button to tap, as "Go on air"
inline constexpr char Tap[] = QT_TRANSLATE_NOOP("HearingCheck", "tap \"%1\"");
inline constexpr char NotMuted[] = QT_TRANSLATE_NOOP("HearingCheck", "not muted");
inline constexpr char Muted[] = QT_TRANSLATE_NOOP("HearingCheck", "muted");
//: The fix in the main window: %1 is the name of the button to press (its tooltip), as "Mute"
inline constexpr char Press[] = QT_TRANSLATE_NOOP("HearingCheck", "press %1");
//: The transmit power: %1 of at most %2
inline constexpr char PowerOf[] = QT_TRANSLATE_NOOP("HearingCheck", "power %1 of %2");
inline constexpr char PowerZero[] = QT_TRANSLATE_NOOP("HearingCheck", "power is 0");
//: A fix: %1 is the power slider's name, as the window or the page prints it beside the slider
inline constexpr char MoveSliderUp[] = QT_TRANSLATE_NOOP("HearingCheck", "move the %1 slider up");

// The phone page's controls the fixes name, as its script words them (its context is its file's name).
inline constexpr char PageWordsContext[] = "page";
inline constexpr char PageGoOnAir[] = QT_TRANSLATE_NOOP("page", "Go on air");
inline constexpr char PageMute[] = QT_TRANSLATE_NOOP("page", "Mute");
inline constexpr char PagePower[] = QT_TRANSLATE_NOOP("page", "Power");

// The sound's side.
inline constexpr char NoServer[] = QT_TRANSLATE_NOOP("HearingCheck", "no sound server is running");
inline constexpr char StartServer[] =
    QT_TRANSLATE_NOOP("HearingCheck", "start PipeWire or PulseAudio, or log in again");
inline constexpr char NotAnswering[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound server does not answer");
inline constexpr char RestartServer[] = QT_TRANSLATE_NOOP("HearingCheck", "restart it, or log in again");
inline constexpr char PipeWireAnswers[] =
    QT_TRANSLATE_NOOP("HearingCheck", "PipeWire's pulse server answers");
inline constexpr char ServerAnswers[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound server answers");
inline constexpr char HasCard[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the sound server has the transmitter's sound card");
inline constexpr char NoCard[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the sound server does not have the transmitter's sound card");
inline constexpr char ReplugTransmitter[] =
    QT_TRANSLATE_NOOP("HearingCheck", "unplug the transmitter and plug it in again");
inline constexpr char GoesToTransmitter[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the sound goes to the transmitter");
//: %1 is the output the sound goes to, as the sound settings name it (or "no output")
inline constexpr char GoesElsewhere[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the sound goes to %1, not to the transmitter");
inline constexpr char NoOutput[] = QT_TRANSLATE_NOOP("HearingCheck", "no output");
//: The fix in the main window: the quoted words are its menu's item "Play &sound through the transmitter"
inline constexpr char ChooseInMenu[] =
    QT_TRANSLATE_NOOP("HearingCheck", "choose \"Play sound through the transmitter\" in the window menu");
//: The fix on the phone page: the quoted words are the program window menu's item of that name
inline constexpr char ChooseInProgramMenu[] = QT_TRANSLATE_NOOP(
    "HearingCheck", "choose \"Play sound through the transmitter\" in the program's window menu");
inline constexpr char SomethingPlays[] = QT_TRANSLATE_NOOP("HearingCheck", "something is playing");
//: %1 is a program (or its stream) as the sound settings name it, %2 the output it plays to
inline constexpr char PlaysElsewhere[] =
    QT_TRANSLATE_NOOP("HearingCheck", "%1 plays to %2, not to the transmitter");
inline constexpr char NothingPlays[] = QT_TRANSLATE_NOOP("HearingCheck", "nothing is playing");
inline constexpr char OutputNotMuted[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter's output is not muted");
inline constexpr char OutputMuted[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the transmitter's output is muted in the sound settings");
inline constexpr char UnmuteThere[] = QT_TRANSLATE_NOOP("HearingCheck", "unmute it there");
//: For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale
inline constexpr char Reaches[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound reaches %1 dBFS");
inline constexpr char LoudEnough[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound is loud enough to hear");
//: For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured
inline constexpr char SilentBelow[] =
    QT_TRANSLATE_NOOP("HearingCheck", "the sound is silent (below %1 dBFS for %2 s)");
inline constexpr char Silent[] = QT_TRANSLATE_NOOP("HearingCheck", "the sound is silent");
inline constexpr char TurnUp[] = QT_TRANSLATE_NOOP("HearingCheck", "turn the player up");

// All of them, for matching the English that came over the bus.
inline constexpr const char* all[] = {
    WithFix,
    OnAir,
    AboutPlugged,
    AboutDelivered,
    AboutMute,
    AboutPower,
    AboutServer,
    AboutCard,
    AboutRouted,
    AboutPlaying,
    AboutOutputMute,
    AboutLevel,
    NotPlugged,
    NoPermission,
    InstallRules,
    Plugged,
    TookEveryChange,
    DidNotTake,
    Replug,
    OffAir,
    PressOnAir,
    Tap,
    NotMuted,
    Muted,
    Press,
    PowerOf,
    PowerZero,
    MoveSliderUp,
    NoServer,
    StartServer,
    NotAnswering,
    RestartServer,
    PipeWireAnswers,
    ServerAnswers,
    HasCard,
    NoCard,
    ReplugTransmitter,
    GoesToTransmitter,
    GoesElsewhere,
    NoOutput,
    ChooseInMenu,
    ChooseInProgramMenu,
    SomethingPlays,
    PlaysElsewhere,
    NothingPlays,
    OutputNotMuted,
    OutputMuted,
    UnmuteThere,
    Reaches,
    LoudEnough,
    SilentBelow,
    Silent,
    TurnUp,
};

} // namespace HearingText
