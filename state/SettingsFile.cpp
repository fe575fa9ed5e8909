#include "state/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>
#include <unistd.h>

namespace {

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
    if (executableDirWritable)
        return executableDir;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tessaly");
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
    apply(ParseSettings(bytes).value_or(PersistedSettings{}));
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
    file.write(SerializeSettings(transmitterState));
    return file.commit();
}
