#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>
#include <QVariantMap>

// The program's properties as the bus hands them over (Properties.GetAll), written out for a person, in
// their language, or for a script, in the bus's own terms whatever the language. A property the program
// does not offer is left out.
QString statusText(const QVariantMap& properties);
QByteArray statusJson(const QVariantMap& properties);

// kHz as MHz with two decimals: 88100 -> "88.10".
QString megahertzText(std::uint32_t kilohertz);

// How many columns text takes on a terminal: two for each wide (CJK) character, one for the others.
int ColumnsOf(const QString& text);
// text and spaces up to columns.
QString PaddedTo(const QString& text, int columns);
