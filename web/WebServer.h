#pragma once

#include "web/ConnectionTable.h"
#include "web/HttpConnection.h"
#include "web/PageLanguage.h"
#include "web/RequestGuard.h"
#include "web/WebPage.h"

#include <memory>
#include <QHash>
#include <QWebSocketServer>

class QTcpServer;
class QTcpSocket;
class QWebSocket;

// The page's server: GET / with the token gives the page, POST /set and the WebSocket /socket carry its
// changes to the host and the host's state to it. It owns every connection from its first byte, each
// holding a place in its ConnectionTable, and hands a checked WebSocket upgrade on to Qt's WebSocket
// server. A connection that has not shown the token is closed after an error answer. Each page, and each
// answer, is in the language its browser asks for (PageLanguages); nothing else is read from disk.
class WebServer final : public QObject, public WebPage
{
    Q_OBJECT

public:
    explicit WebServer(WebPageHost& host);
    ~WebServer() override;

    QString Listen(bool network, quint16 port) override;
    void SetToken(const QByteArray& token) override;
    void PropertiesChanged() override;
    QString Address() const override;
    QStringList OtherAddresses() const override;
    QrCodeModules QrCode(const QString& text) const override;

private:
    void accept();
    void answer(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head, const QByteArray& body);
    void upgrade(HttpConnection& connection, QTcpSocket* socket, const HttpHead& head);
    // Host and token, as every request must pass them: the refusal and its words, or 0 and nothing when it
    // passes, and the connection then keeps its place.
    std::pair<int, const char*> admission(QTcpSocket* socket, const HttpHead& head,
                                          const QByteArray& offeredToken);
    void watchWebSocketTraffic(QTcpSocket* socket);
    void adoptWebSockets();
    void receive(QWebSocket* client, const QString& message);
    void send(QWebSocket* client, const QByteArray& message);
    QString url(const QHostAddress& address) const;

    WebPageHost& host;
    RequestGuard guard;
    QByteArray token;
    bool network = false;
    quint16 port = 0;
    std::unique_ptr<QTcpServer> listener;
    QWebSocketServer webSockets;
    ConnectionTable connections;
    PageLanguages languages;
    // An open page: its language, and the last state it was sent.
    struct Client
    {
        const PageLanguage* language = nullptr;
        QByteArray lastSent;
    };
    QHash<QWebSocket*, Client> clients;
};
