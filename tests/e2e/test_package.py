"""The Debian package: built with CPack from the build folder, checked by lintian, unpacked with dpkg -x and started
as an ordinary user under Xvfb, whose data must land in ~/.local/share/zendra98. Usage: test_package.py BUILD_DIR"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_board import board_menu, wait_exit  # noqa: E402
from xsession import Skip, run_cases, size, wait_for  # noqa: E402

NOBODY = 65534


def check(*command):
    done = subprocess.run(command, capture_output=True, text=True, check=False)
    assert done.returncode == 0, f"{' '.join(command)} failed:\n{done.stdout}{done.stderr}"
    return done.stdout


def test_package_installs_and_keeps_each_users_data_at_home(session, build_dir):
    if os.geteuid() != 0:
        raise Skip("needs root to start the program as another user")
    work = tempfile.mkdtemp(prefix="zendra98-package-")
    try:
        os.chmod(work, 0o755)
        check("cpack", "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-B", os.path.join(work, "out"))
        deb = os.path.join(work, "out", f"zendra98_1.5.0_{check('dpkg', '--print-architecture').strip()}.deb")
        fields = check("dpkg-deb", "--field", deb, "Section", "Depends", "Recommends")
        assert "Section: utils" in fields and "libqt6widgets6" in fields and "libsecret-1-0" in fields, fields
        # Debian's own checks: an error or a warning fails the package.
        lintian = subprocess.run(["lintian", "--fail-on", "error,warning", deb], capture_output=True, text=True,
                                 check=False)
        assert lintian.returncode == 0 and not lintian.stdout, f"lintian:\n{lintian.stdout}{lintian.stderr}"
        usr = os.path.join(work, "root", "usr")
        check("dpkg", "-x", deb, os.path.dirname(usr))
        for path in ("bin/zendra98", "lib/zendra98/modules/libzendra98sound.so",
                     "share/applications/example.tovane.zendra98.desktop", "share/zendra98/help/index.html",
                     "share/icons/hicolor/48x48/apps/zendra98.png", "share/man/man1/zendra98.1.gz",
                     "share/metainfo/example.tovane.zendra98.metainfo.xml"):
            assert os.path.isfile(os.path.join(usr, path)), f"{path} is not in the package"
        installed = sorted(os.path.join(top, name) for top, _, names in os.walk(usr) for name in names)

        # An ordinary user with an empty home and no XDG folders of its own: the defaults apply.
        home, runtime = os.path.join(work, "home"), os.path.join(work, "runtime")
        for folder in (home, runtime):
            os.mkdir(folder, 0o700)
            os.chown(folder, NOBODY, NOBODY)
        env = {key: value for key, value in session.env.items() if not key.startswith("XDG_")}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime)
        command = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "--",
                   os.path.join(usr, "bin/zendra98")]
        proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            board = wait_for(lambda: next((w for w, g in session.windows("Zendra 98", proc.pid).items()
                                           if size(g) == (160, 120)), None), 15, "the board did not show")
            board_menu(session, board, "x")
            wait_exit(proc)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        data = os.path.join(home, ".local/share/zendra98")
        for name in ("options.dat", "default.dat", "icons.dat", "TIPOFDAY.TXT", "email.gif"):
            with open(os.path.join(data, name), "rb") as mine, open(os.path.join(usr, "share/zendra98", name), "rb") as f:
                assert mine.read() == f.read(), f"{name} was not seeded whole"
        with open(os.path.join(data, "position.dat"), "rb") as f:
            assert f.read() == b"0,0,0\r\n"
        assert sorted(os.path.join(top, name) for top, _, names in os.walk(usr) for name in names) == installed
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
