#include "service/SingleInstanceLock.h"

#include "state/UserDirectories.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A real directory (not a link to one) that we own and nobody else may write into.
bool IsPrivateDirectory(const QString& path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

SingleInstanceLock Refuse(const QString& path, const char* reason)
{
    std::fprintf(stderr,
                 "tessaly: no single-instance lock: %s: %s; the session bus's name decides which copy runs\n",
                 QFile::encodeName(path).constData(), reason);
    return SingleInstanceLock::Unavailable;
}

} // namespace

QString singleInstanceLockPath()
{
    // The test suites' own place, so that their runs neither meet each other nor a Tessaly the user runs.
    const QString testDir = QFile::decodeName(qgetenv("TESSALY_TEST_LOCK_DIR"));
    if (IsPrivateDirectory(testDir))
        return testDir + QStringLiteral("/Pellmark.lock");
    // The user's runtime directory by its fixed place, not by XDG_RUNTIME_DIR: a start from ssh, su or
    // cron inherits another value or none, and must still find the lock of a copy started in the session.
    const QString runtimeDir = QStringLiteral("/run/user/%1").arg(::getuid());
    if (IsPrivateDirectory(runtimeDir))
        return runtimeDir + QStringLiteral("/Pellmark.lock");
    const QString cacheDir = XdgBaseDirectory("XDG_CACHE_HOME", ".cache") + QStringLiteral("/tessaly");
    QDir().mkpath(QFileInfo(cacheDir).path());
    ::mkdir(QFile::encodeName(cacheDir).constData(), 0700);
    if (IsPrivateDirectory(cacheDir))
        return cacheDir + QStringLiteral("/Pellmark.lock");
    return {};
}

SingleInstanceLock AcquireSingleInstanceLock()
{
    const QString path = singleInstanceLockPath();
    if (path.isEmpty())
        return Refuse(XdgBaseDirectory("XDG_CACHE_HOME", ".cache") + QStringLiteral("/tessaly"),
                      "not a private directory of ours");
    // Non-blocking: a FIFO in its place must not hold the start.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return Refuse(path, std::strerror(errno));
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid()) {
        ::close(fd);
        return Refuse(path, "not a file of ours");
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
