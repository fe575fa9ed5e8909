#include "web/ConnectionLimit.h"

#include <QTcpSocket>
#include <unistd.h>

namespace {

constexpr int mostConnections = 32;
// A request line and headers fit easily; a body is bounded below this anyway.
constexpr qint64 readBuffer = 16 * 1024;

} // namespace

void ConnectionLimit::incomingConnection(qintptr descriptor)
{
    if (open >= mostConnections) {
        ::close(int(descriptor));
        return;
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setReadBufferSize(readBuffer);
    ++open;
    connect(socket, &QObject::destroyed, this, [this] { --open; });
    addPendingConnection(socket);
}
