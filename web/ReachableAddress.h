#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

// An IPv4 address of one of this machine's interfaces.
struct InterfaceAddress
{
    QString interface;
    QHostAddress address;
    bool pointToPoint = false; // a tunnel, as VPNs make
};

// Where a phone on the same network reaches this machine: the address of the interface that carries the
// default route, so not a container bridge, and never a tunnel or a link-local address; null without
// one. The others are still listed, as a phone on another of those networks reaches them.
struct ReachableAddresses
{
    QHostAddress primary;
    QList<QHostAddress> others;
};

// routes: the text of /proc/net/route; candidates: the machine's interfaces' IPv4 addresses.
ReachableAddresses ChooseReachableAddresses(const QByteArray& routes,
                                            const QList<InterfaceAddress>& candidates);
// The same for this machine now.
ReachableAddresses ReachableAddressesNow();
