"""End to end: the board checks a real Dovecot mailbox over STARTTLS, asks for the password and whether to trust the
server's own certificate, lights the new-mail box and lists the messages in the mail list window."""

import os
import socket
import subprocess
import sys
import shutil
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
from test_board import board_menu, wait_exit  # noqa: E402
from xsession import SessionBus, StagedProgram, pixels, run_cases, wait_for  # noqa: E402

SERVER_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "servers", "pop3-server.sh")
# The new-mail box on the board, in pixels: left, top, width, height.
LIGHT = (38, 25, 85, 69)


class Dovecot:
    """A throwaway Dovecot on a free loopback port with `count` generated messages, offering STLS with a
    self-signed certificate."""

    def __init__(self, count):
        self.dir = tempfile.mkdtemp(prefix="zendra98-pop3-")
        os.chmod(self.dir, 0o755)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.env = dict(os.environ, POP3_DIR=os.path.join(self.dir, "server"), POP3_PORT=str(self.port),
                        POP3_NMSG=str(count))

    def __enter__(self):
        # Dovecot keeps the output it inherits open: the script's output goes to a file, not a pipe.
        with open(os.path.join(self.dir, "start.log"), "w+") as log:
            started = subprocess.run(["bash", SERVER_SCRIPT, "start"], env=self.env, stdout=log, stderr=log)
            log.seek(0)
            assert started.returncode == 0, f"Dovecot did not start: {log.read()}"
        return self

    def __exit__(self, *exc):
        subprocess.run(["bash", SERVER_SCRIPT, "stop"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        shutil.rmtree(self.dir, ignore_errors=True)


def test_board_check_lights_the_box_and_lists_both_messages(session, stage):
    with Dovecot(2) as server:
        email = f'1\r\n9999999\r\n"testuser"\r\n""\r\n"127.0.0.1:{server.port}"\r\n"t@example.com"\r\n""\r\n'
        with SessionBus(session), StagedProgram(session, stage, {"email.dat": email.encode()}) as program:
            proc = program.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            board = program.board(proc)
            dark = pixels(session, board, LIGHT)
            board_menu(session, board, "e")
            prompt = session.window("Enter Email Password", proc.pid)
            session.xdotool("windowactivate", "--sync", prompt)
            session.xdotool("type", "--delay", "20", "testpass")
            session.xdotool("key", "Return")
            # The server's own certificate: described, and trusted for this account with the default "Yes".
            question = session.window("Untrusted Certificate", proc.pid)
            session.xdotool("windowactivate", "--sync", question)
            session.xdotool("key", "Return")
            wait_for(lambda: pixels(session, board, LIGHT) != dark, 20, "the new-mail box did not light")

            place = session.geometry(board)
            session.xdotool("mousemove", place["x"] + LIGHT[0] + 10, place["y"] + LIGHT[1] + 10, "click", "1")
            mail = session.window("Zendra Email Check", proc.pid)
            subjects = ("Café à la carte 1", "A rather long subject line number 2 that is folded across two "
                        "physical lines")
            # The grid's cells as a screen reader reads them.
            wait_for(lambda: all(subject in cell_texts(session, proc.pid) for subject in subjects), 20,
                     lambda: f"the mail list shows {cell_texts(session, proc.pid)}")

            where = session.geometry(mail)
            # "&Close", at the right of the button row.
            session.xdotool("mousemove", where["x"] + 385, where["y"] + 191, "click", "1")
            wait_for(lambda: not session.windows("Zendra Email Check", proc.pid), 10, "the mail list stayed")
            wait_for(lambda: pixels(session, board, LIGHT) == dark, 10, "the new-mail box stayed lit")
            board_menu(session, board, "x")
            wait_exit(proc)
            # The password never went into a file others may read; the certificate is kept for the account.
            assert os.stat(os.path.join(program.folder, "email.dat")).st_mode & 0o077 == 0
            trusted = program.read("emailsec.dat").split(b"\r\n")
            assert trusted[1] == f'"testuser@127.0.0.1:{server.port}"'.encode() and len(trusted[2]) == 97, trusted


def cell_texts(session, pid):
    """The names of every table cell of the program that shows, read back through the accessibility tree."""
    return [item.name for item in atspi.accessibles(session.env, pid) if item.role == "table cell" and item.showing]


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
