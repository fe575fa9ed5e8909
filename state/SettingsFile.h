#pragma once

#include "state/TransmitterState.h"

#include <QByteArray>
#include <QString>
#include <optional>

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

// The first 16 bytes of a settings file, or nothing when it is shorter: a file cut short (for example
// by a first run killed before its exit) holds no settings.
std::optional<PersistedSettings> ParseSettings(const QByteArray& bytes);
QByteArray SerializeSettings(const TransmitterState& state);

// Where "Config.ini" lives: beside the executable when that directory is writable (a portable copy),
// else in the per-user configuration directory (an installed program).
QString SettingsDirectory(const QString& executableDir, bool executableDirWritable);
QString settingsPath();

// Reads the file into transmitterState, or creates it empty and takes the defaults when it is missing.
void LoadSettings();
void LoadSettingsFile(const QString& path);
// Rewrites the file atomically from transmitterState; does nothing when the file does not exist.
// Returns false when the file existed but could not be replaced.
bool SaveSettings();
bool SaveSettingsFile(const QString& path);
