#pragma once

#include <QString>

// The page's choices, kept in "Web.ini" beside Config.ini: three lines "WebControl=0|1", "WebNetwork=0|1",
// "WebPort=<port>", keyed by their rows' names and the port within the WebPort row's range. Missing: off,
// this machine only, port 8188.
struct WebOption
{
    bool on = false;
    bool network = false;
    quint16 port = 8188;

    friend bool operator==(const WebOption&, const WebOption&) = default;
};

// The stored choices. A missing file gives the defaults quietly; anything else not of that form (a link,
// a directory, a FIFO, other text, a port out of range) gives the defaults, off, and one line on stderr.
WebOption ReadWebOption(const QString& path);
// Stores the choices; empty when stored, else why not (state/FileWriter.h).
QString WriteWebOption(const QString& path, const WebOption& option);
