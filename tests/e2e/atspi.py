"""Reads a program's accessible objects the way a screen reader does, over AT-SPI.

The reading runs in a child Python, because the AT-SPI library binds itself to the session bus it first meets:
each call can thus use the private bus of its own case. The program must run with accessibility on
(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 for Qt) on the same session bus, whose org.a11y.Bus starts the
accessibility bus on demand (Debian: at-spi2-core).

    for item in atspi.accessibles(session.env, proc.pid):
        print(item.role, item.name)          # "push button", "Volume up"
"""

import json
import subprocess
import sys
from collections import namedtuple

Accessible = namedtuple("Accessible", "role name description showing depth")


def accessibles(env, pid, timeout=20):
    """Every accessible object of the application with that process id, depth first from its windows: role as
    AT-SPI names it, name, description, whether it shows, and its depth below the application (1 for a
    window). Empty when the application is not (yet) on the accessibility bus."""
    done = subprocess.run([sys.executable, __file__, str(pid)], env=env, capture_output=True, text=True,
                          timeout=timeout)
    if done.returncode != 0:
        raise AssertionError(f"reading the accessibility tree failed: {done.stderr}")
    return [Accessible(*row) for row in json.loads(done.stdout or "[]")]


def _walk(node, depth, rows):
    import pyatspi
    for child in node:
        if child is None:
            continue
        state = child.getState()
        showing = state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)
        rows.append((child.getRoleName(), child.name or "", child.description or "", showing, depth))
        _walk(child, depth + 1, rows)


def _main(pid):
    import pyatspi
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.get_process_id() == pid]
    rows = []
    for app in apps:
        _walk(app, 1, rows)
    json.dump(rows, sys.stdout)


if __name__ == "__main__":
    _main(int(sys.argv[1]))
