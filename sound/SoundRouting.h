#pragma once

#include "sound/SoundEngine.h"
#include "state/PersonText.h"
#include "state/SoundFacts.h"

#include <functional>
#include <map>
#include <memory>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <sys/types.h>

class QFileSystemWatcher;

// While the transmitter is connected and the option is on, the computer's sound plays through it: its
// sink becomes the default and the streams on the old default follow; afterwards both go back, unless the
// user picked another default meanwhile. Keeps the option "Play sound through the transmitter" and what
// the program tells it; the sound server itself is reached through the engine module, loaded only once a
// server's socket exists, so a machine without one pays nothing for it.
class SoundRouting final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ IsEnabled NOTIFY enabledChanged)

public:
    // optionPath: the file that keeps the option; read here.
    explicit SoundRouting(const QString& optionPath, QObject* parent = nullptr);
    ~SoundRouting() override;

    bool IsEnabled() const { return enabled; }
    // Stores the choice, then routes or restores at once. Returns why the choice could not be stored, empty
    // when it was: then nothing changes, and enabledChanged repeats the kept value so that a view already
    // showing the new one (a checked menu item) shows the kept one again. On while on already puts the
    // sound back on the transmitter: the default output and every playing stream, also those the user sent
    // elsewhere by hand; nothing else moves them back. The bus answers with the English.
    PersonText StoreEnabled(bool enabled);
    // The same, the answer in the user's language, for the window.
    QString SetEnabled(bool enabled) { return StoreEnabled(enabled).Translated(); }

    // Where the sound goes: "routed", "elsewhere" (routed, but the sound settings now send the sound to
    // another output: ElsewhereText), "off", "no sound server", "looking for the transmitter's sound card"
    // or "not found".
    QString State() const { return state; }
    // The routed sink's description; empty unless State() is "routed" or "elsewhere".
    QString SinkDescription() const { return sinkDescription; }
    // While "elsewhere": "the sound settings now send it to Speakers" (the default output) or "the sound
    // settings now send music to Speakers" (a stream); empty otherwise. In English, as the bus carries it.
    QString ElsewhereText() const { return elsewhere.English(); }
    // The same words, for a person: Translated() in the window.
    const PersonText& ElsewhereWords() const { return elsewhere; }
    // The option and the state as the bus and the web page show them: SoundRouting, SoundState, SoundSink,
    // SoundElsewhere.
    QVariantMap Properties() const;

    // Reaches the sound server, asynchronously; call once the window is shown (or the headless start is
    // done). Without a server: one line on stderr, and the server is reached when it appears.
    void Start();
    // The transmitter was opened; hidrawNode is its node's device number (0 when unknown).
    void TransmitterOpened(dev_t hidrawNode);
    void TransmitterClosed();
    // The computer woke up: the routed sink is checked again, and looked for again when it is gone or no
    // longer the default, as when the transmitter arrives.
    void Recheck();
    // The program ends: gives back the previous default, synchronously and without the event loop, so also
    // from an exit path (a lost display); waits at most a second for the server. What it cannot give back
    // stays written down for the next run. Only the first call does anything.
    void Finish();

    // Gathers SoundFacts for the hearing check, measuring the level on the transmitter's sink's monitor for
    // measureMilliseconds (0: no measuring; the measuring stops early once sound was heard).
    // Only a sink that something plays into is measured: otherwise peakDbfs stays empty. The measuring time
    // counts from the monitor's first reading, which may come up to half a second late (a sink playing in
    // long blocks), within the limit below.
    // done is called exactly once, from the event loop, within HearingSoundLimitMs(measureMilliseconds)
    // whatever the server does (no server: Server::None at once; a server that does not answer:
    // Server::NotAnswering).
    void CheckSound(int measureMilliseconds, std::function<void(const SoundFacts&)> done);
    // Counted, as the window and the bus watch independently (balanced calls; an UnwatchLevel without a
    // WatchLevel is ignored). While the count is above 0 and the sound is routed, levelChanged reports the
    // routed sink's peak at most 10 times a second; nothing runs (no stream, no timer, no wake-up) otherwise.
    void WatchLevel();
    void UnwatchLevel();
    // Whether a stream plays into the routed transmitter's sink now, followed from the server's
    // announcements (no polling); a change comes with stateChanged().
    bool Playing() const { return playing; }
    // Counted as WatchLevel: while above 0, soundAnnounced follows the server's announcements of its sinks,
    // its streams and its default; nothing is followed otherwise.
    void WatchSound();
    void UnwatchSound();

signals:
    void enabledChanged(bool enabled);
    // State() or SinkDescription() changed.
    void stateChanged();
    // A search for the transmitter's sound card ended without it; once per search.
    void cardNotFound();
    void levelChanged(double peakDbfs); // -inf or a value <= 0
    // The server's sinks, streams or default changed while the sound is watched; once for a burst.
    void soundAnnounced();

private:
    void startEngineWhenServerAppears();
    bool startEngine();
    void engineReported(EngineStatus status, const QString& sinkDescription);
    void updateState();
    void enginePlaying(bool nowPlaying);
    void engineElsewhere(const QString& stream, const QString& sink);
    void answerCheck(std::function<void(const SoundFacts&)> done, SoundFacts::Server server);

    QString optionPath;
    bool enabled;
    bool started = false;
    bool finished = false;
    dev_t transmitterNode = 0;
    bool transmitterOpen = false;
    bool outageReported = false;
    QFileSystemWatcher* serverWatcher = nullptr;
    void* module = nullptr;
    std::unique_ptr<SoundEngine> engine;
    EngineStatus engineStatus = EngineStatus::Idle;
    QString engineSink;
    QString state;
    QString sinkDescription;
    PersonText engineElsewhereWords;
    PersonText elsewhere;
    bool playing = false;
    int levelWatchers = 0;
    int soundWatchers = 0;
    // The checks the engine has yet to answer, by number: those still open at the end are answered here.
    std::map<unsigned, std::function<void(const SoundFacts&)>> checks;
    unsigned checkNumber = 0;
};
