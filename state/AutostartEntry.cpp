#include "state/AutostartEntry.h"

#include "state/FileWriter.h"
#include "state/UserDirectories.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

QString AutostartEntryPath()
{
    return XdgBaseDirectory("XDG_CONFIG_HOME", ".config") +
           QStringLiteral("/autostart/org.tessaly.Tessaly.desktop");
}

bool AutostartEntryExists(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

QByteArray AutostartEntryText(const QString& programPath)
{
    // Exec's argument rules first (quoted, with ", `, $ and \ escaped, % doubled), then the string rules of
    // the file itself, which escape each backslash once more.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tessaly\n"
           "Comment=Starts Tessaly in the tray at login\n"
           "Exec=\"" +
           quoted.toUtf8() +
           "\" --background\n"
           "Icon=tessaly\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

QString WriteAutostartEntry(const QString& path, const QString& programPath)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ReplaceFile(path, AutostartEntryText(programPath));
}

QString RemoveAutostartEntry(const QString& path)
{
    if (::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT)
        return {};
    return path + QStringLiteral(": ") + qt_error_string(errno);
}
