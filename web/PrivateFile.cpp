#include "web/PrivateFile.h"

#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

bool WritePrivateFile(const QString& path, const QByteArray& bytes, mode_t mode)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::lstat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return false;
    // Created with its final mode, so the bytes are never readable by others, and renamed over the old file:
    // a crash never leaves half of it.
    const QByteArray temporary = name + ".new";
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    const bool written = ::fchmod(fd, mode) == 0 &&
                         ::write(fd, bytes.constData(), bytes.size()) == bytes.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temporary.constData(), name.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
