#pragma once

#include <QString>

// The program's names on the session bus, shared by the program's bus object and by tessalyctl, which
// includes this header and links nothing of the program.
namespace BusNames {

inline const QString service = QStringLiteral("org.tessaly.Tessaly");
inline const QString objectPath = QStringLiteral("/org/tessaly/Tessaly");
inline const QString interface = QStringLiteral("org.tessaly.Tessaly1");
inline const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

// Errors of our own, besides the bus's InvalidArgs for a refused value.
inline const QString offAirError = QStringLiteral("org.tessaly.Tessaly1.Error.OffAir");
// The transmitter did not take the report that carried the change.
inline const QString writeFailedError = QStringLiteral("org.tessaly.Tessaly1.Error.WriteFailed");
// Show() on a copy that runs without windows.
inline const QString noWindowError = QStringLiteral("org.tessaly.Tessaly1.Error.NoWindow");
inline const QString favouritesFullError = QStringLiteral("org.tessaly.Tessaly1.Error.FavouritesFull");
inline const QString notFavouriteError = QStringLiteral("org.tessaly.Tessaly1.Error.NotFavourite");
// The web page could not be served (its port is in use, say).
inline const QString webUnavailableError = QStringLiteral("org.tessaly.Tessaly1.Error.WebUnavailable");

} // namespace BusNames
