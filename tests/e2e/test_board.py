"""End-to-end tests: the staged program under Xvfb with openbox and a tray host, driven by xdotool."""

import os
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import StagedProgram, XSession, run  # noqa: E402

ICONS = b"1440,105\r\n1425,480\r\n1440,825\r\n1440,1350\r\n1430,1717\r\n1440,2055\r\n"


def click_and_wait_for_menu(session, x, y, button, what):
    """Clicks at x, y and waits until a new window (the popup menu) shows."""
    def visible():
        return set(session.xdotool("search", "--onlyvisible", "--class", "").stdout.split())
    before = visible()
    session.xdotool("mousemove", str(x), str(y))
    session.xdotool("click", button)
    session.wait_for(lambda: visible() - before, 5, what)


def open_menu_and_choose(session, board, keys):
    """Right button on the board, then, once the menu shows, the menu items by keyboard."""
    geometry = session.geometry(board)
    click_and_wait_for_menu(session, geometry["x"] + 80, geometry["y"] + 40, "3", "the board menu did not open")
    for key in keys:
        session.xdotool("key", key)
        time.sleep(0.15)


def tray_icon(session):
    """The program's icon embedded in the tray host's panel, or None."""
    # The tray host's windows: a small leader window and the panel that holds the icons.
    windows = session.xdotool("search", "--class", "^trayer$").stdout.split()
    if not windows:
        return None
    panel = max((session.geometry(int(w)) for w in windows), key=lambda g: g.get("width", 0))
    for window in session.xdotool("search", "--onlyvisible", "--classname", "^zendra98$").stdout.split():
        geometry = session.geometry(int(window))
        inside = (panel["x"] <= geometry.get("x", -1) < panel["x"] + panel["width"]
                  and panel["y"] <= geometry.get("y", -1) < panel["y"] + panel["height"])
        if inside and "_XEMBED_INFO(" in run("xprop", "-id", window, "_XEMBED_INFO", env=session.env).stdout:
            return int(window)
    return None


def active_window(session):
    out = run("xprop", "-root", "_NET_ACTIVE_WINDOW", env=session.env).stdout
    return int(out.split()[-1], 16) if "0x" in out else 0


def wait_exit(session, proc, seconds=10):
    session.wait_for(lambda: proc.poll() is not None, seconds, "the program did not end")
    assert proc.returncode == 0, f"exit code {proc.returncode}"


def test_board_shows_at_stored_place_and_exit_stores_it(session, stage):
    with StagedProgram(session, stage, {"position.dat": b"0,4560,1215\r\n", "icons.dat": ICONS}) as program:
        proc = program.start()
        board = program.board(proc)
        geometry = session.geometry(board)
        assert (geometry["x"], geometry["y"]) == (304, 81), geometry
        assert (geometry["width"], geometry["height"]) == (160, 120), geometry
        session.screenshot(os.path.join(program.dir, "board.png"))
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, proc)
        assert program.read("position.dat") == b"0,4560,1215\r\n", program.read("position.dat")
        assert program.read("icons.dat") == ICONS, program.read("icons.dat")


def test_docking_by_keyboard_and_always_on_top(session, stage):
    with StagedProgram(session, stage, {"position.dat": b"0,1500,1500\r\n"}) as program:
        proc = program.start()
        board = program.board(proc)
        # "P&osition", then the third item, "Bottom Right Corner".
        open_menu_and_choose(session, board, ["o", "Down", "Down", "Return"])
        session.wait_for(lambda: session.geometry(board)["x"] == 1024 - 160, 5, "the board did not dock")
        assert session.geometry(board)["y"] == round((768 * 15 - 1800 - 440) / 15)
        open_menu_and_choose(session, board, ["t"])
        session.wait_for(lambda: "_NET_WM_STATE_ABOVE" in session.window_state(board), 5, "the board is not kept on top")
        assert program.read("position.dat") == b"1,1500,1500\r\n", program.read("position.dat")
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, proc)
        assert program.read("position.dat") == b"1,12960,9280\r\n", program.read("position.dat")


def test_second_start_says_oops_and_leaves_the_first(session, stage):
    with StagedProgram(session, stage, {"position.dat": b"0,3000,3000\r\n"}) as program:
        first = program.start()
        board = program.board(first)
        second = program.start()
        oops = session.wait_for(lambda: session.windows("Oops!", second.pid), 10, "no Oops! message")
        session.screenshot(os.path.join(program.dir, "oops.png"))
        session.xdotool("windowactivate", "--sync", str(oops[0]))
        session.xdotool("key", "Return")
        wait_exit(session, second)
        assert first.poll() is None, "the first board ended"
        assert session.geometry(board)["x"] == 200
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, first)


def test_start_without_data_files_reports_only_the_mail_picture(session, stage):
    with StagedProgram(session, stage, remove=["options.dat", "default.dat", "icons.dat", "email.gif"]) as program:
        proc = program.start()
        def message_box():
            # The splash (360 x 200) carries the application's name too; the board (160 x 120) must not show yet.
            for window in session.windows("Zendra 98", proc.pid):
                geometry = session.geometry(window)
                size = (geometry["width"], geometry["height"])
                assert size != (160, 120), "the board showed before the message"
                if size != (360, 200):
                    return window
            return None
        message = session.wait_for(message_box, 10, "no message box")
        session.screenshot(os.path.join(program.dir, "mail-picture-message.png"))
        session.xdotool("windowactivate", "--sync", str(message))
        session.xdotool("key", "Return")
        board = program.board(proc)
        assert (session.geometry(board)["x"], session.geometry(board)["y"]) == (0, 0)
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, proc)
        assert program.read("position.dat") == b"0,0,0\r\n"
        assert program.read("icons.dat") == b"0,0\r\n" * 6


