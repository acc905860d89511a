"""End-to-end tests: the staged program under Xvfb with openbox and a tray host, driven by xdotool."""

import os
import shutil
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Skip, StagedProgram, never, pixels, run, run_cases, size, wait_for  # noqa: E402

# The scratch pad's text box on the board, in pixels: left 90, top 555, 2220 by 795 twips.
PAD_BOX = (6, 37, 148, 53)


def menu(session, x, y, *steps, button=3):
    """Clicks at x, y and waits for the popup menu. Then types each step's keys: after every step but the last it
    waits for the submenu that step opens, after the last for every menu to close."""
    before = session.visible()
    session.xdotool("mousemove", x, y, "click", button)

    def menus():
        return session.menus(session.visible() - before)
    wait_for(menus, 5, f"a click with button {button} at {x},{y} opened no menu")
    for depth, keys in enumerate(steps, 2):
        session.xdotool("key", *keys.split())
        if depth <= len(steps):
            wait_for(lambda: len(menus()) >= depth, 5, f"the keys {keys} opened no submenu")
    wait_for(lambda: not menus(), 5, f"the menu stayed open after the keys {steps}")


def board_menu(session, board, *steps):
    where = session.geometry(board)
    menu(session, where["x"] + 80, where["y"] + 40, *steps)


def tray_icon(session):
    """The program's icon embedded in the tray host's panel, or None."""
    trays = session.xdotool("search", "--class", "^trayer$").stdout.split()
    embedded = " ".join(run("xwininfo", "-tree", "-id", tray, env=session.env).stdout for tray in trays)
    return next((int(window) for window in session.visible() if f"{int(window):#x} " in embedded), None)


def tray_always(stage):
    """The shipped options.dat with tray mode 1: the icon shows always."""
    with open(os.path.join(stage, "options.dat"), "rb") as f:
        options = f.read()
    return options[:options.rindex(b",")] + b",1\r\n"


def active_window(session):
    out = run("xprop", "-root", "_NET_ACTIVE_WINDOW", env=session.env).stdout
    return int(out.split()[-1], 16) if "0x" in out else 0


# What the program loads only when first needed: the modules and the libraries that only they link.
ON_DEMAND = ("/modules/", "libQt6Network", "libQt6PrintSupport", "libQt6Multimedia", "libasound", "libqt6keychain")


def loaded_on_demand(proc):
    with open(f"/proc/{proc.pid}/maps", encoding="utf-8") as maps:
        mapped = maps.read()
    return [name for name in ON_DEMAND if name in mapped]


