#include "app/DisplayCheck.h"

#include <QFile>
#include <QStringList>
#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

bool X11Usable(const QString& display)
{
    if (display.isEmpty())
        return false;
    xcb_connection_t* connection = xcb_connect(QFile::encodeName(display).constData(), nullptr);
    const bool usable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return usable;
}

bool WaylandUsable()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    wl_display_disconnect(display);
    return true;
}

} // namespace

bool DisplayUsable(const QString& platform, const QString& x11Display)
{
    if (platform.isEmpty())
        return WaylandUsable() || X11Usable(x11Display);
    const QStringList candidates = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& candidate : candidates) {
        const QString name = candidate.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb")                ? X11Usable(x11Display)
            : name.startsWith(QLatin1String("wayland")) ? WaylandUsable()
                                                        : true)
            return true;
    }
    return false;
}
