#include "web/RequestGuard.h"

#include <algorithm>
#include <QHostInfo>
#include <QNetworkInterface>

namespace {

const QByteArray cookieName = "tessaly_token";
// A page makes a handful of requests at once and a message per tap; a burst of this many is allowed,
// refilled at this many a second.
constexpr double burst = 60;
constexpr double refillPerSecond = 20;
// Failures before an address must wait, and how long it waits then (doubling with each further one).
constexpr int failuresAllowed = 5;
constexpr qint64 firstWaitMs = 5000;
constexpr qint64 longestWaitMs = 300000;
// Addresses remembered at most; a flood of new ones forgets the quiet ones first.
constexpr int peersKept = 1024;

} // namespace

RequestGuard::RequestGuard()
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

RequestGuard::Peer& RequestGuard::peer(const QHostAddress& address)
{
    const QString key = address.toString();
    if (!peers.contains(key) && peers.size() >= peersKept) {
        const qint64 now = clock.elapsed();
        for (auto it = peers.begin(); it != peers.end();)
            it = it->waitUntil < now && now - it->lastRequest > 60000 ? peers.erase(it) : std::next(it);
    }
    auto it = peers.find(key);
    if (it == peers.end())
        it = peers.insert(key, Peer{burst, clock.elapsed(), 0, 0});
    return *it;
}

bool RequestGuard::Admit(const QHostAddress& address)
{
    Peer& asking = peer(address);
    const qint64 now = clock.elapsed();
    asking.allowance =
        std::min(burst, asking.allowance + double(now - asking.lastRequest) * refillPerSecond / 1000);
    asking.lastRequest = now;
    if (now < asking.waitUntil || asking.allowance < 1)
        return false;
    asking.allowance -= 1;
    return true;
}

void RequestGuard::Failed(const QHostAddress& address)
{
    Peer& failing = peer(address);
    if (++failing.failures < failuresAllowed)
        return;
    const int doublings = std::min(failing.failures - failuresAllowed, 6);
    failing.waitUntil = clock.elapsed() + std::min(firstWaitMs << doublings, longestWaitMs);
}

void RequestGuard::Succeeded(const QHostAddress& address)
{
    peer(address).failures = 0;
}
