#include "sound/SoundOption.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Key[] = "PlaySoundThroughTransmitter=";

void Complain(const QString& path, const char* what)
{
    std::fprintf(stderr, "tessaly: %s: %s\n", QFile::encodeName(path).constData(), what);
}

} // namespace

bool ReadSoundOption(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // O_NOFOLLOW refuses a link, O_NONBLOCK keeps a FIFO from stalling the start; fstat then tells the rest.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            Complain(path, "not a readable regular file, the sound option stays on");
        return SoundOptionDefault;
    }
    struct stat status;
    char buffer[64];
    ssize_t length = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        length = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (length < 0) {
        Complain(path, "not a readable regular file, the sound option stays on");
        return SoundOptionDefault;
    }
    const QByteArray text = QByteArray(buffer, length).trimmed();
    if (text == QByteArray(Key) + '1')
        return true;
    if (text == QByteArray(Key) + '0')
        return false;
    Complain(path, "not understood, the sound option stays on");
    return SoundOptionDefault;
}

bool WriteSoundOption(const QString& path, bool enabled)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        Complain(path, "not a regular file, left alone");
        return false;
    }
    // Written beside the target and renamed over it: a crash never leaves half a line.
    QSaveFile file(path);
    const QByteArray line = QByteArray(Key) + (enabled ? "1\n" : "0\n");
    if (!file.open(QIODevice::WriteOnly) || file.write(line) != line.size() || !file.commit()) {
        Complain(path, "the sound option could not be stored");
        return false;
    }
    return true;
}
