#include "core/HearingCheck.h"

#include "state/HearingTexts.h"
#include "state/PanelButtonWords.h"
#include "state/TransmitterValues.h"

#include <algorithm>
#include <iterator>

namespace {

namespace Text = HearingText;

// What one link found: whether it holds, and its words.
struct Judged
{
    bool holds;
    PersonText words;
};

PersonText Words(const char* source, std::vector<PersonText> arguments = {})
{
    return {HearingWordsContext, source, {}, std::move(arguments)};
}

PersonText WithFix(PersonText problem, PersonText fix)
{
    return Words(Text::WithFix, {std::move(problem), std::move(fix)});
}

PersonText ByFace(HearingFace face, const char* command, PersonText window, PersonText page)
{
    switch (face) {
    case HearingFace::Window:
        return window;
    case HearingFace::Page:
        return page;
    case HearingFace::CommandLine:
        break;
    }
    return PersonText::Plain(QString::fromLatin1(command));
}

// Puts the sound back on the transmitter: the default output and every playing stream, even while the
// option is on already.
PersonText PutBackFix(HearingFace face)
{
    return ByFace(face, "tessalyctl sound on", Words(Text::ChooseInMenu), Words(Text::ChooseInProgramMenu));
}

// A control of the main panel, as its words are translated where the panel shows them.
PersonText PanelWords(const char* source)
{
    return {PanelButtonWords::Context, source, {}, {}};
}

// A control of the phone page, as its words are translated where the page shows them.
PersonText PageWords(const char* source)
{
    return {Text::PageWordsContext, source, {}, {}};
}

Judged JudgeConnection(const TransmitterFacts& transmitter)
{
    switch (transmitter.connection) {
    case TransmitterFacts::Connection::Absent:
        return {false, Words(Text::NotPlugged)};
    case TransmitterFacts::Connection::NoPermission:
        return {false, WithFix(Words(Text::NoPermission), Words(Text::InstallRules))};
    case TransmitterFacts::Connection::Connected:
        break;
    }
    return {true, Words(Text::Plugged)};
}

// Off air, muted or without power: what mends it is a control of whoever shows the check.
Judged JudgeControls(HearingLink link, const TransmitterFacts& transmitter, HearingFace face)
{
    if (link == HearingLink::OnAir) {
        if (transmitter.onAir)
            return {true, Words(Text::OnAir)};
        const PersonText press = Words(Text::PressOnAir, {PanelWords(PanelButtonWords::stopPlayTip),
                                                          PanelWords(PanelButtonWords::stopPlayName)});
        return {false,
                WithFix(Words(Text::OffAir), ByFace(face, "tessalyctl on", press,
                                                    Words(Text::Tap, {PageWords(Text::PageGoOnAir)})))};
    }
    if (link == HearingLink::Unmuted) {
        if (!transmitter.muted)
            return {true, Words(Text::NotMuted)};
        const PersonText press = Words(Text::Press, {PanelWords(PanelButtonWords::mute)});
        return {false, WithFix(Words(Text::Muted), ByFace(face, "tessalyctl unmute", press,
                                                          Words(Text::Tap, {PageWords(Text::PageMute)})))};
    }
    if (transmitter.paLevel > 0)
        return {true, Words(Text::PowerOf, {PersonText::Plain(QString::number(transmitter.paLevel)),
                                            PersonText::Plain(QString::number(PaLevelMaximum))})};
    const PersonText slider = Words(Text::MoveSliderUp, {PanelWords(PanelButtonWords::paValueSlider)});
    const PersonText pageSlider = Words(Text::MoveSliderUp, {PageWords(Text::PagePower)});
    return {false, WithFix(Words(Text::PowerZero), ByFace(face, "tessalyctl power 60", slider, pageSlider))};
}

std::optional<Judged> JudgeTransmitter(HearingLink link, const TransmitterFacts& transmitter,
                                       HearingFace face)
{
    switch (link) {
    case HearingLink::Plugged:
        return JudgeConnection(transmitter);
    case HearingLink::Delivered: {
        if (transmitter.delivered)
            return Judged{true, Words(Text::TookEveryChange)};
        const QString at = transmitter.failedWriteTime.toString(QStringLiteral("HH:mm:ss"));
        return Judged{false, WithFix(Words(Text::DidNotTake, {PersonText::Plain(at)}), Words(Text::Replug))};
    }
    case HearingLink::OnAir:
    case HearingLink::Unmuted:
    case HearingLink::Power:
        return JudgeControls(link, transmitter, face);
    default:
        return std::nullopt;
    }
}

Judged JudgeServer(const SoundFacts& sound, HearingFace face)
{
    switch (sound.server) {
    case SoundFacts::Server::None:
        return {false, WithFix(Words(Text::NoServer), Words(Text::StartServer))};
    case SoundFacts::Server::NotAnswering:
        return {false, WithFix(Words(Text::NotAnswering), Words(Text::RestartServer))};
    case SoundFacts::Server::Answering:
        break;
    }
    // Which server it is matters to whoever reads logs, not to a person at the window.
    const bool named = sound.pipewire && face == HearingFace::CommandLine;
    return {true, Words(named ? Text::PipeWireAnswers : Text::ServerAnswers)};
}

// Where the sound goes and whether something plays into the transmitter.
Judged JudgeRoute(HearingLink link, const SoundFacts& sound, HearingFace face)
{
    if (link == HearingLink::Routed) {
        if (sound.routedToTransmitter)
            return {true, Words(Text::GoesToTransmitter)};
        const PersonText elsewhere = sound.defaultSinkDescription.isEmpty()
                                         ? Words(Text::NoOutput)
                                         : PersonText::Plain(sound.defaultSinkDescription);
        return {false, WithFix(Words(Text::GoesElsewhere, {elsewhere}), PutBackFix(face))};
    }
    if (sound.playing)
        return {true, Words(Text::SomethingPlays)};
    if (!sound.streamElsewhereSink.isEmpty())
        return {false, WithFix(Words(Text::PlaysElsewhere, {PersonText::Plain(sound.streamElsewhere),
                                                            PersonText::Plain(sound.streamElsewhereSink)}),
                               PutBackFix(face))};
    return {false, Words(Text::NothingPlays)};
}

// The level: exact figures for scripts and tessalyctl, plain words for the window and the page.
std::optional<Judged> JudgeLevel(const SoundFacts& sound, HearingFace face)
{
    if (!sound.peakDbfs)
        return std::nullopt;
    const bool figures = face == HearingFace::CommandLine;
    if (HeardAt(*sound.peakDbfs))
        return Judged{true, figures ? Words(Text::Reaches,
                                            {PersonText::Plain(QString::number(*sound.peakDbfs, 'f', 0))})
                                    : Words(Text::LoudEnough)};
    const PersonText silent =
        figures ? Words(Text::SilentBelow, {PersonText::Plain(QString::number(HearingSilenceDbfs, 'f', 0)),
                                            PersonText::Plain(QString::number(HearingMeasureMs / 1000))})
                : Words(Text::Silent);
    return Judged{false, WithFix(silent, Words(Text::TurnUp))};
}

// A sound link, judged from what the sound server told; nullopt where that does not tell.
std::optional<Judged> JudgeSound(HearingLink link, const SoundFacts& sound, HearingFace face)
{
    switch (link) {
    case HearingLink::SoundServer:
        return JudgeServer(sound, face);
    case HearingLink::SoundCard:
        if (sound.transmitterCardFound)
            return Judged{true, Words(Text::HasCard)};
        return Judged{false, WithFix(Words(Text::NoCard), Words(Text::ReplugTransmitter))};
    case HearingLink::Routed:
    case HearingLink::Playing:
        return JudgeRoute(link, sound, face);
    case HearingLink::OutputUnmuted:
        if (!sound.sinkMuted)
            return Judged{true, Words(Text::OutputNotMuted)};
        return Judged{false, WithFix(Words(Text::OutputMuted), Words(Text::UnmuteThere))};
    case HearingLink::Level:
        return JudgeLevel(sound, face);
    default:
        return std::nullopt;
    }
}

// The links in the chain's order: the name scripts see, and what the link is about, as it reads when not
// checked.
struct LinkNames
{
    HearingLink link;
    const char* name;
    const char* subject;
};
constexpr LinkNames chain[] = {
    {HearingLink::Plugged, "plugged", Text::AboutPlugged},
    {HearingLink::Delivered, "delivered", Text::AboutDelivered},
    {HearingLink::OnAir, "on-air", Text::OnAir},
    {HearingLink::Unmuted, "unmuted", Text::AboutMute},
    {HearingLink::Power, "power", Text::AboutPower},
    {HearingLink::SoundServer, "sound-server", Text::AboutServer},
    {HearingLink::SoundCard, "sound-card", Text::AboutCard},
    {HearingLink::Routed, "routed", Text::AboutRouted},
    {HearingLink::Playing, "playing", Text::AboutPlaying},
    {HearingLink::OutputUnmuted, "output-unmuted", Text::AboutOutputMute},
    {HearingLink::Level, "level", Text::AboutLevel},
};

LinkResult Result(HearingLink link, LinkVerdict verdict, PersonText words)
{
    QString english = words.English();
    return {link, verdict, std::move(words), std::move(english)};
}

} // namespace

