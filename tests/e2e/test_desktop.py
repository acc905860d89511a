"""End-to-end tests of the board on today's desktops: the tray icon in a StatusNotifierItem panel, the board read by
a screen reader over AT-SPI, and the board at scale 2."""

import os
import select
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
import dbus  # noqa: E402
from test_board import active_window, board_menu, comes_back_to_the_front, tray_always, tray_icon, wait_exit  # noqa: E402
from xsession import SessionBus, StagedProgram, run_cases, wait_for  # noqa: E402

ITEM = "org.kde.StatusNotifierItem"


class Watcher:
    """A desktop service of the test's (by default the StatusNotifierWatcher), in a process of its own on the private
    bus, that prints "ready" and then what it sees."""

    def __init__(self, session, script="sni_watcher.py", *args):
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), script)
        self.proc = subprocess.Popen([sys.executable, script, *args], env=session.env, stdout=subprocess.PIPE,
                                     stderr=session.log, text=True)
        assert self.line() == "ready", f"{script} did not start"

    def line(self, seconds=10):
        return self.proc.stdout.readline().strip() if select.select([self.proc.stdout], [], [], seconds)[0] else ""

    def close(self):
        self.proc.kill()
        self.proc.wait()
        self.proc.stdout.close()


def test_status_notifier_item_activates_and_opens_the_board_menu(session, stage):
    files = {"options.dat": tray_always(stage), "position.dat": b"0,3000,3000\r\n"}
    with SessionBus(session) as bus, StagedProgram(session, stage, files) as program:
        watcher = Watcher(session)
        try:
            proc = program.start()
            board = program.board(proc)
            name = wait_for(watcher.line, 1, "no item registered with the watcher")
            connection = dbus.bus.BusConnection(bus.address)
            item = connection.get_object(name, "/StatusNotifierItem")
            props = item.GetAll(ITEM, dbus_interface=dbus.PROPERTIES_IFACE)
            assert "Zendra 98" in str(props["ToolTip"]), props["ToolTip"]
            sizes = {(int(width), int(height)) for width, height, _ in props["IconPixmap"]}
            assert {(16, 16), (22, 22), (24, 24), (32, 32), (48, 48), (64, 64)} <= sizes, sizes
            # The XEmbed tray host beside it gets no icon: the panel that speaks StatusNotifierItem has it.
            assert tray_icon(session) is None, "the icon is in the XEmbed tray as well"

            # A right click in the panel: the board menu at the pointer.
            session.xdotool("mousemove", 700, 600)
            before = session.visible()
            item.ContextMenu(700, 600, dbus_interface=ITEM)
            wait_for(lambda: session.menus(session.visible() - before), 5, "ContextMenu opened no board menu")
            session.xdotool("key", "Escape")
            wait_for(lambda: not session.menus(session.visible() - before), 5, "the menu stayed open")

            # A left click in the panel brings the board back with the focus.
            comes_back_to_the_front(session, board, lambda: item.Activate(10, 10, dbus_interface=ITEM), "Activate")
            board_menu(session, board, "x")
            wait_exit(proc)
        finally:
            watcher.close()


def test_a_screen_reader_reads_every_control_and_the_keyboard_opens_the_menu(session, stage):
    files = {"position.dat": b"0,3000,3000\r\n", "2.zrn": b'"Buy milk\r\nCall Bob"\r\n'}
    with SessionBus(session), StagedProgram(session, stage, files) as program:
        proc = program.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        board = program.board(proc)

        def board_controls():
            found, inside = [], False
            for item in atspi.accessibles(session.env, proc.pid):
                if item.depth == 1:
                    inside = (item.role, item.name) == ("frame", "Zendra 98")
                elif inside:
                    found.append(item)
            return found if any(item.name == "Volume up" for item in found) else None
        controls = wait_for(board_controls, 20, "the board's controls did not reach the accessibility bus")
        showing = {(item.role, item.name) for item in controls if item.showing}
        expected = {("push button", name) for name in ("My Programs", "Dial Up Networking", "Control Panel",
                                                       "Explorer", "Calculator", "Notepad", "Volume up",
                                                       "Volume down", "Note 2", "Icon strip arrow")}
        assert expected <= showing, expected - showing
        assert ("Note 2", "Buy milk") in {(item.name, item.description) for item in controls}, controls
        assert ("push button", "New mail") in {(item.role, item.name) for item in controls}, controls
        nameless = [item for item in controls if item.showing and not item.name]
        assert not nameless, f"controls without a name: {nameless}"

        # The board takes the focus with a click on a bare spot, and then opens its menu from the keyboard.
        place = session.geometry(board)
        session.xdotool("mousemove", place["x"] + 80, place["y"] + 20, "click", 1)
        wait_for(lambda: active_window(session) == board, 5, "the board took no focus")
        # The Menu key opens the board menu, and so does Shift+F10, which then takes "E&xit" by its access key.
        for keys, then in (("Menu", "Escape"), ("shift+F10", "x")):
            before = session.visible()
            session.xdotool("key", keys)
            wait_for(lambda: session.menus(session.visible() - before), 5, f"{keys} opened no board menu")
            session.xdotool("key", then)
            wait_for(lambda: not session.menus(session.visible() - before), 5, f"{then} left the menu open")
        wait_exit(proc)


def test_at_scale_2_the_board_is_twice_as_big_sharp_and_stores_the_same_twips(session, stage):
    icons = b"1440,105\r\n1425,480\r\n1440,825\r\n1440,1350\r\n1440,1710\r\n1440,2055\r\n"
    with StagedProgram(session, stage, {"position.dat": b"0,3000,3000\r\n", "icons.dat": icons}) as program:
        proc = program.start(QT_SCALE_FACTOR="2")
        window = program.board(proc, (320, 240))
        assert session.geometry(window) == {"x": 400, "y": 400, "width": 320, "height": 240}

        def screen(x, y, width, height):
            return run_bytes("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8", "rgb:-",
                             env=session.env)
        # The calculator icon, 16 x 12 at (114, 96), shows its drawing at twice the size pixel for pixel over the
        # board's colour, read at a bare spot.
        colour = screen(400 + 2 * 80, 400 + 2 * 20, 1, 1).hex()
        drawing = run_bytes("convert", os.path.join(program.folder, "pictures", "calculator@2x.png"),
                            "-background", f"#{colour}", "-flatten", "-depth", "8", "rgb:-", env=session.env)
        wait_for(lambda: screen(400 + 228, 400 + 192, 32, 24) == drawing, 5,
                 "the calculator icon at scale 2 is not its drawing at twice the size")

        # Docked to the bottom right of the 512 x 384 logical screen, then Exit: the place in logical twips.
        board_menu(session, window, "o", "Down Down Return")
        wait_for(lambda: session.geometry(window)["x"] == 1024 - 320, 5, "the board did not dock")
        board_menu(session, window, "x")
        wait_exit(proc)
        assert program.read("position.dat") == b"0,5280,3520\r\n", program.read("position.dat")


def run_bytes(*args, env):
    return subprocess.run([str(arg) for arg in args], env=env, capture_output=True).stdout


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
