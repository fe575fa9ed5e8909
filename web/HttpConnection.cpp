#include "web/HttpConnection.h"

#include <QTcpSocket>

namespace {

constexpr int headTimeMs = 10000;
constexpr int idleTimeMs = 30000;
// How long a closing connection may take to send its last answer.
constexpr int lingerTimeMs = 10000;

QByteArray Reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 303:
        return "See Other";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, QObject* parent) : QObject(parent), socket(socket)
{
    socket->setParent(this);
    // Room for the largest head and body, and no more: the rest waits in the kernel.
    socket->setReadBufferSize(largestHead + largestBody);
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

void HttpConnection::readRequest()
{
    if (answering || closing || socket->bytesToWrite() > 0)
        return;
    const QByteArray buffered = socket->peek(socket->bytesAvailable());
    if (buffered.isEmpty())
        return;
    if (deadline.remainingTime() > headTimeMs)
        deadline.start(headTimeMs);
    const qsizetype end = buffered.indexOf("\r\n\r\n");
    if (end < 0 || end + 4 > largestHead) {
        if (end >= 0 || buffered.size() >= largestHead)
            refuse(431, "The request is too large.");
        return;
    }
    const std::optional<HttpHead> head = ParseHttpHead(buffered.left(end));
    if (!head) {
        refuse(400, "Not a request this page understands.");
        return;
    }
    if (head->FieldHas("Upgrade", "websocket")) {
        answering = true;
        closeAfterAnswer = true;
        emit upgradeRequested(*head);
        return;
    }
    if (!head->Field("Transfer-Encoding").isEmpty()) {
        refuse(411, "Send the body with its length.");
        return;
    }
    const QByteArray lengthField = head->Field("Content-Length");
    bool numeric = true;
    const qlonglong length = lengthField.isEmpty() ? 0 : lengthField.toLongLong(&numeric);
    if (!numeric || length < 0) {
        refuse(400, "Not a request this page understands.");
        return;
    }
    if (length > largestBody) {
        refuse(413, "Too large.");
        return;
    }
    if (buffered.size() < end + 4 + length)
        return;
    socket->skip(end + 4);
    const QByteArray body = socket->read(length);
    answering = true;
    closeAfterAnswer = head->ClosesConnection();
    emit requested(*head, body);
}

void HttpConnection::Respond(int status, const QByteArray& type, const QByteArray& body, const Fields& extra)
{
    if (!answering || closing)
        return;
    answering = false;
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + Reason(status) + "\r\n";
    const Fields fields = {{"Content-Type", type},
                           {"Content-Length", QByteArray::number(body.size())},
                           {"Cache-Control", "no-store"},
                           {"X-Content-Type-Options", "nosniff"},
                           // The address with its token must not leave in a Referer.
                           {"Referrer-Policy", "no-referrer"},
                           {"Content-Security-Policy",
                            "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; "
                            "connect-src 'self'; frame-ancestors 'none'"}};
    for (const auto& [name, value] : fields + extra)
        answer += name + ": " + value + "\r\n";
    if (closeAfterAnswer)
        answer += "Connection: close\r\n";
    socket->write(answer + "\r\n" + body);
    if (closeAfterAnswer) {
        closing = true;
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
    closing = true;
    deleteLater();
    return handed;
}

void HttpConnection::refuse(int status, const QByteArray& text)
{
    answering = true;
    closeAfterAnswer = true;
    Respond(status, "text/plain; charset=utf-8", text + '\n');
}

void HttpConnection::expire()
{
    // Half a head when time runs out is told why; a quiet connection, or one that does not take its
    // last answer, just ends.
    if (!closing && !answering && socket->bytesAvailable() > 0 && socket->bytesToWrite() == 0) {
        refuse(408, "The request took too long.");
        return;
    }
    socket->abort();
}
