"""End-to-end tests of the net search and tip windows: the staged program under Xvfb, driven by xdotool."""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_board import board_menu, wait_exit  # noqa: E402
from xsession import StagedProgram, run, run_cases, wait_for  # noqa: E402

# The phrase box of the net search window, in pixels from the window's top-left corner.
PHRASE_BOX = (60, 37)



def fake_browser(program):
    """A script standing for xdg-open, first on PATH: it writes the address it is given to a file."""
    folder = os.path.join(program.dir, "bin")
    os.makedirs(folder)
    script = os.path.join(folder, "xdg-open")
    with open(script, "w") as f:
        f.write('#!/bin/sh\nprintf "%s" "$1" > "$FAKE_BROWSER_OUT.part" && mv "$FAKE_BROWSER_OUT.part" "$FAKE_BROWSER_OUT"\n')
    os.chmod(script, 0o755)
    out = os.path.join(program.dir, "browser.txt")
    return {"PATH": folder + os.pathsep + os.environ.get("PATH", ""), "FAKE_BROWSER_OUT": out}, out


def outer_size(session, window):
    """The window's width and height with the frame the window manager draws around it."""
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS", env=session.env).stdout.partition("=")[2]
    left, right, top, bottom = [int(n) for n in re.findall(r"\d+", extents)] or [0, 0, 0, 0]
    inside = session.geometry(window)
    return inside.get("width", 0) + left + right, inside.get("height", 0) + top + bottom


def read(path):
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return f.read()


def test_net_search_sends_the_phrase_to_the_chosen_engine(session, stage):
    with StagedProgram(session, stage) as program:
        env, out = fake_browser(program)
        proc = program.start(**env)
        board = program.board(proc)
        board_menu(session, board, "s")
        search = session.window("Zendra Net Search", proc.pid)
        session.xdotool("windowactivate", "--sync", search)
        # Both sizes are the whole window's, its frame included.
        wait_for(lambda: outer_size(session, search) == (302, 107), 5,
                 lambda: f"the compact window measures {outer_size(session, search)}")
        # From the phrase box: past "&Search" and "&Keep on top" to "Search Lis&t", which shows the engines.
        session.xdotool("key", "Tab", "Tab", "Tab", "space")
        # As wide as drawn, or wider where the engines' captions need it.
        wait_for(lambda: outer_size(session, search)[1] == 193 and outer_size(session, search)[0] >= 420, 5,
                 lambda: f"the window with the engine list measures {outer_size(session, search)}")
        session.xdotool("key", "alt+w")
        place = session.geometry(search)
        session.xdotool("mousemove", place["x"] + PHRASE_BOX[0], place["y"] + PHRASE_BOX[1], "click", "1")
        session.xdotool("type", "--delay", "20", "two words & more")
        session.xdotool("key", "Return")
        expected = "https://www.webcrawler.com/cgi-bin/WebQuery?searchText=two%20words%20%26%20more&src=wc_results"
        wait_for(lambda: read(out) == expected, 10, lambda: f"the browser received {read(out)!r}")
        session.xdotool("windowactivate", "--sync", search, "key", "alt+F4")
        wait_for(lambda: not session.windows("Zendra Net Search", proc.pid), 10, "the window did not close")
        assert program.read("search.dat") == b"6,0,1\r\n", program.read("search.dat")
        board_menu(session, board, "x")
        wait_exit(proc)


def test_tips_on_the_board_menu_turn_the_start_up_tips_on(session, stage):
    with StagedProgram(session, stage, {"tipset.dat": b"0\r\n"}) as program:
        proc = program.start()
        board = program.board(proc)
        assert not session.windows("Tip of the Day", proc.pid)
        board_menu(session, board, "h", "p")
        session.window("Tip of the Day", proc.pid)
        assert program.read("tipset.dat") == b"1\r\n", program.read("tipset.dat")
        board_menu(session, board, "x")
        wait_exit(proc)


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
