#pragma once

#include "web/RequestGuard.h"
#include "web/WebPage.h"

#include <memory>
#include <QAbstractHttpServer>
#include <QJsonObject>
#include <vector>

class QWebSocket;

// The page's server: GET / with the token gives the page, POST /set and the WebSocket /socket carry its
// changes to the host and the host's state to it. Every request passes the guard first; nothing is read
// from disk.
class WebServer final : public QAbstractHttpServer, public WebPage
{
    Q_OBJECT

public:
    explicit WebServer(WebPageHost& host);
    ~WebServer() override;

    QString Listen(bool network, quint16 port) override;
    void SetToken(const QByteArray& token) override;
    void PropertiesChanged() override;
    QString Address() const override;
    QrCodeModules QrCode(const QString& text) const override;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    void acceptWebSocket();
    void receive(QWebSocket* client, const QString& message);
    // A change as the page sends it: {"set": name, "value": v} or {"step": "up"|"down"}. Empty when done.
    QString apply(const QJsonObject& change);
    QByteArray stateMessage() const;

    WebPageHost& host;
    RequestGuard guard;
    QByteArray token;
    bool network = false;
    quint16 port = 0;
    std::vector<std::unique_ptr<QWebSocket>> clients;
    QByteArray lastSent;
};
