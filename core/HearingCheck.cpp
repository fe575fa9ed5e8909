#include "core/HearingCheck.h"

#include "state/TransmitterValues.h"

#include <algorithm>
#include <iterator>

namespace {

// What one link found: whether it holds, and its words.
struct Judged
{
    bool holds;
    QString text;
};

QString WithFix(const QString& problem, const QString& fix)
{
    return fix.isEmpty() ? problem : problem + QStringLiteral(": ") + fix;
}

QString ByFace(HearingFace face, const char* commandLine, const char* window, const char* page)
{
    switch (face) {
    case HearingFace::Window:
        return QString::fromUtf8(window);
    case HearingFace::Page:
        return QString::fromUtf8(page);
    case HearingFace::CommandLine:
        break;
    }
    return QString::fromUtf8(commandLine);
}

// Puts the sound back on the transmitter: the default output and every playing stream, even while the
// option is on already.
QString PutBackFix(HearingFace face)
{
    return ByFace(face, "tessalyctl sound on",
                  "choose \"Play sound through the transmitter\" in the window menu",
                  "choose \"Play sound through the transmitter\" in the program's window menu");
}

Judged JudgeConnection(const TransmitterFacts& transmitter)
{
    switch (transmitter.connection) {
    case TransmitterFacts::Connection::Absent:
        return {false, QStringLiteral("the transmitter is not plugged in")};
    case TransmitterFacts::Connection::NoPermission:
        return {false, QStringLiteral("no permission: install 70-tessaly.rules, then plug it in again")};
    case TransmitterFacts::Connection::Connected:
        break;
    }
    return {true, QStringLiteral("the transmitter is plugged in")};
}

std::optional<Judged> JudgeTransmitter(HearingLink link, const TransmitterFacts& transmitter,
                                       HearingFace face)
{
    switch (link) {
    case HearingLink::Plugged:
        return JudgeConnection(transmitter);
    case HearingLink::Delivered:
        if (transmitter.delivered)
            return Judged{true, QStringLiteral("the transmitter took every change")};
        return Judged{false,
                      WithFix(QStringLiteral("the transmitter did not take the last change (at %1)")
                                  .arg(transmitter.failedWriteTime.toString(QStringLiteral("HH:mm:ss"))),
                              QStringLiteral("unplug it and plug it in again"))};
    case HearingLink::OnAir:
        if (transmitter.onAir)
            return Judged{true, QStringLiteral("on air")};
        return Judged{false, WithFix(QStringLiteral("off air"),
                                     ByFace(face, "tessalyctl on", "press Transmit", "tap Off air"))};
    case HearingLink::Unmuted:
        if (!transmitter.muted)
            return Judged{true, QStringLiteral("not muted")};
        return Judged{false, WithFix(QStringLiteral("muted"),
                                     ByFace(face, "tessalyctl unmute", "press Mute", "tap Mute"))};
    case HearingLink::Power:
        if (transmitter.paLevel > 0)
            return Judged{true,
                          QStringLiteral("power %1 of %2").arg(transmitter.paLevel).arg(PaLevelMaximum)};
        return Judged{false, WithFix(QStringLiteral("power is 0"),
                                     ByFace(face, "tessalyctl power 60", "move the PA-VALUE slider up",
                                            "move the Power slider up"))};
    default:
        return std::nullopt;
    }
}

Judged JudgeServer(const SoundFacts& sound)
{
    switch (sound.server) {
    case SoundFacts::Server::None:
        return {false,
                QStringLiteral("no sound server is running: start PipeWire or PulseAudio, or log in again")};
    case SoundFacts::Server::NotAnswering:
        return {false, QStringLiteral("the sound server does not answer: restart it, or log in again")};
    case SoundFacts::Server::Answering:
        break;
    }
    return {true, sound.pipewire ? QStringLiteral("PipeWire's pulse server answers")
                                 : QStringLiteral("the sound server answers")};
}

// A sound link, judged from what the sound server told; nullopt where that does not tell.
std::optional<Judged> JudgeSound(HearingLink link, const SoundFacts& sound, HearingFace face)
{
    switch (link) {
    case HearingLink::SoundServer:
        return JudgeServer(sound);
    case HearingLink::SoundCard:
        if (sound.transmitterCardFound)
            return Judged{true, QStringLiteral("the sound server has the transmitter's sound card")};
        return Judged{false, QStringLiteral("the sound server does not have the transmitter's sound card: "
                                            "unplug the transmitter and plug it in again")};
    case HearingLink::Routed: {
        if (sound.routedToTransmitter)
            return Judged{true, QStringLiteral("the sound goes to the transmitter")};
        const QString elsewhere = sound.defaultSinkDescription.isEmpty() ? QStringLiteral("no output")
                                                                         : sound.defaultSinkDescription;
        return Judged{false,
                      WithFix(QStringLiteral("the sound goes to %1, not to the transmitter").arg(elsewhere),
                              PutBackFix(face))};
    }
    case HearingLink::Playing:
        if (sound.playing)
            return Judged{true, QStringLiteral("something is playing")};
        if (!sound.streamElsewhereSink.isEmpty())
            return Judged{false, WithFix(QStringLiteral("%1 plays to %2, not to the transmitter")
                                             .arg(sound.streamElsewhere, sound.streamElsewhereSink),
                                         PutBackFix(face))};
        return Judged{false, QStringLiteral("nothing is playing")};
    case HearingLink::OutputUnmuted:
        if (!sound.sinkMuted)
            return Judged{true, QStringLiteral("the transmitter's output is not muted")};
        return Judged{false,
                      QStringLiteral("the transmitter's output is muted in the sound settings: unmute it "
                                     "there")};
    case HearingLink::Level:
        if (!sound.peakDbfs)
            return std::nullopt;
        if (HeardAt(*sound.peakDbfs))
            return Judged{true, QStringLiteral("the sound reaches %1 dBFS").arg(*sound.peakDbfs, 0, 'f', 0)};
        return Judged{false,
                      QStringLiteral("the sound is silent (below %1 dBFS for %2 s): turn the player up")
                          .arg(HearingSilenceDbfs, 0, 'f', 0)
                          .arg(HearingMeasureMs / 1000)};
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
    {HearingLink::Plugged, "plugged", "the transmitter plugged in"},
    {HearingLink::Delivered, "delivered", "the transmitter taking the changes"},
    {HearingLink::OnAir, "on-air", "on air"},
    {HearingLink::Unmuted, "unmuted", "mute"},
    {HearingLink::Power, "power", "power"},
    {HearingLink::SoundServer, "sound-server", "the sound server"},
    {HearingLink::SoundCard, "sound-card", "the transmitter's sound card"},
    {HearingLink::Routed, "routed", "where the sound goes"},
    {HearingLink::Playing, "playing", "something playing"},
    {HearingLink::OutputUnmuted, "output-unmuted", "the transmitter's output in the sound settings"},
    {HearingLink::Level, "level", "the sound's level"},
};

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
            links.push_back({link, LinkVerdict::NotChecked, QString::fromUtf8(names.subject)});
            continue;
        }
        broken = !judged->holds;
        links.push_back({link, judged->holds ? LinkVerdict::Ok : LinkVerdict::Broken, judged->text});
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
