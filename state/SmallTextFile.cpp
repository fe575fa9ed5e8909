#include "state/SmallTextFile.h"

#include "state/StateLog.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

void ComplainAboutFile(const QString& path, const char* what)
{
    //: A file (%1) and what is wrong with it (%2)
    qCWarning(stateLog, "%s",
              qUtf8Printable(QCoreApplication::translate("SmallTextFile", "%1: %2")
                                 .arg(path, QCoreApplication::translate("SmallTextFile", what))));
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
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        // A read may give less than asked before the end: the copy kept of a file must be all of it.
        ssize_t got = 0;
        for (length = 0; length <= limit; length += got) {
            got = ::read(fd, buffer.data() + length, std::size_t(limit + 1 - length));
            if (got < 0 && errno == EINTR)
                got = 0;
            else if (got <= 0)
                break;
        }
        if (got < 0)
            length = -1;
    }
    ::close(fd);
    if (length < 0)
        return {SmallTextFile::Unreadable, {}};
    buffer.truncate(std::min<qsizetype>(length, limit));
    return {SmallTextFile::Read, buffer, length > limit, status.st_mode & 07777};
}
