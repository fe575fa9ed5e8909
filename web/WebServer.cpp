#include "web/WebServer.h"

#include "web/ConnectionLimit.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QNetworkRequest>
#include <qrencode.h>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>

namespace {

using Status = QHttpServerResponder::StatusCode;

// The most a request body or a message from the page may hold.
constexpr qsizetype largestChange = 4096;

// What the page may change; the rest of the host's properties it only shows.
const QStringList writable = {QStringLiteral("OnAir"),     QStringLiteral("Muted"),
                              QStringLiteral("Frequency"), QStringLiteral("PaLevel"),
                              QStringLiteral("TxGain"),    QStringLiteral("Stereo")};

using Headers = QList<std::pair<QByteArray, QByteArray>>;

// Every answer carries these; extra adds a cookie or a new location.
void Respond(QHttpServerResponder& responder, Status status, const QByteArray& type, const QByteArray& body,
             const Headers& extra = {})
{
    responder.writeStatusLine(status);
    responder.writeHeader("Content-Type", type);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeHeader("Cache-Control", "no-store");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    // The address with its token must not leave in a Referer.
    responder.writeHeader("Referrer-Policy", "no-referrer");
    responder.writeHeader("Content-Security-Policy",
                          "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; "
                          "connect-src 'self'; frame-ancestors 'none'");
    for (const auto& [name, value] : extra)
        responder.writeHeader(name, value);
    responder.writeBody(body);
}

void RespondText(QHttpServerResponder& responder, Status status, const QByteArray& text)
{
    Respond(responder, status, "text/plain; charset=utf-8", text + '\n');
}

QByteArray PageBytes()
{
    QFile page(QStringLiteral(":/web/page.html"));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

// A JSON value as the host's property of that type takes it, or an invalid QVariant.
QVariant PropertyValue(const QVariant& current, const QJsonValue& value)
{
    if (current.metaType().id() == QMetaType::Bool && value.isBool())
        return value.toBool();
    if (current.metaType().id() == QMetaType::UInt && value.isDouble()) {
        const double number = value.toDouble();
        if (number >= 0 && number <= 4294967295.0 && number == double(quint64(number)))
            return uint(number);
    }
    return {};
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

WebServer::WebServer(WebPageHost& host) : host(host)
{
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &WebServer::acceptWebSocket);
}

WebServer::~WebServer()
{
    // Closing, a client would tell this half-destroyed server that it went.
    for (const auto& client : clients)
        client->disconnect(this);
}

QString WebServer::Listen(bool networkAllowed, quint16 newPort)
{
    // Parented only once bound: until then it is no server of ours.
    auto server = std::make_unique<ConnectionLimit>();
    if (!server->listen(networkAllowed ? QHostAddress::AnyIPv4 : QHostAddress::LocalHost, newPort)) {
        const QString problem =
            server->serverError() == QAbstractSocket::AddressInUseError
                ? QStringLiteral("port %1 is in use by another program; choose another port").arg(newPort)
                : QStringLiteral("port %1: %2").arg(newPort).arg(server->errorString());
        return problem;
    }
    for (QTcpServer* old : servers())
        delete old;
    bind(server.release());
    network = networkAllowed;
    port = newPort;
    guard.SetListening(network, port);
    return {};
}

void WebServer::SetToken(const QByteArray& newToken)
{
    token = newToken;
    guard.SetToken(token);
    // Pages opened with the old token lose their connection and, reloading, are refused.
    for (const auto& client : clients)
        client->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("the token was renewed"));
}

QString WebServer::Address() const
{
    QString where = QStringLiteral("127.0.0.1");
    if (network) {
        for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
                where = address.toString();
                break;
            }
        }
    }
    return QStringLiteral("http://%1:%2/?token=%3").arg(where).arg(port).arg(QString::fromLatin1(token));
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
    for (const auto& client : clients)
        client->sendTextMessage(QString::fromUtf8(message));
}

QByteArray WebServer::stateMessage() const
{
    QJsonObject state;
    const QVariantMap properties = host.Properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        state.insert(it.key(), JsonValue(it.value()));
    return Message("state", state);
}

