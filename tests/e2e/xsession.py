"""An X display with a window manager and a tray host, and helpers to drive the staged program in it."""

import ctypes
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import traceback


def run(*args, env=None, binary=False):
    return subprocess.run([str(arg) for arg in args], env=env, capture_output=True, text=not binary)


def poll(predicate, seconds):
    """The predicate's first true value within the given seconds, or its last value."""
    deadline = time.monotonic() + seconds
    while not (value := predicate()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return value


def wait_for(predicate, seconds, message):
    value = poll(predicate, seconds)
    if not value:
        raise AssertionError(message() if callable(message) else message)
    return value


def never(predicate, seconds):
    """Watches for the given seconds that the predicate stays false; its true value says what went wrong."""
    value = poll(predicate, seconds)
    assert not value, value


def text(log):
    log.seek(0)
    return log.read().decode(errors="replace")


def size(geometry):
    return geometry["width"], geometry["height"]


def pixels(session, window, box):
    """The raw RGB bytes of a box (x, y, width, height) of the window, from a screenshot of the whole screen."""
    where = session.geometry(window)
    crop = f"{box[2]}x{box[3]}+{where['x'] + box[0]}+{where['y'] + box[1]}"
    return run("import", "-window", "root", "-crop", crop, "rgb:-", env=session.env, binary=True).stdout


class CursorImage(ctypes.Structure):
    # XFixesCursorImage as XFIXES 2 and later fill it in: with the name the cursor was loaded by.
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort), ("serial", ctypes.c_ulong),
                ("pixels", ctypes.c_void_p), ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


class XSession:
    def __init__(self):
        self.procs, self.dir = [], tempfile.mkdtemp(prefix="zendra98-x-")
        self.log = tempfile.TemporaryFile(dir=self.dir)
        # Nothing of the session lands in a fixed place that another run beside this one would share.
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.dir)
        for key in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(key, None)

    def __enter__(self):
        try:
            # Xvfb takes the first free display itself and writes its number once it accepts clients.
            reader, writer = os.pipe()
            self._spawn("Xvfb", "-displayfd", str(writer), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                        "-noreset", pass_fds=(writer,))
            os.close(writer)
            with os.fdopen(reader) as pipe:
                number = pipe.readline().strip() if select.select([pipe], [], [], 10)[0] else ""
            assert number, f"Xvfb did not start: {text(self.log)}"
            self.env["DISPLAY"] = f":{number}"
            self._spawn("openbox")
            wait_for(lambda: "_OB_VERSION" in run("xprop", "-root", env=self.env).stdout, 20,
                     lambda: f"openbox did not start: {text(self.log)}")
            self._spawn("trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "120",
                        "--height", "24")
            self.xlib, self.xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
            self.xlib.XOpenDisplay.restype = ctypes.c_void_p
            self.xfixes.XFixesGetCursorImage.argtypes = self.xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
            self.xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
            self.display = self.xlib.XOpenDisplay(self.env["DISPLAY"].encode())
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        if getattr(self, "display", None):
            self.xlib.XCloseDisplay(self.display)
        for proc in reversed(self.procs):
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
        shutil.rmtree(self.dir, ignore_errors=True)

    def _spawn(self, *args, **options):
        self.procs.append(subprocess.Popen(args, env=self.env, stdout=self.log, stderr=self.log, **options))

    def xdotool(self, *args):
        return run("xdotool", *args, env=self.env)

    def windows(self, name, pid):
        """The program's visible windows of that name, each with its geometry."""
        found = self.xdotool("search", "--all", "--onlyvisible", "--pid", pid, "--name", f"^{name}$").stdout.split()
        return {int(window): geometry for window in found if (geometry := self.geometry(window))}

    def window(self, name, pid):
        """The program's visible window of that name, once it shows."""
        return wait_for(lambda: next(iter(self.windows(name, pid)), None), 10, f'no window "{name}" showed')

    def visible(self):
        """The program's visible windows."""
        return set(self.xdotool("search", "--onlyvisible", "--classname", "^zendra98$").stdout.split())

    def menus(self, windows):
        """The popup menus among the windows: override-redirect and typed as a menu, or left "normal" as Qt 6.4
        leaves its QMenu popups."""
        infos = [run("xwininfo", "-stats", "-wm", "-id", window, env=self.env).stdout for window in windows]
        return [info for info in infos if "Override Redirect State: yes" in info
                and re.search(r"Window type:\s+(Popup Menu|Dropdown Menu|Normal)\n", info)]

    def geometry(self, window):
        """The window's x, y, width and height; empty once the window has gone."""
        info = run("xwininfo", "-id", window, env=self.env).stdout
        labels = ("upper-left X", "upper-left Y", "Width", "Height")
        found = [re.search(rf"{label}:\s+(-?\d+)", info) for label in labels]
        return dict(zip(("x", "y", "width", "height"), (int(match[1]) for match in found))) if all(found) else {}

    def cursor(self):
        """The name of the cursor the pointer shows now, as the theme calls it ("left_ptr" is the arrow)."""
        return (self.xfixes.XFixesGetCursorImage(self.display).contents.name or b"").decode()


