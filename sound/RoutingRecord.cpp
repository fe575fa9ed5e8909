#include "sound/RoutingRecord.h"

#include "sound/SoundLog.h"
#include "state/FileWriter.h"
#include "state/UserDirectories.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char FileName[] = "/tessaly-sound-restore";
constexpr char PreviousKey[] = "PreviousDefault=";
constexpr char RoutedKey[] = "RoutedSink=";
// Sink names are short; anything longer is not ours.
constexpr int MaxSize = 2048;

void Complain(const QString& path, const char* what)
{
    qCWarning(soundLog, "%s: %s", qUtf8Printable(path), what);
}

} // namespace

QString RoutingRecordPath()
{
    // Beside the lock, where a later run finds it whatever its environment.
    const QString directory = PrivateRuntimeDirectory();
    return directory.isEmpty() ? QString() : directory + QLatin1String(FileName);
}

std::optional<RoutingRecord> ReadRoutingRecord(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            Complain(path, "not a readable regular file, left alone; the sound is not given back from it");
        return std::nullopt;
    }
    struct stat status;
    char buffer[MaxSize + 1];
    ssize_t length = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid())
        length = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (length < 0) {
        Complain(path, "not a regular file of ours, left alone; the sound is not given back from it");
        return std::nullopt;
    }
    const QList<QByteArray> lines = QByteArray(buffer, length).trimmed().split('\n');
    if (length <= MaxSize && lines.size() == 2 && lines[0].startsWith(PreviousKey) &&
        lines[1].startsWith(RoutedKey)) {
        RoutingRecord record{lines[0].mid(sizeof PreviousKey - 1), lines[1].mid(sizeof RoutedKey - 1)};
        if (!record.previousDefault.isEmpty() && !record.routedSink.isEmpty())
            return record;
    }
    Complain(path, "not understood, removed; the sound is not given back from it");
    QFile::remove(path);
    return std::nullopt;
}

bool WriteRoutingRecord(const QString& path, const RoutingRecord& record)
{
    if (path.isEmpty()) {
        qCWarning(soundLog, "no private runtime directory: a killed run will not give the sound back");
        return false;
    }
    const QByteArray text =
        PreviousKey + record.previousDefault + '\n' + RoutedKey + record.routedSink + '\n';
    if (const QString failure = ReplaceFile(path, text); !failure.isEmpty()) {
        qCWarning(soundLog, "%s; a killed run will not give the sound back", qUtf8Printable(failure));
        return false;
    }
    return true;
}

void RemoveRoutingRecord(const QString& path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}
