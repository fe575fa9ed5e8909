#include "state/SettingsFile.h"

#include "state/Band.h"
#include "state/UserDirectories.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <unistd.h>

namespace {

// Only a damaged or hand-edited file holds values outside these ranges, and the transmitter must never be
// sent outside its band or its power range because of one. Values within range stay exactly as stored.
PersistedSettings WithinRanges(PersistedSettings settings)
{
    const BandLimits band = BandOf(settings.optionFlags);
    settings.frequency = std::clamp(settings.frequency, band.lower, band.upper);
    settings.paLevel = std::clamp(settings.paLevel, 0, 90);
    settings.txGainIndex = std::clamp(settings.txGainIndex, 0, 23);
    return settings;
}

void apply(const PersistedSettings& settings)
{
    transmitterState.frequency = settings.frequency;
    transmitterState.paLevel = settings.paLevel;
    transmitterState.txGainIndex = settings.txGainIndex;
    transmitterState.optionFlags = settings.optionFlags;
}

} // namespace

std::optional<PersistedSettings> ParseSettings(const QByteArray& bytes)
{
    if (bytes.size() < SettingsFileSize)
        return std::nullopt;
    const char* data = bytes.constData();
    return PersistedSettings{qFromLittleEndian<std::int32_t>(data), qFromLittleEndian<std::int32_t>(data + 4),
                             qFromLittleEndian<std::int32_t>(data + 8),
                             qFromLittleEndian<std::int32_t>(data + 12)};
}

QByteArray SerializeSettings(const TransmitterState& state)
{
    QByteArray bytes(SettingsFileSize, '\0');
    char* data = bytes.data();
    qToLittleEndian<std::int32_t>(state.frequency, data);
    qToLittleEndian<std::int32_t>(state.paLevel, data + 4);
    qToLittleEndian<std::int32_t>(state.txGainIndex, data + 8);
    qToLittleEndian<std::int32_t>(state.optionFlags, data + 12);
    return bytes;
}

QString SettingsDirectory(const QString& executableDir, bool executableDirWritable)
{
    const bool installed = executableDir.endsWith(QStringLiteral("/" TESSALY_PRIVATE_DIR));
    if (executableDirWritable && !installed)
        return executableDir;
    return XdgBaseDirectory("XDG_CONFIG_HOME", ".config") + QStringLiteral("/tessaly");
}

QString settingsPath()
{
    const QString executableDir = QCoreApplication::applicationDirPath();
    const bool writable = ::access(QFile::encodeName(executableDir).constData(), W_OK) == 0;
    return SettingsDirectory(executableDir, writable) + QStringLiteral("/Config.ini");
}

void LoadSettings()
{
    LoadSettingsFile(settingsPath());
}

void LoadSettingsFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        // Created empty so that the exit knows this run may save; a failure only means nothing is saved.
        QDir().mkpath(QFileInfo(path).absolutePath());
        file.open(QIODevice::WriteOnly);
        file.close();
        apply(PersistedSettings{});
        return;
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(SettingsFileSize);
    apply(WithinRanges(ParseSettings(bytes).value_or(PersistedSettings{})));
}

bool SaveSettings()
{
    return SaveSettingsFile(settingsPath());
}

bool SaveSettingsFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    // Written beside the target and renamed over it, so a crash or a full disk never leaves a cut file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = SerializeSettings(transmitterState);
    // commit() renames the new file over the old one even when its buffered write failed (a full disk):
    // write and flush here, and give up on any error while the old file is still in place.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