class SessionBus:
    """A private D-Bus session bus for one case, so that a tray watcher or an accessibility bus of another run
    never meets this one. Its address goes into the session's environment while it runs."""

    def __init__(self, session):
        self.session = session

    def __enter__(self):
        self.proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                     env=self.session.env, stdout=subprocess.PIPE, stderr=self.session.log, text=True)
        ready = select.select([self.proc.stdout], [], [], 10)[0]
        self.address = self.proc.stdout.readline().strip() if ready else ""
        if not self.address:
            self.proc.kill()
            raise AssertionError(f"dbus-daemon did not start: {text(self.session.log)}")
        self.session.env["DBUS_SESSION_BUS_ADDRESS"] = self.address
        return self

    def __exit__(self, *exc):
        self.session.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.proc.stdout.close()


class StagedProgram:
    """A copy of the staged program folder in a temporary directory, with fixture files laid in. All that the
    program prints goes to one log, shown with the error when the case fails."""

    def __init__(self, session, stage_dir, files=None, remove=()):
        self.session = session
        self.dir = tempfile.mkdtemp(prefix="zendra98-e2e-")
        os.chmod(self.dir, 0o755)
        self.folder = os.path.join(self.dir, "zendra98")
        shutil.copytree(stage_dir, self.folder)
        for name in remove:
            os.remove(os.path.join(self.folder, name))
        for name, data in (files or {}).items():
            self.write(name, data)
        self.log = open(os.path.join(self.dir, "output.log"), "w+b")
        self.procs = []

    def start(self, as_user=None, **env):
        command = [os.path.join(self.folder, "zendra98")]
        env = dict(self.session.env, **env)
        if as_user is not None:
            command[0:0] = ["setpriv", f"--reuid={as_user}", f"--regid={as_user}", "--clear-groups", "--"]
            runtime = os.path.join(self.dir, "runtime")
            os.makedirs(runtime, 0o700, exist_ok=True)
            os.chown(runtime, as_user, as_user)
            env.update(HOME=self.dir, XDG_CONFIG_HOME=os.path.join(self.dir, "config"), XDG_RUNTIME_DIR=runtime)
        self.procs.append(subprocess.Popen(command, env=env, stdout=self.log, stderr=self.log))
        return self.procs[-1]

    def read(self, name):
        """The file's bytes, or None while it does not exist (a test waiting for it polls until it does)."""
        try:
            with open(os.path.join(self.folder, name), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def write(self, name, data, mode=0o644):
        os.makedirs(os.path.dirname(os.path.join(self.folder, name)), exist_ok=True)
        with open(os.path.join(self.folder, name), "wb") as f:
            f.write(data)
        os.chmod(f.name, mode)

    def board(self, proc, box=(160, 120)):
        """The board's window: the program's visible top-level window named "Zendra 98", 160x120 unless scaled."""
        def find():
            windows = self.session.windows("Zendra 98", proc.pid).items()
            return next((window for window, geometry in windows if size(geometry) == box), None)
        return wait_for(find, 10, lambda: f"no {box} board: {self.session.windows('Zendra 98', proc.pid)}")

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        if error is not None:
            error.add_note("program output:\n" + text(self.log))
        self.log.close()
        shutil.rmtree(self.dir, ignore_errors=True)


class Skip(Exception):
    """The case cannot run on this machine."""


def run_cases(cases, stage):
    """Runs every test_ function of `cases` in one X session; fails when one fails or none passed."""
    counts = {"passed": 0, "failed": 0, "skipped": 0}
    with XSession() as session:
        for name, test in [(name, value) for name, value in cases.items() if name.startswith("test_")]:
            try:
                test(session, stage)
                print(f"PASS {name}", flush=True)
                counts["passed"] += 1
            except Skip as reason:
                print(f"SKIP {name}: {reason}", flush=True)
                counts["skipped"] += 1
            except Exception:  # noqa: BLE001 - every failure is reported and counted
                print(f"FAIL {name}", flush=True)
                traceback.print_exc(file=sys.stdout)
                counts["failed"] += 1
    print(", ".join(f"{count} {outcome}" for outcome, count in counts.items()))
    return 1 if counts["failed"] or not counts["passed"] else 0
