#include "bench/BusFloor.h"
#include "bench/FloorDialog.h"

#include <cstdio>
#include <pulse/context.h>
#include <pulse/glib-mainloop.h>
#include <pulse/introspect.h>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>

namespace {

void OnServerInfo(pa_context*, const pa_server_info*, void*) {}

// Asks the server for its information once, as soon as the connection is up.
void OnContextState(pa_context* context, void*)
{
    if (pa_context_get_state(context) == PA_CONTEXT_READY)
        pa_operation_unref(pa_context_get_server_info(context, OnServerInfo, nullptr));
}

} // namespace

// The plain floor, plus what any desktop program that is scripted and plays sound holds: one bus name with
// one property, and a sound server connection on Qt's own main loop.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FloorDialog dialog;
    BusFloor floor;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/tessaly/Tessaly"), &floor,
                            QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.tessaly.Tessaly")))
        std::fprintf(stderr, "tessaly_desktopfloor: %s\n", qPrintable(bus.lastError().message()));
    pa_glib_mainloop* mainloop = pa_glib_mainloop_new(nullptr);
    pa_context* context = pa_context_new(pa_glib_mainloop_get_api(mainloop), "tessaly_desktopfloor");
    pa_context_set_state_callback(context, OnContextState, nullptr);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        std::fputs("tessaly_desktopfloor: no sound server\n", stderr);
    const int status = dialog.exec();
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_glib_mainloop_free(mainloop);
    return status;
}
