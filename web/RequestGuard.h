#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>

// What the page's server checks before it looks at a request: the Host it was sent to (against DNS
// rebinding), the origin of a change (against other sites in the same browser), the token, and how often
// one address asks or fails.
class RequestGuard final
{
public:
    RequestGuard();

    void SetToken(const QByteArray& newToken) { token = newToken; }
    void SetListening(bool network, quint16 port);

    // host: the Host header. Only the machine's own names and addresses it is reached at, with our port.
    bool HostAllowed(const QByteArray& host) const;
    // origin: the Origin header of a change; it must be the page's own, http://<host>.
    static bool SameOrigin(const QByteArray& origin, const QByteArray& host);
    // In constant time, so the answer's timing tells nothing of the token.
    bool TokenMatches(const QByteArray& offered) const;
    // The token from a Cookie header, empty when none.
    static QByteArray CookieToken(const QByteArray& cookieHeader);
    static QByteArray SetCookieHeader(const QByteArray& token);

    // Whether a request from address may be handled now: false while it asks too often or, after
    // repeated failures, until its wait is over.
    bool Admit(const QHostAddress& address);
    void Failed(const QHostAddress& address);
    void Succeeded(const QHostAddress& address);

private:
    struct Peer
    {
        double allowance = 0; // requests it may still make
        qint64 lastRequest = 0;
        int failures = 0;
        qint64 waitUntil = 0;
    };
    Peer& peer(const QHostAddress& address);

    QByteArray token;
    bool network = false;
    quint16 port = 0;
    QElapsedTimer clock;
    QHash<QString, Peer> peers;
};
