#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// The one way the program writes a file. The bytes go to a new file beside the target (NAME.tmp-XXXXXX)
// whose every write, fsync and close is checked; only after all of them is it renamed over the target, and
// the directory synced so that the rename itself survives a power cut. On any failure the target keeps its
// old bytes, the new file is removed, and the answer says why, naming the file. Anything but a regular file
// in the target's place (a link, a FIFO, a directory), and a file made read-only, is left alone and refused.
struct FileWrite
{
    enum class Mode
    {
        KeepExisting, // an existing file keeps its owner and mode; a new one gets mode less the umask
        Exactly, // the file has exactly mode, from its first byte on: a secret is never readable by others
    };
    Mode kind = Mode::KeepExisting;
    mode_t mode = 0666;
};

// Empty when the file now holds bytes; else why not, as one line for a person: "PATH: REASON".
QString ReplaceFile(const QString& path, const QByteArray& bytes, FileWrite how = {});
