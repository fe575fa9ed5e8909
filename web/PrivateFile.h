#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <sys/types.h>

// Small files of the page beside the settings, read without following a link or stalling on a FIFO.

// The file's bytes (at most 4 KB are looked at), or nothing when it is not a readable regular file;
// missing tells a file that is not there at all. mode, when given, receives its permission bits.
std::optional<QByteArray> ReadPrivateFile(const QString& path, bool* missing, mode_t* mode = nullptr);
// Replaces the file atomically by one created with exactly mode. False when it could not, or when
// something other than a regular file is in the way (left alone).
bool WritePrivateFile(const QString& path, const QByteArray& bytes, mode_t mode);
