#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// The small option files kept beside Config.ini ("Sound.ini", "StartOnAir.ini", "Favourites.ini", the web
// page's): read without ever following a link, and without a FIFO stalling the start. They are written
// through ReplaceFile (state/FileWriter.h).
struct SmallTextFile
{
    enum Status
    {
        Read,
        Missing,
        Unreadable, // a link, a directory, a device or a FIFO, or a read that failed
    };
    Status status = Missing;
    QByteArray bytes;       // at most the limit asked for, as they stand
    bool cut = false;       // the file goes on beyond the limit: bytes are only its beginning
    mode_t permissions = 0; // its permission bits, when read

    QByteArray Text() const { return bytes.trimmed(); }
};

SmallTextFile ReadSmallTextFile(const QString& path, qsizetype limit);
// One line on stderr: "tessaly: PATH: WHAT", WHAT translated in the context "SmallTextFile": mark it with
// QT_TRANSLATE_NOOP("SmallTextFile", …) where it is written.
void ComplainAboutFile(const QString& path, const char* what);
