#pragma once

#include "web/HttpExchange.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

// One client of the page's server, from its connection until it ends or turns into a WebSocket: its
// socket and timers around an HttpExchange. It reads one request at a time and none ahead while an answer
// waits, so what a client sends without reading stays in the kernel, not here. A request's head must
// arrive whole within 10 s; a connection idle for 30 s between requests ends.
class HttpConnection final : public QObject
{
    Q_OBJECT

public:
    using Fields = HttpExchange::Fields;

    // Takes the socket, which lives as long as this connection unless handed on.
    explicit HttpConnection(QTcpSocket* socket, QObject* parent = nullptr);

    // Reads a request already in, before later arrivals can take this connection's place; the server
    // calls it once it listens to the signals.
    void Start();
    // The answer to the request last told of; the connection then waits for the next one, or ends when the
    // request or status asks for that, or close does.
    void Respond(int status, const QByteArray& type, const QByteArray& body, const Fields& extra = {},
                 bool close = false);
    // The socket with the upgrade request still unread, for a WebSocket server; this connection ends.
    QTcpSocket* HandOn();

signals:
    // A whole request; Respond() answers it.
    void requested(const HttpHead& head, const QByteArray& body);
    // A WebSocket upgrade, still unread; answered with Respond() or taken with HandOn().
    void upgradeRequested(const HttpHead& head);

private:
    void readRequest();
    void act(const HttpReading& reading);
    void expire();

    QTcpSocket* socket;
    HttpExchange exchange;
    QTimer deadline;
};
