#include "web/WebServer.h"

#include "state/Translations.h"
#include "web/PageChange.h"
#include "web/ReachableAddress.h"

#include <QElapsedTimer>
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

// An answer's words, in the language its request asked for.
QByteArray Said(const PageLanguage& language, const char* source)
{
    return language.Translated("WebServer", source).toUtf8() + '\n';
}

} // namespace

WebServer::WebServer(WebPageHost& host)
    : host(host), webSockets(QStringLiteral("Tessaly"), QWebSocketServer::NonSecureMode),
      languages(Translations::Directory())
{
    connect(&webSockets, &QWebSocketServer::newConnection, this, &WebServer::adoptWebSockets);
}

WebServer::~WebServer()
{
    // Closing, a client would tell this half-destroyed server that it went.
    for (QWebSocket* client : clients.keys())
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
        QString problem = server->serverError() == QAbstractSocket::AddressInUseError
                              ? tr("port %1 is in use by another program; choose another port").arg(newPort)
                              //: A port, then why the page cannot be served on it, as the system says it
                              : tr("port %1: %2").arg(newPort).arg(server->errorString());
        if (samePort && !listener->listen(where(network), port))
            return tr("%1; the page could not be served again as it was").arg(problem);
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

std::pair<int, const char*> WebServer::admission(QTcpSocket* socket, const HttpHead& head,
                                                 const QByteArray& offeredToken)
{
    if (!guard.HostAllowed(head.Field("Host")))
        return {403, QT_TR_NOOP("This page is reached by the machine's own name or address.")};
    if (guard.TokenMatches(offeredToken)) {
        connections.Credit(socket);
        return {0, nullptr};
    }
    if (!guard.AdmitFailure())
        return {429, QT_TR_NOOP("Too many wrong tokens: wait a little.")};
    return {401, QT_TR_NOOP("Open the address with its token, as the program shows it (or its QR code).")};
}

void WebServer::answer(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head,
                       const QByteArray& body)
{
    const PageLanguage& language = languages.For(head.Field("Accept-Language"));
    const QUrlQuery query(QString::fromLatin1(head.query));
    const bool tokenInAddress = query.hasQueryItem(QStringLiteral("token"));
    const QByteArray offered = tokenInAddress ? query.queryItemValue(QStringLiteral("token")).toLatin1()
                                              : RequestGuard::CookieToken(head.Field("Cookie"));
    if (const auto [status, text] = admission(socket, head, offered); status != 0) {
        // Its place is for others: a client without the token has nothing more to ask.
        connection.Respond(status, plainText, Said(language, text), {}, true);
        return;
    }
    const bool isGet = head.method == "GET", isPost = head.method == "POST";
    if (head.path == "/" && isGet && tokenInAddress) {
        // The token moves into the cookie and out of the address bar and the history.
        connection.Respond(303, plainText, {},
                           {{"Location", "/"}, {"Set-Cookie", RequestGuard::SetCookieHeader(offered)}});
    } else if (head.path == "/" && isGet) {
        connection.Respond(200, "text/html; charset=utf-8", language.page);
    } else if (head.path == "/set" && isPost) {
        if (!RequestGuard::SameOrigin(head.Field("Origin"), head.Field("Host"))) {
            connection.Respond(403, plainText,
                               Said(language, QT_TR_NOOP("Changes come only from the page itself.")));
            return;
        }
        const QString refusal = ApplyPageChange(host, body, language);
        if (refusal.isEmpty())
            connection.Respond(200, "application/json", StateMessage(host, language));
        else
            connection.Respond(400, "application/json", RefusalMessage(refusal));
    } else if (head.path == "/" || head.path == "/set") {
        connection.Respond(405, plainText, Said(language, QT_TR_NOOP("Not with this method.")),
                           {{"Allow", head.path == "/" ? "GET" : "POST"}});
    } else {
        connection.Respond(404, plainText, Said(language, QT_TR_NOOP("Not here.")));
    }
}

void WebServer::upgrade(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head)
{
    const PageLanguage& language = languages.For(head.Field("Accept-Language"));
    const bool wellFormed = head.method == "GET" && head.FieldHas("Connection", "upgrade") &&
                            head.Field("Sec-WebSocket-Version") == "13" &&
                            head.Field("Sec-WebSocket-Key").size() == 24;
    if (!wellFormed || head.path != "/socket") {
        connection.Respond(400, plainText, Said(language, QT_TR_NOOP("Not a WebSocket this page opens.")));
        return;
    }
    if (const auto [status, text] = admission(socket, head, RequestGuard::CookieToken(head.Field("Cookie")));
        status != 0) {
        connection.Respond(status, plainText, Said(language, text));
        return;
    }
    if (!RequestGuard::SameOrigin(head.Field("Origin"), head.Field("Host"))) {
        connection.Respond(403, plainText,
                           Said(language, QT_TR_NOOP("Changes come only from the page itself.")));
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
        // The page says the language it was made in; a client that does not is answered by its own.
        const QString named = QUrlQuery(client->request().url()).queryItemValue(QStringLiteral("language"));
        const PageLanguage& language = languages.For(
            named.isEmpty() ? client->request().rawHeader("Accept-Language") : named.toLatin1());
        client->setMaxAllowedIncomingMessageSize(HttpExchange::largestBody);
        client->setMaxAllowedIncomingFrameSize(HttpExchange::largestBody);
        connect(client, &QWebSocket::textMessageReceived, this,
                [this, client](const QString& message) { receive(client, message); });
        connect(client, &QWebSocket::disconnected, this, [this, client] {
            clients.remove(client);
            client->deleteLater();
        });
        const QByteArray state = StateMessage(host, language);
        clients.insert(client, {&language, state});
        send(client, state);
    }
}

void WebServer::SetToken(const QByteArray& newToken)
{
    token = newToken;
    guard.SetToken(token);
    // Copied: each client leaves the list as it closes.
    const QList<QWebSocket*> renewed = clients.keys();
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
    // One message for each language open pages are in; a page gets it when it differs from its last.
    std::map<const PageLanguage*, QByteArray> messages;
    // Copied: a client that is let go leaves the table.
    for (QWebSocket* client : clients.keys()) {
        const auto open = clients.find(client);
        if (open == clients.end())
            continue;
        QByteArray& message = messages[open->language];
        if (message.isEmpty())
            message = StateMessage(host, *open->language);
        if (message == open->lastSent)
            continue;
        open->lastSent = message;
        send(client, message);
    }
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

void WebServer::receive(QWebSocket* client, const QString& message)
{
    const auto open = clients.constFind(client);
    if (open == clients.cend())
        return;
    const QString refusal = ApplyPageChange(host, message.toUtf8(), *open->language);
    if (!refusal.isEmpty())
        send(client, RefusalMessage(refusal));
}

extern "C" __attribute__((visibility("default"))) WebPage* CreateWebPage(WebPageHost& host)
{
    return new WebServer(host);
}
