#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// Replaces the file atomically by one created with exactly mode, so that a token is never readable by others
// on its way. False when it could not, or when something other than a regular file is in the way (left
// alone). Such files are read as every small file beside the settings is (state/SmallTextFile.h).
bool WritePrivateFile(const QString& path, const QByteArray& bytes, mode_t mode);
