#include "state/SettingsFile.h"

#include "state/FileWriter.h"
#include "state/StateLog.h"
#include "state/TransmitterValues.h"
#include "state/UserDirectories.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a damaged or hand-edited file holds values outside these ranges, and the transmitter must never be
// sent outside its band or its power range because of one. The options become what the settings window
// would build from them, and the frequency what the device really tunes, so the window shows what is sent.
// Values within range stay exactly as stored.
PersistedSettings WithinRanges(PersistedSettings settings)
{
    settings.optionFlags = EncodeOptions(DecodeOptions(settings.optionFlags));
    const BandLimits band = BandOf(settings.optionFlags);
    settings.frequency = std::clamp(settings.frequency, band.lower, band.upper);
    // The band's edges lie on the grid, so rounding down stays within it.
    settings.frequency -= settings.frequency % FrequencyGrid;
    settings.paLevel = std::clamp(settings.paLevel, 0, PaLevelMaximum);
    settings.txGainIndex = std::clamp(settings.txGainIndex, 0, TxGainMaximum);
    return settings;
}

// Up to the first SettingsFileSize bytes of an open file.
QByteArray readStart(int fd)
{
    QByteArray bytes(SettingsFileSize, '\0');
    qsizetype length = 0;
    while (length < SettingsFileSize) {
        const ssize_t count = ::read(fd, bytes.data() + length, SettingsFileSize - length);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        length += count;
    }
    bytes.truncate(length);
    return bytes;
}

// Says why, with errno as the failed call left it.
void reportUnsaved(const QByteArray& name)
{
    //: %1 is the settings file, %2 the system's reason
    qCWarning(
        stateLog, "%s",
        qUtf8Printable(QCoreApplication::translate("SettingsFile", "settings will not be saved: %1: %2")
                           .arg(QFile::decodeName(name), QString::fromLocal8Bit(std::strerror(errno)))));
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

PersistedSettings PersistedOf(const TransmitterState& state)
{
    return {state.frequency, state.paLevel, state.txGainIndex, state.optionFlags};
}

QByteArray SerializeSettings(const PersistedSettings& state)
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

PersistedSettings LoadSettingsFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // Neither a link (which could hand us any file, root's included, or a device node) nor a FIFO (whose
    // opening would wait for a writer for ever) is followed or waited on: only a regular file is used.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOTDIR) {
        // A file where a directory of the path should be (XDG_CONFIG_HOME naming a file, say).
        reportUnsaved(name);
        return {};
    }
    if (fd < 0 && errno == ENOENT) {
        // Created empty so that the exit knows this run may save.
        QDir().mkpath(QFileInfo(path).absolutePath());
        const int created =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (created < 0)
            reportUnsaved(name);
        else
            ::close(created);
        return {};
    }
    struct stat status;
    const bool regular = fd >= 0 ? ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                                 : ::lstat(name.constData(), &status) == 0 && S_ISREG(status.st_mode);
    // An unreadable regular file gives no bytes, and so the defaults.
    const QByteArray bytes = regular && fd >= 0 ? readStart(fd) : QByteArray();
    if (fd >= 0)
        ::close(fd);
    if (!regular) {
        qCWarning(stateLog, "%s",
                  qUtf8Printable(QCoreApplication::translate(
                                     "SettingsFile",
                                     "%1 is not a regular file: using the default settings and saving none")
                                     .arg(QFile::decodeName(name))));
        return {};
    }
    const PersistedSettings settings = WithinRanges(ParseSettings(bytes).value_or(PersistedSettings{}));
    // Said once now rather than found out at the exit, when every change of the run would be lost.
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::access(name.constData(), W_OK) != 0 || ::access(directory.constData(), W_OK) != 0)
        reportUnsaved(name);
    return settings;
}

QString SaveSettingsFile(const QString& path, const PersistedSettings& settings)
{
    struct stat status;
    // Only a regular file is replaced: a missing file means this run saves nothing, and a link, a FIFO or a
    // device node in its place is left alone.
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return ReplaceFile(path, SerializeSettings(settings));
}
