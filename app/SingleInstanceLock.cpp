#include "app/SingleInstanceLock.h"

#include <fcntl.h>
#include <QFile>
#include <sys/file.h>
#include <unistd.h>

QString singleInstanceLockPath()
{
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        return QFile::decodeName(runtimeDir) + QStringLiteral("/Pellmark.lock");
    return QStringLiteral("/tmp/Pellmark-%1.lock").arg(::getuid());
}

bool AcquireSingleInstanceLock()
{
    const int fd =
        ::open(QFile::encodeName(singleInstanceLockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    return true;
}
