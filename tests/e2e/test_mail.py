"""End to end: the board checks a real Dovecot mailbox over STARTTLS, asks for the password and whether to trust the
server's own certificate, lights the new-mail box and lists the messages in the mail list window."""

import base64
import os
import shutil
import socket
import ssl
import subprocess
import sys
import tempfile
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi  # noqa: E402
from test_board import answer_message, board_menu, wait_exit  # noqa: E402
from test_desktop import Watcher  # noqa: E402
from test_notes import click  # noqa: E402
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
            session.xdotool("windowactivate", "--sync", prompt, "type", "--delay", "20", "testpass")
            answer_message(session, prompt)
            # The server's own certificate: described, and trusted for this account with the default "Yes".
            answer_message(session, session.window("Untrusted Certificate", proc.pid))
            wait_for(lambda: pixels(session, board, LIGHT) != dark, 20, "the new-mail box did not light")

            click(session, board, (LIGHT[0] + 10, LIGHT[1] + 10), "1")
            mail = session.window("Zendra Email Check", proc.pid)
            subjects = ("Café à la carte 1", "A rather long subject line number 2 that is folded across two "
                        "physical lines")
            # The grid's cells as a screen reader reads them.
            cells = lambda: [item.name for item in atspi.accessibles(session.env, proc.pid)
                             if item.role == "table cell" and item.showing]
            wait_for(lambda: all(subject in cells() for subject in subjects), 20, lambda: f"the list shows {cells()}")

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


class Xoauth2Server:
    """POP3 over TLS from the first byte, as Gmail's, with a certificate of the test's own authority for 127.0.0.1: it
    signs in `user` with SASL XOAUTH2 and `token` only (a wrong token gets a challenge, then -ERR) and holds two
    messages. Every command line it takes is kept in `received`."""

    def __init__(self, folder, user, token):
        self.ca = os.path.join(folder, "ca.pem")
        openssl = (f'cd "{folder}" && openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Zendra Test CA" '
                   "-addext basicConstraints=critical,CA:TRUE -keyout ca.key -out ca.pem && "
                   "openssl req -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 -keyout key.pem -out req.pem && "
                   "printf 'subjectAltName=IP:127.0.0.1' > ext && openssl x509 -req -in req.pem -CA ca.pem "
                   "-CAkey ca.key -CAcreateserial -days 2 -extfile ext -out cert.pem")
        subprocess.run(["bash", "-c", openssl], check=True, capture_output=True)
        self.context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        self.context.load_cert_chain(os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem"))
        self.sign_in = base64.b64encode(f"user={user}\x01auth=Bearer {token}\x01\x01".encode())
        self.received = []
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                connection = self.context.wrap_socket(self.listener.accept()[0], server_side=True)
            except OSError:
                return  # closed by the test, or a handshake that failed
            with connection, connection.makefile("rwb") as stream:
                self.session(stream)

    def session(self, stream):
        replies = {b"CAPA": b"+OK\r\nTOP\r\nSASL XOAUTH2\r\n.\r\n", b"STAT": b"+OK 2 400\r\n"}
        stream.write(b"+OK ready\r\n")
        stream.flush()
        for line in stream:
            command = line.rstrip(b"\r\n")
            self.received.append(command)
            if command.startswith(b"AUTH XOAUTH2 "):
                reply = b"+OK signed in\r\n" if command[13:] == self.sign_in else b"+ eyJzdGF0dXMiOiI0MDEifQ==\r\n"
            elif command.startswith(b"TOP "):
                number = command.split()[1].decode()
                reply = f"+OK\r\nFrom: a{number}@example.net\r\nSubject: Online {number}\r\n\r\n.\r\n".encode()
            else:
                reply = replies.get(command, b"-ERR [AUTH] Invalid credentials\r\n" if not command else b"+OK\r\n")
            stream.write(reply)
            stream.flush()
            if command == b"QUIT":
                return


def test_online_account_signs_in_with_a_fresh_token_and_keeps_none(session, stage):
    """The desktop's Google account (a stand-in GNOME Online Accounts on the bus) signs the check in: the first token
    is refused, the second, asked for once more, taken; no password is asked and no token is written anywhere."""
    identity = "zendra.tester@gmail.com"
    with tempfile.TemporaryDirectory() as folder, SessionBus(session):
        server = Xoauth2Server(folder, identity, "ya29.fresh-token-2")
        goa = Watcher(session, "fake_goa.py", "ya29.stale-token-1", "ya29.fresh-token-2")
        email = f'1\r\n9999999\r\n"{identity}"\r\n""\r\n"127.0.0.1:{server.port}"\r\n"{identity}"\r\n""\r\n'
        files = {"email.dat": email.encode(), "emailsec.dat": f'0\r\n""\r\n""\r\n"google"\r\n"{identity}"\r\n'.encode()}
        try:
            with StagedProgram(session, stage, files) as program:
                config = os.path.join(folder, "config")
                proc = program.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SSL_CERT_FILE=server.ca,
                                     XDG_CONFIG_HOME=config)
                board = program.board(proc)
                dark = pixels(session, board, LIGHT)
                board_menu(session, board, "e")
                wait_for(lambda: pixels(session, board, LIGHT) != dark, 30, lambda: f"no mail: {server.received}")
                assert not session.windows("Enter Email Password", proc.pid)
                auths = [command for command in server.received if command.startswith(b"AUTH")]
                assert len(auths) == 2 and auths[1][13:] == server.sign_in and b"" in server.received, auths
                assert not any(command.startswith((b"USER", b"PASS")) for command in server.received)

                # Email Setup, from the mail list window, shows the desktop's account as the chosen sign-in.
                click(session, board, (LIGHT[0] + 10, LIGHT[1] + 10), "1")
                mail = session.window("Zendra Email Check", proc.pid)
                session.xdotool("windowactivate", "--sync", mail)
                session.xdotool("key", "alt+s")
                session.window("Zendra Email Check Setup", proc.pid)
                names = lambda: {item.name for item in atspi.accessibles(session.env, proc.pid) if item.showing}
                wait_for(lambda: {"Sign in with an online account of this desktop",
                                  f"Google \u2014 {identity}"} <= names(), 20, lambda: f"setup shows {names()}")
                session.xdotool("key", "Escape")
                wait_for(lambda: not session.windows("Zendra Email Check Setup", proc.pid), 10, "setup stayed")
                session.xdotool("key", "alt+c")
                wait_for(lambda: not session.windows("Zendra Email Check", proc.pid), 10, "the mail list stayed")
                board_menu(session, board, "x")
                wait_exit(proc)
                # No token in any file the program keeps, in its settings or in what it printed.
                places = [program.folder, config]
                for path in [program.log.name] + [os.path.join(root, name) for place in places
                                                  for root, _, names in os.walk(place) for name in names]:
                    with open(path, "rb") as f:
                        assert b"ya29" not in f.read(), path
            # The desktop was asked for a token, then, after the refusal, to sign in again and for another; the
            # setup window only listed the accounts.
            goa.proc.terminate()
            calls = goa.proc.stdout.read().split()
            assert calls == ["GetManagedObjects", "GetAccessToken", "GetManagedObjects", "EnsureCredentials",
                             "GetAccessToken", "GetManagedObjects"], calls
        finally:
            goa.close()
            server.listener.close()


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
