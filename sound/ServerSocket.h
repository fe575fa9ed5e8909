#pragma once

#include <functional>
#include <QString>

class QFileSystemWatcher;
class QObject;

// Where a local sound server puts its socket, as the client library looks for it; empty when unknown.
QString ServerSocketDirectory();
// A server named elsewhere (PULSE_SERVER) is taken to be there; a local one once its socket exists.
bool ServerMayBeThere();
// Calls appeared once a server's socket exists. The socket's directory, or the one it will be made in, is
// watched: a change there is the only wake-up, and it is watched again before every look, so that a socket
// made in between is never missed. The watcher belongs to parent; null when no directory is known.
QFileSystemWatcher* WatchForServerSocket(QObject* parent, const std::function<void()>& appeared);
