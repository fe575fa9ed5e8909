#include "app/DisplayCheck.h"

#include <dlfcn.h>
#include <QAbstractEventDispatcher>
#include <QFile>
#include <QGuiApplication>
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

// The client library is loaded only where a Wayland display is named: an X11 session never maps it.
bool WaylandUsable()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    void* library = ::dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    auto* connectDisplay =
        reinterpret_cast<decltype(wl_display_connect)*>(::dlsym(library, "wl_display_connect"));
    auto* disconnectDisplay =
        reinterpret_cast<decltype(wl_display_disconnect)*>(::dlsym(library, "wl_display_disconnect"));
    wl_display* display = connectDisplay && disconnectDisplay ? connectDisplay(nullptr) : nullptr;
    if (display)
        disconnectDisplay(display);
    // Left loaded: Qt's Wayland platform, about to start, uses the same library.
    return display != nullptr;
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

void SendPendingDisplayRequests()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers too, without a connection.
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
        xcb_flush(connection);
        return;
    }
    // What the event loop announces before it waits: the Wayland platform sends its buffered requests then
    // (a destroyed surface among them). Qt offers its connection no other way on every version we build on.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        emit dispatcher->aboutToBlock();
}