bool WebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Qt's server hands a WebSocket upgrade on to acceptWebSocket(), which checks it; no answer here.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
        return true;
    QHttpServerResponder responder = makeResponder(request, socket);
    const QHostAddress from = request.remoteAddress();
    if (!guard.Admit(from)) {
        RespondText(responder, Status::TooManyRequests, "Too many requests: wait a little.");
        return true;
    }
    const QByteArray hostHeader = request.value("Host");
    if (!guard.HostAllowed(hostHeader)) {
        RespondText(responder, Status::Forbidden,
                    "This page is reached by the machine's own name or address.");
        return true;
    }
    if (request.body().size() > largestChange) {
        RespondText(responder, Status::PayloadTooLarge, "Too large.");
        return true;
    }
    const QString path = request.url().path();
    const QByteArray offered = request.query().hasQueryItem(QStringLiteral("token"))
                                   ? request.query().queryItemValue(QStringLiteral("token")).toLatin1()
                                   : RequestGuard::CookieToken(request.value("Cookie"));
    if (!guard.TokenMatches(offered)) {
        guard.Failed(from);
        RespondText(responder, Status::Unauthorized,
                    "Open the address with its token, as the program shows it (or its QR code).");
        return true;
    }
    guard.Succeeded(from);
    const bool isGet = request.method() == QHttpServerRequest::Method::Get;
    const bool isPost = request.method() == QHttpServerRequest::Method::Post;
    if (path == QLatin1String("/") && isGet && request.query().hasQueryItem(QStringLiteral("token"))) {
        // The token moves into the cookie and out of the address bar and the history.
        Respond(responder, Status::SeeOther, "text/plain; charset=utf-8", {},
                {{"Location", "/"}, {"Set-Cookie", RequestGuard::SetCookieHeader(offered)}});
        return true;
    }
    if (path == QLatin1String("/") && isGet) {
        Respond(responder, Status::Ok, "text/html; charset=utf-8", PageBytes());
        return true;
    }
    if (path == QLatin1String("/set") && isPost) {
        if (!RequestGuard::SameOrigin(request.value("Origin"), hostHeader)) {
            RespondText(responder, Status::Forbidden, "Changes come only from the page itself.");
            return true;
        }
        const QString refusal = apply(QJsonDocument::fromJson(request.body()).object());
        if (refusal.isEmpty())
            Respond(responder, Status::Ok, "application/json", stateMessage());
        else
            Respond(responder, Status::BadRequest, "application/json", Message("refused", refusal));
        return true;
    }
    if (path == QLatin1String("/") || path == QLatin1String("/set"))
        RespondText(responder, Status::MethodNotAllowed, "Not with this method.");
    else
        RespondText(responder, Status::NotFound, "Not here.");
    return true;
}

void WebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    RespondText(responder, Status::NotFound, "Not here.");
}

void WebServer::acceptWebSocket()
{
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> client = nextPendingWebSocketConnection();
        const QNetworkRequest handshake = client->request();
        const QByteArray hostHeader = handshake.rawHeader("Host");
        const QHostAddress from = client->peerAddress();
        const bool admitted = guard.Admit(from);
        const bool tokenMatches =
            admitted && guard.TokenMatches(RequestGuard::CookieToken(handshake.rawHeader("Cookie")));
        if (admitted && !tokenMatches)
            guard.Failed(from);
        if (!admitted || !tokenMatches || !guard.HostAllowed(hostHeader) ||
            handshake.url().path() != QLatin1String("/socket") ||
            !RequestGuard::SameOrigin(client->origin().toLatin1(), hostHeader)) {
            client->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("refused"));
            client.release()->deleteLater();
            continue;
        }
        client->setMaxAllowedIncomingMessageSize(largestChange);
        client->setMaxAllowedIncomingFrameSize(largestChange);
        QWebSocket* added = client.get();
        connect(added, &QWebSocket::textMessageReceived, this,
                [this, added](const QString& message) { receive(added, message); });
        connect(added, &QWebSocket::disconnected, this, [this, added] {
            const auto it = std::find_if(clients.begin(), clients.end(),
                                         [added](const auto& client) { return client.get() == added; });
            if (it == clients.end())
                return;
            it->release()->deleteLater();
            clients.erase(it);
        });
        added->sendTextMessage(QString::fromUtf8(stateMessage()));
        clients.push_back(std::move(client));
    }
}

void WebServer::receive(QWebSocket* client, const QString& message)
{
    if (!guard.Admit(client->peerAddress())) {
        client->sendTextMessage(QString::fromUtf8(Message("refused", QStringLiteral("too many changes"))));
        return;
    }
    const QString refusal = apply(QJsonDocument::fromJson(message.toUtf8()).object());
    if (!refusal.isEmpty())
        client->sendTextMessage(QString::fromUtf8(Message("refused", refusal)));
}

QString WebServer::apply(const QJsonObject& change)
{
    if (change.contains(QLatin1String("step"))) {
        const QString direction = change.value(QLatin1String("step")).toString();
        if (direction != QLatin1String("up") && direction != QLatin1String("down"))
            return QStringLiteral("step is up or down");
        return host.Step(direction == QLatin1String("up"))
                   ? QString()
                   : QStringLiteral("off air: the frequency steps only on air");
    }
    const QString name = change.value(QLatin1String("set")).toString();
    if (!writable.contains(name))
        return QStringLiteral("the page changes only %1").arg(writable.join(QStringLiteral(", ")));
    const QVariant value = PropertyValue(host.Properties().value(name), change.value(QLatin1String("value")));
    if (!value.isValid())
        return QStringLiteral("%1 does not take this value").arg(name);
    return host.WriteProperty(name, value);
}

extern "C" __attribute__((visibility("default"))) WebPage* CreateWebPage(WebPageHost& host)
{
    return new WebServer(host);
}