def test_read_only_data_directory_keeps_its_files_and_says_so(session, stage):
    if os.geteuid() != 0:
        print("SKIP test_read_only_data_directory_keeps_its_files_and_says_so: needs root to switch users")
        return
    with StagedProgram(session, stage, {"position.dat": b"0,3000,3000\r\n"}) as program:
        listing = sorted(os.listdir(program.folder))
        before = {name: program.read(name) for name in listing if os.path.isfile(os.path.join(program.folder, name))}
        # The files belong to root and the program runs as nobody: it may read but not write.
        for root, dirs, files in os.walk(program.folder):
            os.chmod(root, 0o755)
            for name in files:
                os.chmod(os.path.join(root, name), 0o755 if name == "zendra98" else 0o644)
        proc = program.start(as_user=65534)
        board = program.board(proc)
        assert (session.geometry(board)["x"], session.geometry(board)["y"]) == (200, 200)
        open_menu_and_choose(session, board, ["t"])
        open_menu_and_choose(session, board, ["x"])

        def failure_message():
            for window in session.windows("Zendra 98", proc.pid):
                if session.geometry(window)["width"] != 160:
                    return window
            return None
        message = session.wait_for(failure_message, 10, "no message about the files that were not saved")
        session.screenshot(os.path.join(program.dir, "read-only.png"))
        session.xdotool("windowactivate", "--sync", str(message))
        session.xdotool("key", "Return")
        wait_exit(session, proc)
        after = {name: program.read(name) for name in before}
        assert after == before, "a file of the read-only folder changed"
        assert sorted(os.listdir(program.folder)) == listing, "a file was left behind"


def test_tray_icon_menu_and_default_positions(session, stage):
    with open(os.path.join(stage, "options.dat"), "rb") as f:
        options = f.read()
    always_in_tray = options[:options.rindex(b",")] + b",1\r\n"
    moved = b"1000,100\r\n1000,400\r\n1000,700\r\n1000,1000\r\n1000,1300\r\n1000,1600\r\n"
    files = {"options.dat": always_in_tray, "icons.dat": moved, "position.dat": b"1,1500,1500\r\n"}
    with StagedProgram(session, stage, files) as program:
        proc = program.start()
        board = program.board(proc)
        # Tray mode 1 shows the icon even though the board is kept on top.
        icon = session.wait_for(lambda: tray_icon(session), 10, "no tray icon in the tray host")
        where = session.geometry(icon)
        click_and_wait_for_menu(session, where["x"] + 10, where["y"] + 10, "3",
                                "a right click on the tray icon opened no menu")
        session.screenshot(os.path.join(program.dir, "tray-menu.png"))
        session.xdotool("key", "Escape")
        time.sleep(0.3)
        # Another window takes the focus; a left click on the tray icon brings the board back with it.
        other = subprocess.Popen(["xmessage", "-geometry", "+600+50", "another window"], env=session.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            session.wait_for(lambda: active_window(session) not in (0, board), 5, "the other window took no focus")
            session.xdotool("mousemove", str(where["x"] + 10), str(where["y"] + 10))
            session.xdotool("click", "1")
            session.wait_for(lambda: active_window(session) == board, 5, "a tray click did not bring the board back")
        finally:
            other.kill()
            other.wait()
        # "&Icons", "&Default Positions"; then "E&xit".
        open_menu_and_choose(session, board, ["i", "d"])
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, proc)
        assert program.read("icons.dat") == program.read("default.dat"), program.read("icons.dat")
        assert tray_icon(session) is None, "the tray icon outlived the program"


def test_my_programs_icon_starts_a_program_of_the_list(session, stage):
    with open(os.path.join(stage, "options.dat"), "rb") as f:
        records = f.read().split(b"\r\n")
    with StagedProgram(session, stage, {"position.dat": b"0,1500,1500\r\n"}) as program:
        # A program whose path holds a space, as a file dialog would give it.
        folder = os.path.join(program.dir, "my tools")
        os.mkdir(folder)
        marker = os.path.join(program.dir, "started")
        script = os.path.join(folder, "mark")
        with open(script, "w") as f:
            f.write(f"#!/bin/sh\necho \"$#\" > '{marker}'\n")
        os.chmod(script, 0o755)
        records[1] = b'1,"Mark & Co","' + script.encode() + b'"'
        with open(os.path.join(program.folder, "options.dat"), "wb") as f:
            f.write(b"\r\n".join(records))
        proc = program.start()
        board = program.board(proc)
        geometry = session.geometry(board)
        # The My Programs icon: 240 twips square at left 105, top 1440.
        click_and_wait_for_menu(session, geometry["x"] + 15, geometry["y"] + 104, "1",
                                "the My Programs icon opened no menu")
        session.xdotool("key", "Down")
        session.xdotool("key", "Return")
        session.wait_for(lambda: os.path.exists(marker), 5, "the program of the list did not start")
        with open(marker) as f:
            assert f.read().strip() == "0", "the path was split into arguments"
        open_menu_and_choose(session, board, ["x"])
        wait_exit(session, proc)


def main():
    stage = sys.argv[1]
    tests = [value for name, value in globals().items() if name.startswith("test_")]
    passed = failed = 0
    with XSession() as session:
        for test in tests:
            try:
                test(session, stage)
                passed += 1
                print(f"PASS {test.__name__}")
            except Exception:  # noqa: BLE001 - every failure is reported and counted
                failed += 1
                print(f"FAIL {test.__name__}")
                traceback.print_exc()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
