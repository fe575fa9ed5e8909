#pragma once

#include "core/TransmitterCore.h"
#include "device/HotplugWatcher.h"
#include "state/SettingsFile.h"

#include <QTemporaryDir>

// A transmitter core at the start of a run, with its settings in a directory of its own, hot-plug announced
// by the test through watcher, and its write failures counted.
struct TestCore
{
    QTemporaryDir dir;
    TransmitterCore core;
    HotplugWatcher* watcher = new HotplugWatcher;
    int writeErrors = 0;
    bool started = false;

    // settings: what Config.ini holds at the start; the defaults when empty.
    explicit TestCore(const QByteArray& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile file(settingsFile());
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        QObject::connect(&core, &TransmitterCore::writeFailed, [this] { ++writeErrors; });
    }

    ~TestCore()
    {
        if (!started)
            delete watcher;
    }

    QString settingsFile() const { return dir.filePath(QStringLiteral("Config.ini")); }

    // Loads the settings and opens the link; returns whether the companion library loaded.
    bool Start()
    {
        core.LoadState(settingsFile());
        started = true;
        return core.OpenDeviceLink(watcher);
    }
};

inline QByteArray SettingsBytes(std::int32_t frequency, std::int32_t paLevel, std::int32_t txGainIndex,
                                std::int32_t optionFlags)
{
    return SerializeSettings({frequency, paLevel, txGainIndex, optionFlags});
}
