"""A StatusNotifierWatcher with a host, as the panels of KDE, GNOME (AppIndicator), Xfce and Budgie run one, on the
session bus of DBUS_SESSION_BUS_ADDRESS. It prints "ready" once it owns its name, then the bus name of every item
that registers, one a line. Its properties are in its introspection data, where Qt looks for them."""

import sys

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
INTERFACE = Gio.DBusNodeInfo.new_for_xml(f"""
<node>
  <interface name="{WATCHER}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>""").interfaces[0]

items = []


def method_call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        service = parameters.unpack()[0]
        # An item may pass its object path instead of a bus name; it is then found at the sender.
        name = sender if service.startswith("/") else service
        items.append(name)
        print(name, flush=True)
        connection.emit_signal(None, path, WATCHER, "StatusNotifierItemRegistered", GLib.Variant("(s)", (name,)))
    invocation.return_value(None)


def get_property(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


def serve(name, register):
    """Owns the bus name, lets `register` put its objects on the connection, prints "ready" and answers until the
    name is lost."""
    loop = GLib.MainLoop()

    def acquired(connection, _):
        register(connection)
        print("ready", flush=True)

    Gio.bus_own_name(Gio.BusType.SESSION, name, Gio.BusNameOwnerFlags.DO_NOT_QUEUE, None, acquired,
                     lambda *args: loop.quit())
    loop.run()
    return 1


if __name__ == "__main__":
    sys.exit(serve(WATCHER, lambda connection: connection.register_object(
        "/StatusNotifierWatcher", INTERFACE, method_call, get_property, None)))
