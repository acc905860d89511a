"""End to end: the board checks a real Dovecot mailbox, asks for the password, lights the new-mail box and lists
the messages in the mail list window."""

import os
import socket
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_board import board_menu, wait_exit  # noqa: E402
from xsession import StagedProgram, run, run_cases, wait_for  # noqa: E402

SERVER_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "servers", "pop3-server.sh")
# The new-mail box on the board, in pixels: left, top, width, height.
LIGHT = (38, 25, 85, 69)


class Dovecot:
    """A throwaway plain-POP3 Dovecot on a free loopback port with `count` generated messages."""

    def __init__(self, count):
        self.dir = tempfile.mkdtemp(prefix="zendra98-pop3-")
        os.chmod(self.dir, 0o755)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.env = dict(os.environ, POP3_DIR=os.path.join(self.dir, "server"), POP3_PORT=str(self.port),
                        POP3_SSL="no", POP3_NMSG=str(count))

    def __enter__(self):
        subprocess.run(["bash", SERVER_SCRIPT, "start"], env=self.env, check=True, capture_output=True)
        return self

    def __exit__(self, *exc):
        subprocess.run(["bash", SERVER_SCRIPT, "stop"], env=self.env, capture_output=True)
        subprocess.run(["rm", "-rf", self.dir])


def pixels(session, window, box):
    """The raw RGB bytes of a box of the window, from a screenshot of the whole screen."""
    where = session.geometry(window)
    crop = f"{box[2]}x{box[3]}+{where['x'] + box[0]}+{where['y'] + box[1]}"
    shot = subprocess.run(["import", "-window", "root", "-crop", crop, "rgb:-"], env=session.env,
                          capture_output=True, check=True)
    return shot.stdout


def test_board_check_lights_the_box_and_lists_both_messages(session, stage):
    with Dovecot(2) as server:
        email = f'1\r\n9999999\r\n"testuser"\r\n""\r\n"127.0.0.1:{server.port}"\r\n"t@example.com"\r\n""\r\n'
        with StagedProgram(session, stage, {"email.dat": email.encode()}) as program:
            proc = program.start()
            board = program.board(proc)
            dark = pixels(session, board, LIGHT)
            board_menu(session, board, "e")
            prompt = session.window("Enter Email Password", proc.pid)
            session.xdotool("windowactivate", "--sync", prompt)
            session.xdotool("type", "--delay", "20", "testpass")
            session.xdotool("key", "Return")
            wait_for(lambda: pixels(session, board, LIGHT) != dark, 20, "the new-mail box did not light")
            run("import", "-window", "root", os.path.join(program.dir, "lit.png"), env=session.env)

            place = session.geometry(board)
            session.xdotool("mousemove", place["x"] + LIGHT[0] + 10, place["y"] + LIGHT[1] + 10, "click", "1")
            mail = session.window("Zendra Email Check", proc.pid)
            listed = list_texts(session, proc.pid)
            for subject in ("Café à la carte 1", "A rather long subject line number 2"):
                assert any(subject in text for text in listed), f"{subject!r} not among {listed}"

            where = session.geometry(mail)
            # "&Close", at the right of the button row.
            session.xdotool("mousemove", where["x"] + 385, where["y"] + 191, "click", "1")
            wait_for(lambda: not session.windows("Zendra Email Check", proc.pid), 10, "the mail list stayed")
            wait_for(lambda: pixels(session, board, LIGHT) == dark, 10, "the new-mail box stayed lit")
            board_menu(session, board, "x")
            wait_exit(proc)


def list_texts(session, pid):
    """The texts of the mail list's cells, read back through the accessibility tree."""
    raise NotImplementedError


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
