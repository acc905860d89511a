#!/usr/bin/env python3
"""Takes the help page's pictures of the board and its windows: the staged program under Xvfb, each window
opened from the board menu as a person would, cropped from the screen. Usage:
    scripts/help-screenshots.py build/zendra98 [scale]
writes data/help/screens/<window>.png (at scale 1) or <window>@<scale>x.png."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from test_board import board_menu  # noqa: E402
from xsession import StagedProgram, XSession  # noqa: E402

# Window title, then the board menu keys that open it.
WINDOWS = {
    "note-editor": ("New Note", ("n",)),
    "preferences": ("Zendra Preferences", ("p",)),
    "net-search": ("Zendra Net Search", ("s",)),
    "tip-of-the-day": ("Tip of the Day", ("h", "p")),
    "credits": ("Zendra 98 Credits", ("h", "c c Return")),
    "about": ("About Zendra 98", ("h", "a")),
}
NOTES = {"1.zrn": b'"Buy milk"\r\n', "3.zrn": b'"Call Bob"\r\n'}
# The board's own picture shows the scratch pad open; the pad would take the right click that opens the menu.
PAD = {"scratch.dat": b'1,"Ideas for the weekend"\r\n'}


def capture(session, window, path):
    place = session.geometry(window)
    crop = f"{place['width']}x{place['height']}+{place['x']}+{place['y']}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], env=session.env, check=True)


def main():
    stage, scale = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "1"
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "help", "screens")
    suffix = "" if scale == "1" else f"@{scale}x"
    with XSession() as session:
        for name, (title, keys) in [("board", (None, ()))] + list(WINDOWS.items()):
            with StagedProgram(session, stage, NOTES if title else dict(NOTES, **PAD)) as program:
                proc = program.start(QT_SCALE_FACTOR=scale)
                board = program.board(proc) if scale == "1" else session.window("Zendra 98", proc.pid)
                if title:
                    board_menu(session, board, *keys)
                target = session.window(title, proc.pid) if title else board
                session.xdotool("sleep", "0.5")
                capture(session, target, os.path.join(out, f"{name}{suffix}.png"))
                proc.kill()
                proc.wait()


if __name__ == "__main__":
    main()
