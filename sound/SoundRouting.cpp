#include "sound/SoundRouting.h"

#include "sound/ServerSocket.h"
#include "sound/SoundEngine.h"
#include "sound/SoundOption.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <QFileSystemWatcher>
#include <unistd.h>

namespace {

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
    serverWatcher = WatchForServerSocket(this, [this] {
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
