#include "sound/SoundRouting.h"

#include "sound/SoundEngine.h"
#include "sound/SoundOption.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <unistd.h>

namespace {

// Where a local server puts its socket, as the client library looks for it.
QString ServerSocketDirectory()
{
    const QString runtimePath = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (!runtimePath.isEmpty())
        return runtimePath;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtimeDir.isEmpty() ? QString() : runtimeDir + QStringLiteral("/pulse");
}

// A server named elsewhere (PULSE_SERVER) is taken to be there; a local one once its socket exists.
bool ServerMayBeThere()
{
    return !qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
           QFileInfo::exists(ServerSocketDirectory() + QStringLiteral("/native"));
}

// By its full path beside the program: a sanitizer's dlopen would not look there by itself.
QByteArray ModulePath()
{
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return soundEngineModule;
    const QByteArray path(executable, length);
    return path.left(path.lastIndexOf('/') + 1) + soundEngineModule;
}

} // namespace

SoundRouting::SoundRouting(const QString& optionPath, QObject* parent)
    : QObject(parent), optionPath(optionPath), enabled(ReadSoundOption(optionPath))
{}

SoundRouting::~SoundRouting()
{
    engine.reset();
    // The engine's library stays: Qt may still hold objects of its types until the process ends.
}

void SoundRouting::SetEnabled(bool on)
{
    if (on == enabled)
        return;
    enabled = on;
    WriteSoundOption(optionPath, on);
    if (engine)
        engine->SetEnabled(on);
    emit enabledChanged(on);
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
    std::fprintf(stderr,
                 "tessaly: no sound server (no socket in %s); the sound is routed once one is running\n",
                 qPrintable(ServerSocketDirectory()));
    outageReported = true;
    startEngineWhenServerAppears();
}

void SoundRouting::startEngineWhenServerAppears()
{
    const QString directory = ServerSocketDirectory();
    if (directory.isEmpty())
        return;
    // The socket's directory, or the one it will be made in: a change there is the only wake-up. Watched
    // again before every look, so that a socket made in between is never missed.
    serverWatcher = new QFileSystemWatcher(this);
    const auto watch = [this, directory] {
        const QString parent = QFileInfo(directory).absolutePath();
        if (QFileInfo::exists(directory))
            serverWatcher->addPath(directory);
        else if (QFileInfo::exists(parent))
            serverWatcher->addPath(parent);
    };
    watch();
    connect(serverWatcher, &QFileSystemWatcher::directoryChanged, this, [this, watch] {
        watch();
        if (!ServerMayBeThere())
            return;
        serverWatcher->deleteLater();
        serverWatcher = nullptr;
        startEngine();
    });
}

bool SoundRouting::startEngine()
{
    module = ::dlopen(ModulePath().constData(), RTLD_NOW | RTLD_LOCAL);
    auto* create =
        module ? reinterpret_cast<CreateSoundEngineFunction*>(::dlsym(module, "CreateSoundEngine")) : nullptr;
    if (!create) {
        std::fprintf(stderr, "tessaly: the sound is not routed: %s\n", ::dlerror());
        return false;
    }
    engine.reset(create(enabled, outageReported));
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
}
