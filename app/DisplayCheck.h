#pragma once

#include <QString>

// Whether the window can be shown: the display the platform would use can be connected to now. Qt ends the
// process when it cannot open its display, so this is asked before any application object exists.
// platform: Qt's platform name (or a ";" list of them, as QT_QPA_PLATFORM allows); empty for Qt's own
// choice. Platforms that need no display server (offscreen, minimal, …) always can.
bool DisplayUsable(const QString& platform, const QString& x11Display);

// Sends the requests still buffered in the connection to the display server at once (a hidden window's unmap,
// a destroyed surface): the user-interface thread may wait next, and the server would otherwise see them only
// when it is free again.
void SendPendingDisplayRequests();
