#include "web/RequestGuard.h"

#include <algorithm>
#include <QHostInfo>
#include <QNetworkInterface>

namespace {

const QByteArray cookieName = "tessaly_token";
// Wrong tokens answered a second, in all: a person mistyping never meets the limit, and guessing 128 bits
// at this rate is hopeless.
constexpr double failuresPerSecond = 10;

} // namespace

RequestGuard::RequestGuard() : failureAllowance(failuresPerSecond)
{
    clock.start();
}

void RequestGuard::SetListening(bool networkAllowed, quint16 listeningPort)
{
    network = networkAllowed;
    port = listeningPort;
}

bool RequestGuard::HostAllowed(const QByteArray& host) const
{
    const qsizetype colon = host.lastIndexOf(':');
    if (colon < 0 || host.mid(colon + 1) != QByteArray::number(port))
        return false;
    const QString name = QString::fromLatin1(host.left(colon)).toLower();
    if (name == QLatin1String("127.0.0.1") || name == QLatin1String("localhost"))
        return true;
    if (!network)
        return false;
    const QString machine = QHostInfo::localHostName().toLower();
    if (!machine.isEmpty() && (name == machine || name == machine + QLatin1String(".local")))
        return true;
    const QHostAddress address(name);
    if (address.isNull() || address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    const QList<QHostAddress> own = QNetworkInterface::allAddresses();
    return std::find(own.cbegin(), own.cend(), address) != own.cend();
}

bool RequestGuard::SameOrigin(const QByteArray& origin, const QByteArray& host)
{
    return !host.isEmpty() && origin.compare("http://" + host, Qt::CaseInsensitive) == 0;
}

bool RequestGuard::TokenMatches(const QByteArray& offered) const
{
    if (token.isEmpty() || offered.size() != token.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < token.size(); ++i)
        difference |= static_cast<unsigned char>(offered[i] ^ token[i]);
    return difference == 0;
}

QByteArray RequestGuard::CookieToken(const QByteArray& cookieHeader)
{
    for (const QByteArray& pair : cookieHeader.split(';')) {
        const QByteArray trimmed = pair.trimmed();
        if (trimmed.startsWith(cookieName + '='))
            return trimmed.mid(cookieName.size() + 1);
    }
    return {};
}

QByteArray RequestGuard::SetCookieHeader(const QByteArray& token)
{
    // HttpOnly: the page's script never sees it; Strict: no other site's request carries it.
    return cookieName + '=' + token + "; Path=/; HttpOnly; SameSite=Strict; Max-Age=31536000";
}

bool RequestGuard::AdmitFailure()
{
    const qint64 now = clock.elapsed();
    failureAllowance =
        std::min(failuresPerSecond, failureAllowance + double(now - lastFailure) * failuresPerSecond / 1000);
    lastFailure = now;
    if (failureAllowance < 1)
        return false;
    failureAllowance -= 1;
    return true;
}
