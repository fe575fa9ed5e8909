#!/usr/bin/env python3
"""A status notifier host on the session bus, as a desktop's panel is: the program then puts its tray icon
here rather than into an X tray. Prints each tray item's tip whenever the item registers or changes it,
one line each, until ended.
Usage: tray_tip.py   (run on the bus the program uses; prints "ready" once the host is there)"""
import sys

from gi.repository import Gio, GLib

WATCHER = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface></node>"""

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
items = []


def say(line):
    print(line, flush=True)


def tell_tip(owner, path):
    def got(connection, result):
        try:
            tip = connection.call_finish(result).unpack()[0]
        except GLib.Error as error:
            say(f"no tip: {error.message}")
            return
        # (icon name, icon pictures, title, text)
        say("tip: " + " ".join(part for part in (tip[2], tip[3]) if part))
    bus.call(owner, path, "org.freedesktop.DBus.Properties", "Get",
             GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "ToolTip")), GLib.VariantType("(v)"),
             Gio.DBusCallFlags.NONE, -1, None, got)


def on_call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        service = parameters.unpack()[0]
        owner, item_path = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
        items.append(f"{owner}{item_path}")
        bus.signal_subscribe(owner, "org.kde.StatusNotifierItem", "NewToolTip", item_path, None,
                             Gio.DBusSignalFlags.NONE, lambda *_: tell_tip(owner, item_path))
        tell_tip(owner, item_path)
    invocation.return_value(None)


def on_property(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


bus.register_object("/StatusNotifierWatcher", Gio.DBusNodeInfo.new_for_xml(WATCHER).interfaces[0], on_call,
                    on_property, None)
Gio.bus_own_name_on_connection(bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE,
                               lambda *_: say("ready"), lambda *_: sys.exit("the host's name is taken"))
GLib.MainLoop().run()
