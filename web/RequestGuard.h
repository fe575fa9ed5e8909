#pragma once

#include <QByteArray>
#include <QElapsedTimer>

// What the page's server checks of a request besides its form: the Host it was sent to (against DNS
// rebinding), the origin of a change (against other sites in the same browser) and the token, with wrong
// tokens slowed down.
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

    // A wrong token: whether it may be answered as such now. Wrong tokens are limited for all clients at
    // once, whatever their address, so spreading guesses over addresses gains nothing, no table of
    // addresses grows, and the owner's right token is never refused.
    bool AdmitFailure();

private:
    QByteArray token;
    bool network = false;
    quint16 port = 0;
    QElapsedTimer clock;
    double failureAllowance;
    qint64 lastFailure = 0;
};
