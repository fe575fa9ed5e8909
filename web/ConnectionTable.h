#pragma once

#include <QList>
#include <QObject>
#include <QSet>

class QTcpSocket;

// The server's connections, HTTP or WebSocket, by their socket, the oldest first: at most 32 open at once.
// A connection that has shown the token keeps its place; the oldest of the others makes room when a
// newcomer finds every place taken, so the owner is always served.
class ConnectionTable final : public QObject
{
    Q_OBJECT

public:
    // A place for the newcomer, the oldest connection without the token closed for it when all are taken.
    bool MakeRoom();
    // Gives the newcomer its place.
    void Hold(QTcpSocket* socket);
    // The connection showed the token and keeps its place.
    void Credit(QTcpSocket* socket) { credentialed.insert(socket); }
    // Ends every connection, or with localOnly (only this machine is served now) those from elsewhere.
    void Close(bool all, bool localOnly);
    const QList<QTcpSocket*>& Open() const { return open; }

private:
    QList<QTcpSocket*> open;
    QSet<QTcpSocket*> credentialed;
};
