#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>
#include <QVariantMap>

// The program's properties as the bus hands them over (Properties.GetAll), written out for a person or for a
// script. A property the program does not offer is left out.
QString statusText(const QVariantMap& properties);
QByteArray statusJson(const QVariantMap& properties);

// kHz as MHz with two decimals: 88100 -> "88.10".
QString megahertzText(std::uint32_t kilohertz);
