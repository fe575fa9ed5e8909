#include "sound/SoundRouting.h"

#include "sound/ServerSocket.h"
#include "sound/SoundEngine.h"
#include "sound/SoundLog.h"
#include "sound/SoundOption.h"
#include "state/Properties.h"
#include "state/SoundStateValue.h"
#include "state/UserDirectories.h"

#include <algorithm>
#include <dlfcn.h>
#include <QFileSystemWatcher>
#include <utility>

SoundRouting::SoundRouting(const QString& optionPath, QObject* parent)
    : QObject(parent), optionPath(optionPath), enabled(ReadSoundOption(optionPath))
{
    updateState();
}

SoundRouting::~SoundRouting()
{
    engine.reset();
    // The engine's library stays: Qt may still hold objects of its types until the process ends.
}

QVariantMap SoundRouting::Properties() const
{
    return {{Property::Name(Property::SoundRouting), IsEnabled()},
            {Property::Name(Property::SoundState), State()},
            {Property::Name(Property::SoundSink), SinkDescription()},
            {Property::Name(Property::SoundElsewhere), ElsewhereText()}};
}

PersonText SoundRouting::StoreEnabled(bool on)
{
    if (on == enabled) {
        if (on && engine && !finished)
            engine->Reapply();
        return {};
    }
    if (const QString failure = WriteSoundOption(optionPath, on); !failure.isEmpty()) {
        emit enabledChanged(enabled);
        // In the context tr() would give.
        return {staticMetaObject.className(),
                enabled ? QT_TR_NOOP("Playing sound through the transmitter not stored: %1; it stays on")
                        : QT_TR_NOOP("Playing sound through the transmitter not stored: %1; it stays off"),
                {},
                {PersonText::Plain(failure)}};
    }
    enabled = on;
    if (engine)
        engine->SetEnabled(on);
    emit enabledChanged(on);
    updateState();
    return {};
}

void SoundRouting::Start()
{
    if (started || finished)
        return;
    started = true;
    if (ServerMayBeThere()) {
        startEngine();
        return;
    }
    qCWarning(soundLog, "%s",
              qUtf8Printable(tr("no sound server (no socket in %1); the sound is routed once one is running")
                                 .arg(ServerSocketDirectory())));
    outageReported = true;
    engineReported(EngineStatus::NoServer, {});
    startEngineWhenServerAppears();
}

void SoundRouting::startEngineWhenServerAppears()
{
    serverWatcher = WatchForServerSocket(this, [this] {
        serverWatcher = nullptr;
        startEngine();
    });
}

bool SoundRouting::startEngine()
{
    module = ::dlopen(BesideProgram(soundEngineModule).constData(), RTLD_NOW | RTLD_LOCAL);
    auto* create =
        module ? reinterpret_cast<CreateSoundEngineFunction*>(::dlsym(module, "CreateSoundEngine")) : nullptr;
    if (!create) {
        qCWarning(soundLog, "%s",
                  qUtf8Printable(tr("the sound is not routed: %1").arg(QString::fromLocal8Bit(::dlerror()))));
        engineReported(EngineStatus::NoServer, {});
        return false;
    }
    engineReported(EngineStatus::NoServer, {});
    engine.reset(
        create(enabled, outageReported,
               {[this](EngineStatus status, const QString& sink) { engineReported(status, sink); },
                [this](bool nowPlaying) { enginePlaying(nowPlaying); },
                [this](double peakDbfs) { emit levelChanged(peakDbfs); },
                [this](const QString& stream, const QString& sink) { engineElsewhere(stream, sink); },
                [this] { emit soundAnnounced(); }}));
    if (levelWatchers > 0)
        engine->SetLevelWatched(true);
    if (soundWatchers > 0)
        engine->SetSoundWatched(true);
    if (transmitterOpen)
        engine->TransmitterOpened(transmitterNode);
    engine->Start();
    return true;
}

void SoundRouting::TransmitterOpened(dev_t hidrawNode)
{
    transmitterOpen = true;
    transmitterNode = hidrawNode;
    if (engine)
        engine->TransmitterOpened(hidrawNode);
}

void SoundRouting::TransmitterClosed()
{
    transmitterOpen = false;
    if (engine)
        engine->TransmitterClosed();
}

