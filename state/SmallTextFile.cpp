#include "state/SmallTextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

void ComplainAboutFile(const QString& path, const char* what)
{
    std::fprintf(stderr, "tessaly: %s: %s\n", QFile::encodeName(path).constData(), what);
}

SmallTextFile ReadSmallTextFile(const QString& path, qsizetype limit)
{
    // O_NOFOLLOW refuses a link, O_NONBLOCK keeps a FIFO from stalling the start; fstat then tells the rest.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? SmallTextFile::Missing : SmallTextFile::Unreadable, {}};
    struct stat status;
    // One byte more than the limit tells a file that goes on beyond it.
    QByteArray buffer(limit + 1, Qt::Uninitialized);
    ssize_t length = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        length = ::read(fd, buffer.data(), std::size_t(limit + 1));
    ::close(fd);
    if (length < 0)
        return {SmallTextFile::Unreadable, {}};
    buffer.truncate(std::min<qsizetype>(length, limit));
    return {SmallTextFile::Read, buffer.trimmed(), length > limit, status.st_mode & 07777};
}

bool WriteSmallTextFile(const QString& path, const QByteArray& text)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        ComplainAboutFile(path, "not a regular file, left alone");
        return false;
    }
    // Written beside the target and renamed over it: a crash never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        ComplainAboutFile(path, "could not be written");
        return false;
    }
    return true;
}
