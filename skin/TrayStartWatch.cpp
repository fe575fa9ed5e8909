#include "skin/TrayStartWatch.h"

#include <cstdlib>
#include <QCoreApplication>
#include <QGuiApplication>
#include <xcb/xcb.h>

TrayStartWatch::TrayStartWatch(QObject* parent) : QObject(parent)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const char name[] = "MANAGER";
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!reply)
        return;
    managerAtom = reply->atom;
    std::free(reply);
    if (managerAtom != XCB_ATOM_NONE)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

TrayStartWatch::~TrayStartWatch()
{
    if (managerAtom != XCB_ATOM_NONE)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayStartWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks an event that another client sent, as a new manager does.
    if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE &&
        reinterpret_cast<const xcb_client_message_event_t*>(event)->type == managerAtom)
        emit managerStarted();
    return false;
}