def comes_back_to_the_front(session, board, bring_back, what):
    """Another window takes the focus; then `bring_back` must bring the board back with it."""
    other = subprocess.Popen(["xmessage", "-geometry", "+600+50", "another window"], env=session.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for(lambda: active_window(session) not in (0, board), 5, "the other window took no focus")
        bring_back()
        wait_for(lambda: active_window(session) == board, 5, f"{what} did not bring the board back")
    finally:
        other.kill()
        other.wait()


def wait_exit(proc, seconds=10):
    wait_for(lambda: proc.poll() is not None, seconds, "the program did not end")
    assert proc.returncode == 0, f"exit code {proc.returncode}"


def answer_message(session, window):
    session.xdotool("windowactivate", "--sync", window, "key", "Return")


def test_docked_on_top_and_ended_by_sigterm_stores_the_place_the_icons_and_the_pad_without_asking(session, stage):
    with StagedProgram(session, stage, {"position.dat": b"0,1500,1500\r\n"}, remove=["icons.dat"]) as program:
        proc = program.start()
        board = program.board(proc)
        # "P&osition", then "Bottom Right Corner".
        board_menu(session, board, "o", "Down Down Return")
        wait_for(lambda: session.geometry(board)["x"] == 1024 - 160, 5, "the board did not dock")
        place = session.geometry(board)
        assert place["y"] == round((768 * 15 - 1800 - 440) / 15), place
        # "Always On &Top" keeps the board above the others and rewrites only the flag of position.dat.
        board_menu(session, board, "t")
        wait_for(lambda: "_ABOVE" in run("xprop", "-id", board, "_NET_WM_STATE", env=session.env).stdout, 5,
                 "the board is not kept on top")
        wait_for(lambda: program.read("position.dat") == b"1,1500,1500\r\n", 5,
                 lambda: f"position.dat holds {program.read('position.dat')} with the board on top")

        def pad_pixels():
            return pixels(session, board, PAD_BOX)
        closed = pad_pixels()
        # A double click on a bare spot of the board opens the pad with the focus; then keys as a person types.
        session.xdotool("mousemove", place["x"] + 80, place["y"] + 20, "click", "--repeat", "2", "1")
        wait_for(lambda: active_window(session) == board and pad_pixels() != closed, 5, "the scratch pad did not open")
        # The pad's menu, opened by the Menu key typed last, shows once every key before it has reached the pad.
        before = session.visible()
        session.xdotool("type", "--delay", "20", "jotted down")
        session.xdotool("key", "Menu")
        wait_for(lambda: session.menus(session.visible() - before), 5, "the Menu key opened no menu in the pad")
        session.xdotool("key", "Escape")
        wait_for(lambda: not session.menus(session.visible() - before), 5, "the pad's menu stayed open")
        proc.send_signal(signal.SIGTERM)
        wait_exit(proc)
        assert program.read("position.dat") == b"1,12960,9280\r\n", program.read("position.dat")
        assert program.read("scratch.dat") == b'1,"jotted down"\r\n', program.read("scratch.dat")
        assert program.read("icons.dat") == b"0,0\r\n" * 6, program.read("icons.dat")


def test_start_without_data_files_reports_only_the_mail_picture(session, stage):
    with StagedProgram(session, stage, remove=["options.dat", "default.dat", "icons.dat", "email.gif"]) as program:
        proc = program.start()

        def message_box():
            # The splash (360 x 200) carries the application's name too; the board (160 x 120) must not show yet.
            sizes = {window: size(geometry) for window, geometry in session.windows("Zendra 98", proc.pid).items()}
            assert (160, 120) not in sizes.values(), "the board showed before the message"
            return next((window for window, shown in sizes.items() if shown != (360, 200)), None)
        answer_message(session, wait_for(message_box, 10, "no message box"))
        board = program.board(proc)
        assert session.geometry(board)["x"] == session.geometry(board)["y"] == 0, session.geometry(board)
        board_menu(session, board, "x")
        wait_exit(proc)
        assert program.read("position.dat") == b"0,0,0\r\n"
        assert program.read("icons.dat") == b"0,0\r\n" * 6


def test_read_only_folders_keep_their_files_and_say_so(session, stage):
    if os.geteuid() != 0:
        raise Skip("needs root to switch users")
    with StagedProgram(session, stage) as program:
        # The files belong to root and the program runs as nobody: it may read but not write. A program folder
        # it may not write sends it to its data folder in XDG_DATA_HOME, which it may not write either.
        data = os.path.join(program.dir, "share", "zendra98")
        os.makedirs(data)
        for name in ("options.dat", "icons.dat", "email.gif"):
            shutil.copy(os.path.join(program.folder, name), data)
        with open(os.path.join(data, "position.dat"), "wb") as f:
            f.write(b"0,3000,3000\r\n")
        for folder in (program.folder, os.path.dirname(data)):
            for root, dirs, files in os.walk(folder):
                os.chmod(root, 0o755)
                for name in files:
                    os.chmod(os.path.join(root, name), 0o755 if name == "zendra98" else 0o644)
        listing = sorted(os.listdir(program.folder))
        before = {name: program.read(name) for name in listing if os.path.isfile(os.path.join(program.folder, name))}
        kept = {name: open(os.path.join(data, name), "rb").read() for name in os.listdir(data)}
        proc = program.start(as_user=65534, XDG_DATA_HOME=os.path.dirname(data))
        board = program.board(proc)
        assert session.geometry(board)["x"] == session.geometry(board)["y"] == 200, session.geometry(board)
        board_menu(session, board, "t")
        board_menu(session, board, "x")
        message = wait_for(lambda: [w for w, g in session.windows("Zendra 98", proc.pid).items() if g["width"] != 160],
                           10, "no message about the files that were not saved")
        answer_message(session, message[0])
        wait_exit(proc)
        assert {name: open(os.path.join(data, name), "rb").read() for name in os.listdir(data)} == kept
        assert {name: program.read(name) for name in before} == before, "a file of the read-only folder changed"
        assert sorted(os.listdir(program.folder)) == listing, "a file was left behind"


def test_tray_icon_default_positions_and_a_drag_from_an_icon_leave_the_board_as_it_was(session, stage):
    moved = b"1000,100\r\n1000,400\r\n1000,700\r\n1000,1000\r\n1000,1300\r\n1000,1600\r\n"
    files = {"options.dat": tray_always(stage), "icons.dat": moved, "position.dat": b"1,1500,1500\r\n"}
    with StagedProgram(session, stage, files) as program:
        # A calculator of our own comes first on PATH and tells when it starts.
        marker = os.path.join(program.dir, "calculator started")
        program.write("bin/gnome-calculator", f"#!/bin/sh\ntouch '{marker}'\n".encode(), 0o755)
        proc = program.start(PATH=os.path.join(program.folder, "bin") + os.pathsep + os.environ["PATH"])
        board = program.board(proc)
        assert not loaded_on_demand(proc), f"loaded before their first use: {loaded_on_demand(proc)}"
        # Tray mode 1 shows the icon even though the board is kept on top.
        icon = wait_for(lambda: tray_icon(session), 10, "no tray icon in the tray host")
        x, y = session.geometry(icon)["x"] + 10, session.geometry(icon)["y"] + 10
        menu(session, x, y, "Escape")
        comes_back_to_the_front(session, board, lambda: session.xdotool("mousemove", x, y, "click", 1), "a tray click")
        # "&Icons", "&Default Positions".
        board_menu(session, board, "i", "d")
        place = session.geometry(board)
        # The middles of the up arrow and the calculator icon and a bare spot of the board, placed in twips.
        up, calculator, surface = [(place["x"] + left // 15, place["y"] + top // 15)
                                   for left, top in ((2265, 735), (1830, 1530), (1200, 300))]
        before = session.visible()
        # A left click on the up arrow; a left drag from the calculator icon, released 40 pixels off it; a right
        # click on the up arrow.
        session.xdotool("mousemove", *up, "click", 1, "mousemove", *calculator, "mousedown", 1,
                        "mousemove", calculator[0] - 40, calculator[1], "mouseup", 1, "mousemove", *up, "click", 3)
        never(lambda: (session.geometry(board) != place and "a drag from the calculator icon moved the board")
              or (os.path.exists(marker) and "a drag from the calculator icon started the calculator")
              or (session.menus(session.visible() - before) and "a right click on the up arrow opened a menu"), 1)
        # The click on the arrow set the volume: the mixer, and nothing else, loaded for it.
        assert loaded_on_demand(proc) == ["/modules/", "libasound"], loaded_on_demand(proc)
        session.xdotool("mousemove", *calculator, "click", 1)
        wait_for(lambda: os.path.exists(marker), 5, "a click on the calculator icon started no calculator")
        session.xdotool("mousemove", *surface)
        wait_for(lambda: session.cursor() == "left_ptr", 2,
                 lambda: f"after a press on the up arrow the pointer over the board is {session.cursor()}, no arrow")
        board_menu(session, board, "x")
        wait_exit(proc)
        assert program.read("icons.dat") == program.read("default.dat"), program.read("icons.dat")
        assert tray_icon(session) is None, "the tray icon outlived the program"


def test_a_second_start_says_oops_and_my_programs_starts_a_program_of_the_list(session, stage):
    with StagedProgram(session, stage, {"position.dat": b"0,1500,1500\r\n"}) as program:
        # A program whose path holds a space, as a file dialog would give it.
        marker = os.path.join(program.dir, "started")
        program.write("my tools/mark", f"#!/bin/sh\necho $# > {marker}.new; mv {marker}.new {marker}\n".encode(), 0o755)
        records = program.read("options.dat").split(b"\r\n")
        records[1] = b'1,"Mark & Co","' + os.path.join(program.folder, "my tools/mark").encode() + b'"'
        program.write("options.dat", b"\r\n".join(records))
        proc = program.start()
        board = program.board(proc)
        # A second start says so and leaves the first alone.
        second = program.start()
        oops = wait_for(lambda: session.windows("Oops!", second.pid), 10, "no Oops! message")
        answer_message(session, next(iter(oops)))
        wait_exit(second)
        assert proc.poll() is None and session.geometry(board)["x"] == 100, "the first board ended or moved"
        # The My Programs icon: 240 twips square at left 105, top 1440.
        menu(session, session.geometry(board)["x"] + 15, session.geometry(board)["y"] + 104, "Down Return", button=1)
        wait_for(lambda: os.path.exists(marker), 5, "the program of the list did not start")
        with open(marker) as f:
            assert f.read().strip() == "0", "the path was split into arguments"
        board_menu(session, board, "x")
        wait_exit(proc)


def test_command_line_answers_without_a_display(session, stage):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}

    def call(*arguments):
        return subprocess.run([os.path.join(stage, "zendra98"), *arguments], env=env, capture_output=True,
                              text=True, timeout=30, check=False)
    done = call("--version")
    assert (done.returncode, done.stdout, done.stderr) == (0, "zendra98 1.5.0\n", ""), done
    done = call("--help")
    assert done.returncode == 0 and "--version" in done.stdout and not done.stderr, done
    done = call("--bogus")
    assert done.returncode == 1 and "bogus" in done.stderr and not done.stdout, done


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