void SoundRouting::Finish()
{
    if (finished)
        return;
    finished = true;
    delete serverWatcher;
    serverWatcher = nullptr;
    if (engine)
        engine->Finish();
    // Cut short by the end: no answer came in time.
    for (auto& check : std::exchange(checks, {}))
        answerCheck(std::move(check.second), SoundFacts::Server::NotAnswering);
    enginePlaying(false);
    engineReported(EngineStatus::Idle, {});
}

void SoundRouting::CheckSound(int measureMilliseconds, std::function<void(const SoundFacts&)> done)
{
    if (!engine || finished) {
        // No server's socket, or one whose client module could not be loaded, or the program ends.
        answerCheck(std::move(done), ServerMayBeThere() && !finished ? SoundFacts::Server::NotAnswering
                                                                     : SoundFacts::Server::None);
        return;
    }
    const unsigned number = ++checkNumber;
    checks.emplace(number, std::move(done));
    engine->CheckSound(std::max(0, measureMilliseconds), [this, number](const SoundFacts& facts) {
        const auto check = checks.find(number);
        if (check == checks.end())
            return;
        const auto answer = std::move(check->second);
        checks.erase(check);
        answer(facts);
    });
}

void SoundRouting::answerCheck(std::function<void(const SoundFacts&)> done, SoundFacts::Server server)
{
    SoundFacts facts;
    facts.server = server;
    QMetaObject::invokeMethod(
        this, [facts, done = std::move(done)] { done(facts); }, Qt::QueuedConnection);
}

void SoundRouting::WatchLevel()
{
    if (++levelWatchers == 1 && engine)
        engine->SetLevelWatched(true);
}

void SoundRouting::UnwatchLevel()
{
    if (levelWatchers == 0)
        return;
    if (--levelWatchers == 0 && engine)
        engine->SetLevelWatched(false);
}

void SoundRouting::WatchSound()
{
    if (++soundWatchers == 1 && engine)
        engine->SetSoundWatched(true);
}

void SoundRouting::UnwatchSound()
{
    if (soundWatchers == 0)
        return;
    if (--soundWatchers == 0 && engine)
        engine->SetSoundWatched(false);
}

void SoundRouting::Recheck()
{
    if (engine && !finished)
        engine->Recheck();
}

void SoundRouting::engineReported(EngineStatus status, const QString& sink)
{
    const bool searchFailed = status == EngineStatus::NotFound && engineStatus != EngineStatus::NotFound;
    engineStatus = status;
    engineSink = sink;
    updateState();
    if (searchFailed)
        emit cardNotFound();
}

void SoundRouting::enginePlaying(bool nowPlaying)
{
    if (nowPlaying == playing)
        return;
    playing = nowPlaying;
    emit stateChanged();
}

void SoundRouting::engineElsewhere(const QString& stream, const QString& sink)
{
    // Read by scripts on the bus in English, whatever the language.
    engineElsewhereWords = sink.isEmpty() ? PersonText() : SoundElsewhereText::Words(stream, sink);
    updateState();
}

void SoundRouting::updateState()
{
    QString newState = QLatin1String(SoundStateValue::Off);
    if (enabled) {
        switch (engineStatus) {
        case EngineStatus::Idle:
            break;
        case EngineStatus::NoServer:
            newState = QLatin1String(SoundStateValue::NoServer);
            break;
        case EngineStatus::Searching:
            newState = QLatin1String(SoundStateValue::Looking);
            break;
        case EngineStatus::NotFound:
            newState = QLatin1String(SoundStateValue::NotFound);
            break;
        case EngineStatus::Routed:
            newState = QLatin1String(engineElsewhereWords.English().isEmpty() ? SoundStateValue::Routed
                                                                              : SoundStateValue::Elsewhere);
            break;
        }
    }
    const bool routed = enabled && engineStatus == EngineStatus::Routed;
    const QString newSink = routed ? engineSink : QString();
    const PersonText newElsewhere = routed ? engineElsewhereWords : PersonText();
    if (newState == state && newSink == sinkDescription && newElsewhere.English() == elsewhere.English())
        return;
    state = newState;
    sinkDescription = newSink;
    elsewhere = newElsewhere;
    emit stateChanged();
}
