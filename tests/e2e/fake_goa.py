"""GNOME Online Accounts as a desktop runs it, on the session bus of DBUS_SESSION_BUS_ADDRESS, holding one Google
account: its object manager, and the account's Account and OAuth2Based interfaces (its Mail one only in the object
manager's answer). Each GetAccessToken answers the next token of the command line, or NotAuthorized once they are
used up. It prints "ready" once it owns its name, then each call it takes ("EnsureCredentials", ...), one a line."""

import sys

from gi.repository import Gio, GLib
from sni_watcher import serve

ROOT = "/org/gnome/OnlineAccounts"
ACCOUNT = ROOT + "/Accounts/account_1700000000_0"
IDENTITY = "zendra.tester@gmail.com"
NODE = Gio.DBusNodeInfo.new_for_xml("""
<node>
  <interface name="org.freedesktop.DBus.ObjectManager">
    <method name="GetManagedObjects"><arg type="a{oa{sa{sv}}}" direction="out"/></method>
  </interface>
  <interface name="org.gnome.OnlineAccounts.Account">
    <method name="EnsureCredentials"><arg type="i" direction="out"/></method>
  </interface>
  <interface name="org.gnome.OnlineAccounts.OAuth2Based">
    <method name="GetAccessToken"><arg type="s" direction="out"/><arg type="i" direction="out"/></method>
  </interface>
</node>""")
PROPERTIES = {
    "org.gnome.OnlineAccounts.Account": {
        "ProviderType": GLib.Variant("s", "google"), "ProviderName": GLib.Variant("s", "Google"),
        "Id": GLib.Variant("s", "account_1700000000_0"), "Identity": GLib.Variant("s", IDENTITY),
        "PresentationIdentity": GLib.Variant("s", IDENTITY), "MailDisabled": GLib.Variant("b", False)},
    "org.gnome.OnlineAccounts.OAuth2Based": {"ClientId": GLib.Variant("s", "zendra-test")},
    "org.gnome.OnlineAccounts.Mail": {"EmailAddress": GLib.Variant("s", IDENTITY)},
}
tokens = sys.argv[1:]


def method_call(connection, sender, path, interface, method, parameters, invocation):
    print(method, flush=True)
    if method == "GetManagedObjects":
        invocation.return_value(GLib.Variant("(a{oa{sa{sv}}})", ({ACCOUNT: PROPERTIES},)))
    elif method == "EnsureCredentials":
        invocation.return_value(GLib.Variant("(i)", (3600,)))
    elif tokens:
        invocation.return_value(GLib.Variant("(si)", (tokens.pop(0), 3600)))
    else:
        invocation.return_dbus_error("org.gnome.OnlineAccounts.Error.NotAuthorized", "Sign in again")


def register(connection):
    connection.register_object(ROOT, NODE.interfaces[0], method_call, None, None)
    for interface in NODE.interfaces[1:]:
        connection.register_object(ACCOUNT, interface, method_call, None, None)


if __name__ == "__main__":
    sys.exit(serve("org.gnome.OnlineAccounts", register))
