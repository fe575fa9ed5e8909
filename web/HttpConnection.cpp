#include "web/HttpConnection.h"

#include <QTcpSocket>
#include <sys/socket.h>

namespace {

constexpr int headTimeMs = 10000;
constexpr int idleTimeMs = 30000;
// How long a closing connection may take to send its last answer.
constexpr int lingerTimeMs = 10000;

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, QObject* parent) : QObject(parent), socket(socket)
{
    socket->setParent(this);
    // Room for the largest head and body, and no more: the rest waits in the kernel.
    socket->setReadBufferSize(HttpExchange::largestHead + HttpExchange::largestBody);
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &HttpConnection::expire);
    connect(socket, &QTcpSocket::readyRead, this, &HttpConnection::readRequest);
    connect(socket, &QTcpSocket::bytesWritten, this, [this] {
        if (this->socket->bytesToWrite() == 0)
            readRequest();
    });
    connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    deadline.start(headTimeMs);
}

void HttpConnection::Start()
{
    // Qt reads a new socket on the event loop's next round, by which time a crowd of newcomers may have
    // closed it for their room. Only when bytes wait, as waiting for none would count as a time-out.
    char first;
    if (::recv(int(socket->socketDescriptor()), &first, 1, MSG_PEEK | MSG_DONTWAIT) > 0)
        socket->waitForReadyRead(0);
}

void HttpConnection::readRequest()
{
    if (!socket || socket->bytesToWrite() > 0 || exchange.AnswerAwaited() || exchange.Ended())
        return;
    const QByteArray waiting = socket->peek(socket->bytesAvailable());
    if (waiting.isEmpty())
        return;
    if (deadline.remainingTime() > headTimeMs)
        deadline.start(headTimeMs);
    act(exchange.Read(waiting));
}

void HttpConnection::act(const HttpReading& reading)
{
    switch (reading.kind) {
    case HttpReading::Incomplete:
        return;
    case HttpReading::Request:
        socket->skip(reading.length);
        emit requested(reading.head, reading.body);
        return;
    case HttpReading::Upgrade:
        emit upgradeRequested(reading.head);
        return;
    case HttpReading::Refused:
        Respond(reading.status, "text/plain; charset=utf-8", reading.reason + '\n');
        return;
    }
}

void HttpConnection::Respond(int status, const QByteArray& type, const QByteArray& body, const Fields& extra,
                             bool close)
{
    if (!socket)
        return;
    const QByteArray answer =
        exchange.Answer(status, type, body, extra, close, QDateTime::currentDateTimeUtc());
    if (answer.isEmpty())
        return;
    socket->write(answer);
    // Out now: a client that half-closes after its request would otherwise see its connection end, the
    // answer still unsent, as soon as its end is read.
    socket->flush();
    if (exchange.Ended()) {
        deadline.start(lingerTimeMs);
        socket->disconnectFromHost();
    } else {
        deadline.start(idleTimeMs);
    }
}

QTcpSocket* HttpConnection::HandOn()
{
    deadline.stop();
    socket->disconnect(this);
    socket->setParent(nullptr);
    QTcpSocket* handed = socket;
    socket = nullptr;
    deleteLater();
    return handed;
}

void HttpConnection::expire()
{
    const HttpReading reading =
        exchange.TimeUp(socket->bytesToWrite() == 0 ? socket->peek(socket->bytesAvailable()) : QByteArray());
    if (reading.kind == HttpReading::Refused)
        act(reading);
    else
        socket->abort();
}
