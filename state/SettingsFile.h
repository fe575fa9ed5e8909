#pragma once

#include "state/TransmitterState.h"

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>

// "Config.ini": four little-endian signed 32-bit integers (frequency, paLevel, txGainIndex,
// optionFlags), 16 bytes, no header.
inline constexpr int SettingsFileSize = 16;

struct PersistedSettings
{
    std::int32_t frequency = 9000;
    std::int32_t paLevel = 90;
    std::int32_t txGainIndex = 0;
    std::int32_t optionFlags = 37;

    friend bool operator==(const PersistedSettings&, const PersistedSettings&) = default;
};

// The persisted part of the transmitter's state.
PersistedSettings PersistedOf(const TransmitterState& state);

// The first 16 bytes of a settings file, or nothing when it is shorter: a file cut short (for example
// by a first run killed before its exit) holds no settings.
std::optional<PersistedSettings> ParseSettings(const QByteArray& bytes);
QByteArray SerializeSettings(const PersistedSettings& settings);

// Where "Config.ini" lives. An installed copy (running from <prefix>/lib/tessaly) uses the user's
// configuration directory whoever runs it, root included, so it never writes into its installation. Any
// other copy keeps the file beside itself when it can write there (a build tree, a portable copy), else in
// the configuration directory too.
QString SettingsDirectory(const QString& executableDir, bool executableDirWritable);
QString settingsPath();

// Reads the file, or creates it empty and gives the defaults when it is missing.
// Values outside their ranges are brought into them: the option flags to those the settings window builds,
// the frequency into the band they select and down onto the 50 kHz grid, paLevel into 0..90, txGainIndex
// into 0..23. Anything but a regular file (a link, a FIFO, a device node) is neither read nor ever
// replaced: the defaults are used and stderr says so. A file this run cannot replace is reported on stderr.
PersistedSettings LoadSettingsFile(const QString& path);
// Rewrites the file with settings, keeping its owner and mode; does nothing when no regular file is there.
// Empty when saved or nothing was to be; else why not, and the file is as it was. Uses no Qt state beyond
// the path, so it may run while the process ends.
QString SaveSettingsFile(const QString& path, const PersistedSettings& settings);
