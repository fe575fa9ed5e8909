#include "sound/ServerSocket.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

QString ServerSocketDirectory()
{
    const QString runtimePath = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (!runtimePath.isEmpty())
        return runtimePath;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtimeDir.isEmpty() ? QString() : runtimeDir + QStringLiteral("/pulse");
}

bool ServerMayBeThere()
{
    return !qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
           QFileInfo::exists(ServerSocketDirectory() + QStringLiteral("/native"));
}

QFileSystemWatcher* WatchForServerSocket(QObject* parent, const std::function<void()>& appeared)
{
    const QString directory = ServerSocketDirectory();
    if (directory.isEmpty())
        return nullptr;
    auto* watcher = new QFileSystemWatcher(parent);
    const auto watch = [watcher, directory] {
        const QString above = QFileInfo(directory).absolutePath();
        if (QFileInfo::exists(directory))
            watcher->addPath(directory);
        else if (QFileInfo::exists(above))
            watcher->addPath(above);
    };
    watch();
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher,
                     [watcher, directory, watch, appeared] {
                         watch();
                         if (!QFileInfo::exists(directory + QStringLiteral("/native")))
                             return;
                         watcher->disconnect();
                         watcher->deleteLater();
                         appeared();
                     });
    return watcher;
}
