#include "state/FileWriter.h"

#include "state/StateLog.h"

#include <cerrno>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString failure(const QByteArray& path, int error)
{
    return QFile::decodeName(path) + QStringLiteral(": ") + qt_error_string(error);
}

// A name beside the target that no one else uses: created with O_EXCL, so a stale one is never reused.
int createBeside(const QByteArray& target, mode_t mode, QByteArray& name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate() % 0x1000000, 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

// The rename is durable only once the directory's entry is on disk too. A file system that cannot sync a
// directory (EINVAL) has nothing more to give.
int syncDirectory(const QByteArray& target)
{
    const QByteArray directory = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

QString ReplaceFile(const QString& path, const QByteArray& bytes, FileWrite how)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat existing;
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return QFile::decodeName(target) + QStringLiteral(": ") +
               QCoreApplication::translate("FileWriter", "not a regular file, left alone");
    }
    // A file its owner made read-only stays as it is, although the directory would let us replace it.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return failure(target, errno);
    const bool keep = exists && how.kind == FileWrite::Mode::KeepExisting;
    QByteArray temporary;
    const int fd = createBeside(target, how.mode, temporary);
    if (fd < 0)
        return failure(target, errno);
    bool done = true;
    if (keep) {
        // A root run must not take a user's file, and a protected file stays protected.
        [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
        done = ::fchmod(fd, existing.st_mode & 07777) == 0;
    } else if (how.kind == FileWrite::Mode::Exactly) {
        done = ::fchmod(fd, how.mode) == 0; // whatever the umask took away
    }
    done = done && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.constData(), target.constData()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(temporary.constData());
        return failure(target, error);
    }
    // The new bytes are in place and read back from now on; only their surviving a power cut is in doubt.
    if (const int unsynced = syncDirectory(target))
        qCWarning(stateLog, "%s", qUtf8Printable(failure(target, unsynced)));
    return {};
}
