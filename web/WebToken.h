#pragma once

#include <QByteArray>
#include <QString>

// The page's token: 128 random bits as 32 lowercase hex digits, kept in "WebToken" beside the settings with
// mode 0600.

// The stored token. A missing, damaged or odd file (not 32 hex digits, readable by others, a link) gets a
// new token, stored; stderr says why when a file was there. Empty only when none could be stored.
QByteArray LoadWebToken(const QString& path);
// A new token, stored. Empty when it could not be: failure then says why, or stderr when it is null.
QByteArray RenewWebToken(const QString& path, QString* failure = nullptr);
