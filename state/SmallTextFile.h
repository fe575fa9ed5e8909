#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// The small option files kept beside Config.ini ("Sound.ini", "StartOnAir.ini", "Favourites.ini"): read and
// written without ever following a link, and without a FIFO stalling the start.
struct SmallTextFile
{
    enum Status
    {
        Read,
        Missing,
        Unreadable, // a link, a directory, a device or a FIFO, or a read that failed
    };
    Status status = Missing;
    QByteArray text;        // at most the limit asked for, trimmed
    bool cut = false;       // the file goes on beyond the limit: text is only its beginning
    mode_t permissions = 0; // its permission bits, when read
};

SmallTextFile ReadSmallTextFile(const QString& path, qsizetype limit);
// Replaces the file atomically with text. False, with one line on stderr, when it could not, or when
// something other than a regular file is in the way (it is left alone).
bool WriteSmallTextFile(const QString& path, const QByteArray& text);
// One line on stderr: "tessaly: PATH: WHAT".
void ComplainAboutFile(const QString& path, const char* what);
