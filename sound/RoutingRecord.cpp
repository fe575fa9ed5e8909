#include "sound/RoutingRecord.h"

#include "sound/SoundLog.h"
#include "state/FileWriter.h"
#include "state/UserDirectories.h"

#include <cerrno>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char FileName[] = "/tessaly-sound-restore";
constexpr char PreviousKey[] = "PreviousDefault=";
constexpr char RoutedKey[] = "RoutedSink=";
// Sink names are short; anything longer is not ours.
constexpr int MaxSize = 2048;

// what: marked with QT_TRANSLATE_NOOP("RoutingRecord", …).
void Complain(const QString& path, const char* what)
{
    //: A file (%1) and what is wrong with it (%2)
    qCWarning(soundLog, "%s",
              qUtf8Printable(QCoreApplication::translate("RoutingRecord", "%1: %2")
                                 .arg(path, QCoreApplication::translate("RoutingRecord", what))));
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
            Complain(path, QT_TRANSLATE_NOOP("RoutingRecord", "not a readable regular file, left alone; the "
                                                              "sound is not given back from it"));
        return std::nullopt;
    }
    struct stat status;
    char buffer[MaxSize + 1];
    ssize_t length = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid())
        length = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (length < 0) {
        Complain(path, QT_TRANSLATE_NOOP("RoutingRecord", "not a regular file of ours, left alone; the sound "
                                                          "is not given back from it"));
        return std::nullopt;
    }
    const QList<QByteArray> lines = QByteArray(buffer, length).trimmed().split('\n');
    if (length <= MaxSize && lines.size() == 2 && lines[0].startsWith(PreviousKey) &&
        lines[1].startsWith(RoutedKey)) {
        RoutingRecord record{lines[0].mid(sizeof PreviousKey - 1), lines[1].mid(sizeof RoutedKey - 1)};
        if (!record.previousDefault.isEmpty() && !record.routedSink.isEmpty())
            return record;
    }
    Complain(path, QT_TRANSLATE_NOOP("RoutingRecord",
                                     "not understood, removed; the sound is not given back from it"));
    QFile::remove(path);
    return std::nullopt;
}

bool WriteRoutingRecord(const QString& path, const RoutingRecord& record)
{
    if (path.isEmpty()) {
        qCWarning(
            soundLog, "%s",
            qUtf8Printable(QCoreApplication::translate(
                "RoutingRecord", "no private runtime directory: a killed run will not give the sound back")));
        return false;
    }
    const QByteArray text =
        PreviousKey + record.previousDefault + '\n' + RoutedKey + record.routedSink + '\n';
    if (const QString failure = ReplaceFile(path, text); !failure.isEmpty()) {
        //: %1 is why the file could not be written: the file and the system's reason
        qCWarning(soundLog, "%s",
                  qUtf8Printable(QCoreApplication::translate("RoutingRecord",
                                                             "%1; a killed run will not give the sound back")
                                     .arg(failure)));
        return false;
    }
    return true;
}

void RemoveRoutingRecord(const QString& path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}
