#include "web/ConnectionTable.h"

#include <algorithm>
#include <QTcpSocket>

namespace {

constexpr int mostConnections = 32;

} // namespace

bool ConnectionTable::MakeRoom()
{
    if (open.size() < mostConnections)
        return true;
    // Refusing the newcomer instead would let a few idle or slow clients keep the owner out for good.
    const auto oldest = std::find_if(open.cbegin(), open.cend(),
                                     [this](QTcpSocket* socket) { return !credentialed.contains(socket); });
    if (oldest == open.cend())
        return false;
    (*oldest)->abort();
    return open.size() < mostConnections;
}

void ConnectionTable::Hold(QTcpSocket* socket)
{
    // The place is free the moment the connection ends, whoever ends it and whenever the socket goes.
    open.append(socket);
    const auto leave = [this, socket] {
        open.removeOne(socket);
        credentialed.remove(socket);
    };
    connect(socket, &QTcpSocket::disconnected, this, leave);
    connect(socket, &QObject::destroyed, this, leave);
}

void ConnectionTable::Close(bool all, bool localOnly)
{
    // Copied: an aborted socket leaves the table at once.
    const QList<QTcpSocket*> current = open;
    for (QTcpSocket* socket : current) {
        if (all || (localOnly && !socket->peerAddress().isLoopback()))
            socket->abort();
    }
}
