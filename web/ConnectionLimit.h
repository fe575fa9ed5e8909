#pragma once

#include <QTcpServer>

// A listening socket that keeps at most a few connections at once and lets each buffer only a little of
// what it has not handled yet, so no peer can make the program hold much memory.
class ConnectionLimit final : public QTcpServer
{
    Q_OBJECT

public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    int open = 0;
};
