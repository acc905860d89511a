"""An X display with a window manager and a tray host, and helpers to drive the staged program in it."""

import os
import shutil
import subprocess
import tempfile
import time


def run(*args, env=None, check=False):
    return subprocess.run(args, env=env, check=check, capture_output=True, text=True)


class XSession:
    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        self.procs = []
        self.logs = []
        self.display = None

    def __enter__(self):
        for number in range(90, 140):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
                self.display = f":{number}"
                break
        self.env = dict(os.environ, DISPLAY=self.display)
        for key in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY"):
            self.env.pop(key, None)
        try:
            self._spawn("Xvfb", self.display, "-screen", "0", f"{self.width}x{self.height}x24", "-nolisten", "tcp",
                        "-noreset")
            self.wait_for(lambda: run("xdpyinfo", env=self.env).returncode == 0, 10, "Xvfb did not start")
            self._spawn("openbox")
            self.wait_for(lambda: "_OB_VERSION" in run("xprop", "-root", env=self.env).stdout, 20,
                          lambda: f"openbox did not start on {self.display}: {self.log_of('openbox')}")
            self._spawn("trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "120",
                        "--height", "24")
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.procs):
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()

    def _spawn(self, *args):
        log = tempfile.TemporaryFile()
        self.logs.append((args[0], log))
        self.procs.append(subprocess.Popen(args, env=self.env, stdout=log, stderr=log))

    def log_of(self, name):
        for program, log in self.logs:
            if program == name:
                log.seek(0)
                return log.read().decode(errors="replace")
        return ""

    @staticmethod
    def wait_for(predicate, seconds, message):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = predicate()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError(message() if callable(message) else message)

    def xdotool(self, *args):
        return run("xdotool", *args, env=self.env)

    def windows(self, name, pid=None):
        args = ["search", "--onlyvisible", "--name", f"^{name}$"]
        if pid is not None:
            args[1:1] = ["--pid", str(pid)]
        out = self.xdotool(*args).stdout.split()
        return [int(w) for w in out]

    def geometry(self, window):
        info = run("xwininfo", "-id", str(window), env=self.env).stdout
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key, label in (("x", "Absolute upper-left X:"), ("y", "Absolute upper-left Y:"),
                               ("width", "Width:"), ("height", "Height:")):
                if line.startswith(label):
                    values[key] = int(line.split(":")[1])
        return values

    def window_state(self, window):
        return run("xprop", "-id", str(window), "_NET_WM_STATE", env=self.env).stdout

    def screenshot(self, path):
        run("import", "-window", "root", path, env=self.env)


class StagedProgram:
    """A copy of the staged program folder in a temporary directory, with fixture files laid in."""

    def __init__(self, session, stage_dir, files=None, remove=()):
        self.session = session
        self.dir = tempfile.mkdtemp(prefix="zendra98-e2e-")
        os.chmod(self.dir, 0o755)
        self.folder = os.path.join(self.dir, "zendra98")
        shutil.copytree(stage_dir, self.folder)
        for name in remove:
            os.remove(os.path.join(self.folder, name))
        for name, data in (files or {}).items():
            with open(os.path.join(self.folder, name), "wb") as f:
                f.write(data)
        self.procs = []

    def start(self, as_user=None):
        command = [os.path.join(self.folder, "zendra98")]
        env = self.session.env
        if as_user is not None:
            command[0:0] = ["setpriv", f"--reuid={as_user}", f"--regid={as_user}", "--clear-groups", "--"]
            env = dict(env, HOME=self.dir, XDG_CONFIG_HOME=os.path.join(self.dir, "config"))
        proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.procs.append(proc)
        return proc

    def read(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            return f.read()

    def board(self, proc, seconds=10):
        """The board's window: the program's visible 160x120 top-level window named "Zendra 98"."""
        def find():
            for window in self.session.windows("Zendra 98", proc.pid):
                geometry = self.session.geometry(window)
                if geometry.get("width") == 160 and geometry.get("height") == 120:
                    return window
            return None
        return self.session.wait_for(find, seconds, "the board did not show")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.cleanup()

    def cleanup(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
