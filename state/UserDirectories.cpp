#include "state/UserDirectories.h"

#include <climits>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

QString XdgBaseDirectory(const char* variable, const char* homeDefault)
{
    const QString value = QFile::decodeName(qgetenv(variable));
    if (value.startsWith(QLatin1Char('/')))
        return value;
    if (!homeDefault)
        return {};
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(homeDefault);
}

bool IsPrivateDirectory(const QString& path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString PrivateRuntimeDirectory()
{
    const QString testDir = QFile::decodeName(qgetenv("TESSALY_TEST_LOCK_DIR"));
    if (IsPrivateDirectory(testDir))
        return testDir;
    const QString runtimeDir = QStringLiteral("/run/user/%1").arg(::getuid());
    if (IsPrivateDirectory(runtimeDir))
        return runtimeDir;
    const QString cacheDir = XdgBaseDirectory("XDG_CACHE_HOME", ".cache") + QStringLiteral("/tessaly");
    QDir().mkpath(QFileInfo(cacheDir).path());
    ::mkdir(QFile::encodeName(cacheDir).constData(), 0700);
    return IsPrivateDirectory(cacheDir) ? cacheDir : QString();
}

QByteArray BesideProgram(const char* fileName)
{
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return fileName;
    const QByteArray path(executable, length);
    return path.left(path.lastIndexOf('/') + 1) + fileName;
}
