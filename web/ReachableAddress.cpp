#include "web/ReachableAddress.h"

#include <algorithm>
#include <climits>
#include <QFile>
#include <QNetworkInterface>

namespace {

bool LinkLocal(const QHostAddress& address)
{
    return address.isInSubnet(QHostAddress(QStringLiteral("169.254.0.0")), 16);
}

} // namespace

ReachableAddresses ChooseReachableAddresses(const QByteArray& routes,
                                            const QList<InterfaceAddress>& candidates)
{
    // Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask ...; a default route has destination
    // and mask 0, and the lowest metric among them wins as the kernel's choice does.
    constexpr uint routeUp = 0x1;
    QString defaultInterface;
    uint bestMetric = UINT_MAX;
    for (const QByteArray& line : routes.split('\n').mid(1)) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() < 8 || columns[1] != "00000000" || columns[7] != "00000000")
            continue;
        bool numeric = false;
        const uint flags = columns[3].toUInt(&numeric, 16);
        const uint metric = columns[6].toUInt();
        if (numeric && (flags & routeUp) && metric < bestMetric) {
            const QString name = QString::fromLatin1(columns[0]);
            const bool usable =
                std::any_of(candidates.cbegin(), candidates.cend(), [&](const auto& candidate) {
                    return candidate.interface == name && !candidate.pointToPoint &&
                           !LinkLocal(candidate.address);
                });
            if (usable) {
                defaultInterface = name;
                bestMetric = metric;
            }
        }
    }
    ReachableAddresses found;
    for (const InterfaceAddress& candidate : candidates) {
        if (LinkLocal(candidate.address) || candidate.address.isLoopback())
            continue;
        if (found.primary.isNull() && candidate.interface == defaultInterface && !candidate.pointToPoint)
            found.primary = candidate.address;
        else
            found.others.append(candidate.address);
    }
    return found;
}

ReachableAddresses ReachableAddressesNow()
{
    QList<InterfaceAddress> candidates;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                candidates.append(
                    {interface.name(), entry.ip(), bool(flags & QNetworkInterface::IsPointToPoint)});
        }
    }
    QFile routes(QStringLiteral("/proc/net/route"));
    return ChooseReachableAddresses(routes.open(QIODevice::ReadOnly) ? routes.read(64 * 1024) : QByteArray(),
                                    candidates);
}
