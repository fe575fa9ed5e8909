#include "service/SingleInstanceLock.h"

#include "service/ServiceLog.h"
#include "state/UserDirectories.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// reason: the system's words, or ours marked with QT_TRANSLATE_NOOP("SingleInstanceLock", …). Translated
// where the catalogues are loaded already (the run without windows); the window's run asks before.
SingleInstanceLock Refuse(const QString& path, const char* reason)
{
    //: %1 is the lock file, %2 why it cannot be used
    qCWarning(
        serviceLog, "%s",
        qUtf8Printable(QCoreApplication::translate(
                           "SingleInstanceLock",
                           "no single-instance lock: %1: %2; the session bus's name decides which copy runs")
                           .arg(path, QCoreApplication::translate("SingleInstanceLock", reason))));
    return SingleInstanceLock::Unavailable;
}

} // namespace

QString singleInstanceLockPath()
{
    const QString directory = PrivateRuntimeDirectory();
    return directory.isEmpty() ? QString() : directory + QStringLiteral("/Pellmark.lock");
}

SingleInstanceLock AcquireSingleInstanceLock()
{
    const QString path = singleInstanceLockPath();
    if (path.isEmpty())
        return Refuse(XdgBaseDirectory("XDG_CACHE_HOME", ".cache") + QStringLiteral("/tessaly"),
                      QT_TRANSLATE_NOOP("SingleInstanceLock", "not a private directory of ours"));
    // Non-blocking: a FIFO in its place must not hold the start.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return Refuse(path, std::strerror(errno));
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid()) {
        ::close(fd);
        return Refuse(path, QT_TRANSLATE_NOOP("SingleInstanceLock", "not a file of ours"));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return SingleInstanceLock::HeldByAnother;
        return Refuse(path, std::strerror(error));
    }
    return SingleInstanceLock::Acquired;
}
