#pragma once

#include <QString>

// "Start at login": an XDG autostart entry named after the program's desktop entry, in the user's
// autostart directory ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart). The session starts the program
// from it with --background: into the tray, or minimized where there is none. Its being there is the choice.
QString AutostartEntryPath();
bool AutostartEntryExists(const QString& path);
// The entry's text, starting the program at programPath, quoted as the desktop entry rules ask.
QByteArray AutostartEntryText(const QString& programPath);
// Empty when the entry is there, or gone, as asked; else why not, and it is as it was.
QString WriteAutostartEntry(const QString& path, const QString& programPath);
QString RemoveAutostartEntry(const QString& path);
