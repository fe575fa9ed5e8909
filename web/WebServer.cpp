#include "web/WebServer.h"

#include "web/PageChange.h"
#include "web/ReachableAddress.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <qrencode.h>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>

namespace {

// What a page sends a second at most, a few small messages per tap; more is a flood, and ends the
// connection before its pongs or refusals can pile up.
constexpr qint64 largestWebSocketTrafficPerSecond = 16 * 1024;
// Answers a client has not taken yet, beyond which it is not reading and is let go.
constexpr qint64 largestBacklog = 256 * 1024;
// Told to a page opened with a token that was since renewed; the page understands it and stops trying.
constexpr auto renewedCloseCode = QWebSocketProtocol::CloseCode(4001);

const QByteArray plainText = "text/plain; charset=utf-8";

QByteArray PageBytes()
{
    QFile page(QStringLiteral(":/web/page.html"));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

QJsonValue JsonValue(const QVariant& value)
{
    const int type = value.metaType().id();
    if (type != QMetaType::Bool && type != QMetaType::UInt && type != QMetaType::QString &&
        value.canConvert<QVariantList>()) {
        QJsonArray list;
        for (const QVariant& item : value.value<QVariantList>())
            list.append(JsonValue(item));
        return list;
    }
    return QJsonValue::fromVariant(value);
}

QByteArray Message(const char* key, const QJsonValue& value)
{
    return QJsonDocument(QJsonObject{{QLatin1String(key), value}}).toJson(QJsonDocument::Compact);
}

} // namespace

WebServer::WebServer(WebPageHost& host)
    : host(host), webSockets(QStringLiteral("Tessaly"), QWebSocketServer::NonSecureMode)
{
    connect(&webSockets, &QWebSocketServer::newConnection, this, &WebServer::adoptWebSockets);
}

WebServer::~WebServer()
{
    // Closing, a client would tell this half-destroyed server that it went.
    for (QWebSocket* client : std::as_const(clients))
        client->disconnect(this);
    for (QTcpSocket* socket : connections.Open())
        socket->disconnect(this);
}

QString WebServer::Listen(bool networkAllowed, quint16 newPort)
{
    const auto where = [](bool network) { return network ? QHostAddress::AnyIPv4 : QHostAddress::LocalHost; };
    // The port we serve on is ours: it is let go first, so that the new choice can take it.
    const bool samePort = listener && newPort == port;
    if (samePort)
        listener->close();
    auto server = std::make_unique<QTcpServer>();
    if (!server->listen(where(networkAllowed), newPort)) {
        QString problem =
            server->serverError() == QAbstractSocket::AddressInUseError
                ? QStringLiteral("port %1 is in use by another program; choose another port").arg(newPort)
                : QStringLiteral("port %1: %2").arg(newPort).arg(server->errorString());
        if (samePort && !listener->listen(where(network), port))
            return problem + QStringLiteral("; the page could not be served again as it was");
        return problem;
    }
    const bool allClosed = listener && newPort != port;
    listener = std::move(server);
    connect(listener.get(), &QTcpServer::newConnection, this, &WebServer::accept);
    network = networkAllowed;
    port = newPort;
    guard.SetListening(network, port);
    // Ends the connections the listening choice no longer allows.
    connections.Close(allClosed, !network);
    return {};
}

void WebServer::accept()
{
    while (listener->hasPendingConnections()) {
        QTcpSocket* socket = listener->nextPendingConnection();
        if (!connections.MakeRoom()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connections.Hold(socket);
        auto* connection = new HttpConnection(socket, this);
        connect(connection, &HttpConnection::requested, this,
                [this, connection, socket](const HttpHead& head, const QByteArray& body) {
                    answer(*connection, socket, head, body);
                });
        connect(connection, &HttpConnection::upgradeRequested, this,
                [this, connection, socket](const HttpHead& head) { upgrade(*connection, socket, head); });
        connection->Start();
    }
}

std::pair<int, QByteArray> WebServer::admission(QTcpSocket* socket, const HttpHead& head,
                                                const QByteArray& offeredToken)
{
    if (!guard.HostAllowed(head.Field("Host")))
        return {403, "This page is reached by the machine's own name or address."};
    if (guard.TokenMatches(offeredToken)) {
        connections.Credit(socket);
        return {0, {}};
    }
    if (!guard.AdmitFailure())
        return {429, "Too many wrong tokens: wait a little."};
    return {401, "Open the address with its token, as the program shows it (or its QR code)."};
}

void WebServer::answer(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head,
                       const QByteArray& body)
{
    const QUrlQuery query(QString::fromLatin1(head.query));
    const bool tokenInAddress = query.hasQueryItem(QStringLiteral("token"));
    const QByteArray offered = tokenInAddress ? query.queryItemValue(QStringLiteral("token")).toLatin1()
                                              : RequestGuard::CookieToken(head.Field("Cookie"));
    if (const auto [status, text] = admission(socket, head, offered); status != 0) {
        // Its place is for others: a client without the token has nothing more to ask.
        connection.Respond(status, plainText, text + '\n', {}, true);
        return;
    }
    const bool isGet = head.method == "GET", isPost = head.method == "POST";
    if (head.path == "/" && isGet && tokenInAddress) {
        // The token moves into the cookie and out of the address bar and the history.
        connection.Respond(303, plainText, {},
                           {{"Location", "/"}, {"Set-Cookie", RequestGuard::SetCookieHeader(offered)}});
    } else if (head.path == "/" && isGet) {
        connection.Respond(200, "text/html; charset=utf-8", PageBytes());
    } else if (head.path == "/set" && isPost) {
        if (!RequestGuard::SameOrigin(head.Field("Origin"), head.Field("Host"))) {
            connection.Respond(403, plainText, "Changes come only from the page itself.\n");
            return;
        }
        const QString refusal = ApplyPageChange(host, body);
        if (refusal.isEmpty())
            connection.Respond(200, "application/json", stateMessage());
        else
            connection.Respond(400, "application/json", Message("refused", refusal));
    } else if (head.path == "/" || head.path == "/set") {
        connection.Respond(405, plainText, "Not with this method.\n",
                           {{"Allow", head.path == "/" ? "GET" : "POST"}});
    } else {
        connection.Respond(404, plainText, "Not here.\n");
    }
}

void WebServer::upgrade(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head)
{
    const bool wellFormed = head.method == "GET" && head.FieldHas("Connection", "upgrade") &&
                            head.Field("Sec-WebSocket-Version") == "13" &&
                            head.Field("Sec-WebSocket-Key").size() == 24;
    if (!wellFormed || head.path != "/socket") {
        connection.Respond(400, plainText, "Not a WebSocket this page opens.\n");
        return;
    }
    if (const auto [status, text] = admission(socket, head, RequestGuard::CookieToken(head.Field("Cookie")));
        status != 0) {
        connection.Respond(status, plainText, text + '\n');
        return;
    }
    if (!RequestGuard::SameOrigin(head.Field("Origin"), head.Field("Host"))) {
        connection.Respond(403, plainText, "Changes come only from the page itself.\n");
        return;
    }
    connection.HandOn();
    socket->setParent(this);
    watchWebSocketTraffic(socket);
    webSockets.handleConnection(socket);
}

void WebServer::watchWebSocketTraffic(QTcpSocket* socket)
{
    // Connected before the WebSocket's own reader, so it sees each arrival before it is taken.
    auto window = std::make_shared<std::pair<QElapsedTimer, qint64>>();
    window->first.start();
    connect(socket, &QTcpSocket::readyRead, this, [socket, window] {
        if (window->first.hasExpired(1000)) {
            window->first.restart();
            window->second = 0;
        }
        window->second += socket->bytesAvailable();
        if (window->second > largestWebSocketTrafficPerSecond || socket->bytesToWrite() > largestBacklog)
            socket->abort();
    });
}

void WebServer::adoptWebSockets()
{
    while (webSockets.hasPendingConnections()) {
        QWebSocket* client = webSockets.nextPendingConnection();
        client->setParent(this);
        client->setMaxAllowedIncomingMessageSize(HttpExchange::largestBody);
        client->setMaxAllowedIncomingFrameSize(HttpExchange::largestBody);
        connect(client, &QWebSocket::textMessageReceived, this,
                [this, client](const QString& message) { receive(client, message); });
        connect(client, &QWebSocket::disconnected, this, [this, client] {
            clients.removeOne(client);
            client->deleteLater();
        });
        clients.append(client);
        send(client, stateMessage());
    }
}

void WebServer::SetToken(const QByteArray& newToken)
{
    token = newToken;
    guard.SetToken(token);
    // Copied: each client leaves the list as it closes.
    const QList<QWebSocket*> renewed = clients;
    for (QWebSocket* client : renewed)
        client->close(renewedCloseCode, QStringLiteral("renewed"));
}

QString WebServer::url(const QHostAddress& address) const
{
    return QStringLiteral("http://%1:%2/?token=%3")
        .arg(address.toString())
        .arg(port)
        .arg(QString::fromLatin1(token));
}

QString WebServer::Address() const
{
    const QHostAddress reachable = network ? ReachableAddressesNow().primary : QHostAddress();
    return url(reachable.isNull() ? QHostAddress(QHostAddress::LocalHost) : reachable);
}

QStringList WebServer::OtherAddresses() const
{
    QStringList others;
    if (network) {
        for (const QHostAddress& address : ReachableAddressesNow().others)
            others.append(url(address));
    }
    return others;
}

QrCodeModules WebServer::QrCode(const QString& text) const
{
    QRcode* code = QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return {};
    QrCodeModules modules;
    modules.width = code->width;
    modules.dark.resize(qsizetype(code->width) * code->width);
    for (qsizetype i = 0; i < modules.dark.size(); ++i)
        modules.dark[i] = char(code->data[i] & 1);
    QRcode_free(code);
    return modules;
}

void WebServer::PropertiesChanged()
{
    const QByteArray message = stateMessage();
    if (message == lastSent)
        return;
    lastSent = message;
    const QList<QWebSocket*> current = clients;
    for (QWebSocket* client : current)
        send(client, message);
}

void WebServer::send(QWebSocket* client, const QByteArray& message)
{
    client->sendTextMessage(QString::fromUtf8(message));
    // A page that does not read its messages gets no more of them.
    for (QTcpSocket* socket : connections.Open()) {
        if (socket->peerPort() == client->peerPort() && socket->peerAddress() == client->peerAddress() &&
            socket->bytesToWrite() > largestBacklog) {
            client->abort();
            return;
        }
    }
}

QByteArray WebServer::stateMessage() const
{
    QJsonObject state;
    const QVariantMap properties = host.Properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        state.insert(it.key(), JsonValue(it.value()));
    return Message("state", state);
}

void WebServer::receive(QWebSocket* client, const QString& message)
{
    const QString refusal = ApplyPageChange(host, message.toUtf8());
    if (!refusal.isEmpty())
        send(client, Message("refused", refusal));
}

extern "C" __attribute__((visibility("default"))) WebPage* CreateWebPage(WebPageHost& host)
{
    return new WebServer(host);
}