std::vector<LinkResult> CheckHearing(const TransmitterFacts& transmitter,
                                     const std::optional<SoundFacts>& sound, HearingFace face)
{
    std::vector<LinkResult> links;
    bool broken = false;
    for (const LinkNames& names : chain) {
        const HearingLink link = names.link;
        std::optional<Judged> judged = JudgeTransmitter(link, transmitter, face);
        if (!judged && sound)
            judged = JudgeSound(link, *sound, face);
        if (broken || !judged) {
            links.push_back(Result(link, LinkVerdict::NotChecked, Words(names.subject)));
            continue;
        }
        broken = !judged->holds;
        links.push_back(Result(link, judged->holds ? LinkVerdict::Ok : LinkVerdict::Broken, judged->words));
    }
    return links;
}

const LinkResult* FirstBroken(const std::vector<LinkResult>& links)
{
    for (const LinkResult& link : links) {
        if (link.verdict == LinkVerdict::Broken)
            return &link;
    }
    return nullptr;
}

QString LinkName(HearingLink link)
{
    const auto named = std::find_if(std::begin(chain), std::end(chain),
                                    [link](const LinkNames& names) { return names.link == link; });
    return QString::fromUtf8(named->name);
}

QString VerdictName(LinkVerdict verdict)
{
    return QString::fromLatin1(WordsFor(verdict).name);
}
