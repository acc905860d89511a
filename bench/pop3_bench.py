"""POP3 section of bench/run (bench/run --pop3): the POP3 client listing a mailbox against a floor.

Starts a Dovecot of its own (tests/servers/pop3-server.sh, TLS off so that both clients speak the same plain
POP3) on free loopback ports in a temporary folder, and measures
  pop3-1000-loopback   headers of 1,000 messages, Pop3ClientQt against bench_pop3's minimal pipelined floor
  pop3-1000-delayed    the same through a proxy that holds every chunk 10 ms in each direction
  pop3-10000-loopback  10,000 messages: total time, peak memory growth, worst lateness of a 1 ms timer
  mail-10000-board     the board's "Check Email" of the same mailbox in a real window (xvfb-run): the board's
                       worst stall against its idle stall, and the mail list's memory against its texts' size
  mail-10m-board       the board's check of a scripted mailbox (a small POP3 server in this script) that claims
                       10,000,000 messages, the first 20 with a Subject of 1 MiB of unclosed encoded words: peak
                       memory growth against the check of a scripted mailbox of exactly 50,000 plain messages, the
                       worst stall of the whole check and of the listing of the 20 hostile subjects
Each run of the client alternates with one of the floor; the figures are medians.
"""

import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import heapq

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SERVER_SCRIPT = os.path.join(SOURCE_DIR, "tests", "servers", "pop3-server.sh")
DELAY_S = 0.010
RATIO_TARGET = 1.5
STALL_TARGET_MS = 10.0
BOARD_STALL_TARGET_MS = 16.0
LIST_MEMORY_TARGET = 3.0
USER, PASSWORD = "testuser", "testpass"

# The scripted mailboxes: the hostile one claims far more messages than a check lists (MailCheck::kMaxRows), the
# reference holds exactly that many, so that both checks list the same number of rows.
HOSTILE_COUNT = 10_000_000
LISTED_ROWS = 50_000
HOSTILE_SUBJECTS = 20
HOSTILE_MEMORY_TARGET = 1.5
HOSTILE_RUNS = 3
# The client refuses a header past 1 MiB (Pop3Client::kMaxHeaderBytes) and a line past 64 KiB: the hostile
# Subject is folded into short lines and fills the 1 MiB less the From and Date lines, so that it is read and
# decoded, not refused.
MAX_HEADER_BYTES = 1024 * 1024
# Bounds of the scripted server, so that it can never run away: connections over its life, commands and seconds
# per connection, bytes of one command line, seconds one read or write may wait.
SCRIPTED_MAX_CONNECTIONS = 16
SCRIPTED_MAX_COMMANDS = 4 * LISTED_ROWS
SCRIPTED_MAX_SECONDS = 300
SCRIPTED_MAX_LINE = 1024
SCRIPTED_IO_TIMEOUT_S = 60


# The certificates OpenSSL's own programs honour. The mail client reads every certificate they name at the start of
# each check, TLS or not (hundreds of files where SSL_CERT_DIR is /etc/ssl/certs), which a desktop session does not
# set. The measured programs run without them, so that a shell that sets them does not change the figures; the
# board's check is measured once more with them, for its own figure.
CERTIFICATE_VARIABLES = ("SSL_CERT_FILE", "SSL_CERT_DIR")


def program_environment(with_certificate_variables=False):
    if with_certificate_variables:
        return dict(os.environ)
    return {key: value for key, value in os.environ.items() if key not in CERTIFICATE_VARIABLES}


def log(message):
    print(message, file=sys.stderr, flush=True)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Dovecot:
    def __init__(self, root):
        self.dir = os.path.join(root, "server")
        self.port = free_port()
        self.env = dict(os.environ, POP3_DIR=self.dir, POP3_PORT=str(self.port), POP3_SSL="no", POP3_NMSG="0")

    def run(self, *args):
        subprocess.run(["bash", SERVER_SCRIPT] + list(args), env=self.env, check=True, stdout=subprocess.DEVNULL)

    def fill(self, count):
        self.run("fill", str(count))


class DelayProxy:
    """Forwards loopback connections to a port, each chunk delivered DELAY_S after it arrived, in order."""

    def __init__(self, target):
        self.target = target
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(8)
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            try:
                inner, _ = self.listener.accept()
            except OSError:
                return
            outer = socket.create_connection(("127.0.0.1", self.target))
            for sock in (inner, outer):
                sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            for source, sink in ((inner, outer), (outer, inner)):
                queue = []
                ready = threading.Condition()
                threading.Thread(target=self.pump_in, args=(source, queue, ready), daemon=True).start()
                threading.Thread(target=self.pump_out, args=(sink, queue, ready), daemon=True).start()

    @staticmethod
    def pump_in(source, queue, ready):
        sequence = 0
        while True:
            try:
                data = source.recv(65536)
            except OSError:
                data = b""
            with ready:
                heapq.heappush(queue, (time.monotonic() + DELAY_S, sequence, data))
                sequence += 1
                ready.notify()
            if not data:
                return

    @staticmethod
    def pump_out(sink, queue, ready):
        while True:
            with ready:
                while not queue:
                    ready.wait()
                due, _, data = queue[0]
                wait = due - time.monotonic()
                if wait > 0:
                    ready.wait(wait)
                    continue
                heapq.heappop(queue)
            if not data:
                try:
                    sink.shutdown(socket.SHUT_WR)
                except OSError:
                    pass
                return
            try:
                sink.sendall(data)
            except OSError:
                return

    def close(self):
        self.listener.close()


class ScriptedMailbox:
    """A plain POP3 server on 127.0.0.1 whose mailbox exists only in its answers: STAT claims `count` messages, and
    every "TOP n 0" gets a small header at once (From, Subject, Date), the first `hostile` of them a Subject of
    almost 1 MiB of "=?utf-8?q?x" fragments that never close. CAPA offers TOP, PIPELINING and USER; commands are
    answered in the order they come, however many arrive in one read. One thread per connection, each bounded in
    commands and time (the SCRIPTED_ constants); close() stops it all."""

    def __init__(self, count, hostile=0):
        self.count = count
        self.hostile = hostile
        self.hostile_lines = self.hostile_subject() if hostile else []
        self.closed = False
        self.connections = []
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(4)
        self.port = self.listener.getsockname()[1]
        threading.Thread(target=self.accept, daemon=True).start()

    @staticmethod
    def header_lines(number, subject_lines):
        return [b"From: Sender %d <sender%d@example.org>" % (number, number)] + subject_lines + \
            [b"Date: Mon, 07 Dec 2026 09:00:00 +0000"]

    def hostile_subject(self):
        # Lines of seven fragments, 78 bytes with the folding space; as many as fit into the header limit beside
        # the longest From line among the hostile messages, each line counted with its CR LF as the client does.
        fragments = b"=?utf-8?q?x" * 7
        subject = [b"Subject: " + fragments]
        used = sum(len(line) + 2 for line in self.header_lines(self.hostile, subject))
        while used + len(fragments) + 3 <= MAX_HEADER_BYTES:
            subject.append(b" " + fragments)
            used += len(fragments) + 3
        return subject

    def top_reply(self, number):
        if number <= self.hostile:
            subject = self.hostile_lines
        else:
            subject = [b"Subject: Message %d" % number]
        return b"+OK\r\n" + b"\r\n".join(self.header_lines(number, subject)) + b"\r\n\r\n.\r\n"

    def answer(self, line, session):
        words = line.split()
        verb = words[0].upper() if words else b""
        if verb == b"CAPA":
            return b"+OK\r\nTOP\r\nPIPELINING\r\nUSER\r\n.\r\n"
        if verb == b"USER" and len(words) == 2:
            session["user"] = words[1]
            return b"+OK\r\n"
        if verb == b"PASS" and len(words) == 2 and session.get("user"):
            session["in"] = session["user"] == USER.encode() and words[1] == PASSWORD.encode()
            return b"+OK logged in\r\n" if session["in"] else b"-ERR wrong user name or password\r\n"
        if verb == b"QUIT":
            session["quit"] = True
            return b"+OK bye\r\n"
        if not session.get("in"):
            return b"-ERR log in first\r\n"
        if verb == b"STAT":
            return b"+OK %d %d\r\n" % (self.count, self.count * 150)
        if verb == b"NOOP":
            return b"+OK\r\n"
        if verb == b"TOP" and len(words) == 3 and words[1].isdigit() and words[2] == b"0":
            number = int(words[1])
            if 1 <= number <= self.count:
                return self.top_reply(number)
            return b"-ERR no such message\r\n"
        return b"-ERR unknown command\r\n"

    def accept(self):
        while not self.closed and len(self.connections) < SCRIPTED_MAX_CONNECTIONS:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return
            self.connections.append(connection)
            threading.Thread(target=self.serve, args=(connection,), daemon=True).start()

    def serve(self, connection):
        deadline = time.monotonic() + SCRIPTED_MAX_SECONDS
        session, commands, pending = {}, 0, b""
        try:
            connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            connection.settimeout(SCRIPTED_IO_TIMEOUT_S)
            connection.sendall(b"+OK scripted mailbox ready\r\n")
            while not self.closed and not session.get("quit") and time.monotonic() < deadline:
                data = connection.recv(65536)
                if not data:
                    return
                lines = (pending + data).split(b"\n")
                pending = lines.pop()
                if len(pending) > SCRIPTED_MAX_LINE:
                    return
                replies = []
                for line in lines:
                    commands += 1
                    if commands > SCRIPTED_MAX_COMMANDS or session.get("quit"):
                        break
                    replies.append(self.answer(line.rstrip(b"\r"), session))
                # The replies to everything one read brought go out in one write, as a pipelining server sends them.
                connection.sendall(b"".join(replies))
                if commands > SCRIPTED_MAX_COMMANDS:
                    return
        except OSError:
            pass
        finally:
            connection.close()

    def close(self):
        self.closed = True
        try:
            self.listener.shutdown(socket.SHUT_RDWR)  # wakes the thread waiting in accept()
        except OSError:
            pass
        self.listener.close()
        for connection in self.connections:
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


def measure(program, mode, port):
    if mode == "client":
        command = [program, "client", "127.0.0.1:%d" % port, USER, PASSWORD]
    else:
        command = [program, "floor", "127.0.0.1", str(port), USER, PASSWORD]
    result = subprocess.run(command, capture_output=True, timeout=300, env=program_environment())
    if result.returncode != 0:
        raise RuntimeError("bench_pop3 %s failed: %s" % (mode, result.stderr.decode(errors="replace").strip()))
    values = {}
    for line in result.stdout.decode().splitlines():
        key, value = line.split()
        values[key] = float(value)
    return values


def series(program, port, runs, count):
    client, floor = [], []
    measure(program, "client", port)  # warms Dovecot's index and the page cache
    for run in range(runs):
        client.append(measure(program, "client", port))
        floor.append(measure(program, "floor", port))
        for values in (client[-1], floor[-1]):
            if values["messages"] != count:
                raise RuntimeError("listed %d messages of %d" % (values["messages"], count))
        log("  run %d/%d: client %.1f ms, floor %.1f ms" % (run + 1, runs, client[-1]["time-ms"],
                                                          floor[-1]["time-ms"]))
    median = lambda rows, key: statistics.median(row[key] for row in rows)
    return {key: median(client, key) for key in client[0]}, {key: median(floor, key) for key in floor[0]}


def board_check(build_dir, port):
    """The board's check of the mailbox in a window on a private X display; the median of three runs."""
    program = os.path.join(build_dir, "bench", "bench_mail")
    runs = []
    for run in range(3):
        result = subprocess.run(["xvfb-run", "-a", program, "127.0.0.1:%d" % port, USER, PASSWORD],
                                capture_output=True, timeout=600, env=program_environment())
        if result.returncode != 0:
            raise RuntimeError("bench_mail failed: %s" % result.stderr.decode(errors="replace").strip())
        values = dict((key, float(value)) for key, value in (line.split() for line in result.stdout.decode().splitlines()))
        if values["messages"] != 10000:
            raise RuntimeError("the board listed %d messages of 10000" % values["messages"])
        log("  board check %d/3: %.1f ms, worst stall %.1f ms (%.0f ms after the menu item, %d rows listed)"
            % (run + 1, values["time-ms"], values["stall-ms"], values["stall-at-ms"], values["stall-at-rows"]))
        runs.append(values)
    return {key: statistics.median(values[key] for values in runs) for key in runs[0]}


def scripted_board_check(build_dir, mailbox, first_rows, with_certificate_variables=False):
    """One board check of a scripted mailbox under xvfb-run; bench_mail itself fails unless it listed LISTED_ROWS."""
    program = os.path.join(build_dir, "bench", "bench_mail")
    command = ["xvfb-run", "-a", program, "127.0.0.1:%d" % mailbox.port, USER, PASSWORD, str(LISTED_ROWS)]
    if first_rows:
        command.append(str(first_rows))
    result = subprocess.run(command, capture_output=True, timeout=600,
                            env=program_environment(with_certificate_variables))
    if result.returncode != 0:
        raise RuntimeError("bench_mail failed: %s" % result.stderr.decode(errors="replace").strip())
    values = {key: float(value) for key, value in (line.split() for line in result.stdout.decode().splitlines())}
    if values["not-listed"] != mailbox.count - LISTED_ROWS:
        raise RuntimeError("the board's last row gave %d messages not listed, not %d"
                           % (values["not-listed"], mailbox.count - LISTED_ROWS))
    if values["hwm-reset"] != 1:
        log("  (the kernel did not reset the peak memory: the growth is measured from the board's start-up peak)")
    return values


def hostile_board_checks(build_dir):
    """The board's check of the 10,000,000-message mailbox with hostile subjects against the check of a mailbox of
    exactly LISTED_ROWS plain messages, alternating, HOSTILE_RUNS of each; medians."""
    hostile = ScriptedMailbox(HOSTILE_COUNT, HOSTILE_SUBJECTS)
    reference = ScriptedMailbox(LISTED_ROWS)
    runs = {"hostile": [], "reference": [], "certificates": []}
    try:
        for run in range(HOSTILE_RUNS):
            values = scripted_board_check(build_dir, reference, 0)
            runs["reference"].append(values)
            log("  %d-message check %d/%d: %.1f ms, worst stall %.1f ms (%.0f ms after the menu item, %d rows listed), "
                "peak memory +%.1f MiB"
                % (LISTED_ROWS, run + 1, HOSTILE_RUNS, values["time-ms"], values["stall-ms"], values["stall-at-ms"],
                   values["stall-at-rows"], values["hwm-growth-kib"] / 1024.0))
            values = scripted_board_check(build_dir, hostile, HOSTILE_SUBJECTS)
            # The hostile subjects are cut for display: 1,024 characters and an ellipsis at most.
            if values["longest-subject"] > 1025 or values["first-rows-stall-ms"] < 0:
                raise RuntimeError("the hostile subjects were not listed cut (longest %d characters)"
                                   % values["longest-subject"])
            runs["hostile"].append(values)
            log("  %d-message check %d/%d: %.1f ms, worst stall %.1f ms (%.0f ms after the menu item, %d rows listed; "
                "%.1f ms until %d rows listed), peak memory +%.1f MiB, longest subject %d characters"
                % (HOSTILE_COUNT, run + 1, HOSTILE_RUNS, values["time-ms"], values["stall-ms"], values["stall-at-ms"],
                   values["stall-at-rows"], values["first-rows-stall-ms"], HOSTILE_SUBJECTS,
                   values["hwm-growth-kib"] / 1024.0, values["longest-subject"]))
        if any(os.environ.get(name) for name in CERTIFICATE_VARIABLES):
            for run in range(HOSTILE_RUNS):
                values = scripted_board_check(build_dir, hostile, HOSTILE_SUBJECTS, with_certificate_variables=True)
                runs["certificates"].append(values)
                log("  %d-message check %d/%d with %s set: %.1f ms, worst stall %.1f ms %.0f ms after the menu item"
                    % (HOSTILE_COUNT, run + 1, HOSTILE_RUNS, " and ".join(CERTIFICATE_VARIABLES), values["time-ms"],
                       values["stall-ms"], values["stall-at-ms"]))
    finally:
        hostile.close()
        reference.close()
    return tuple({key: statistics.median(values[key] for values in runs[kind]) for key in runs[kind][0]}
                 if runs[kind] else None for kind in ("hostile", "reference", "certificates"))


def figure(name, value, reference, unit):
    ratio = value / reference if reference > 0 else float("inf")
    return "figure %s: %.1f %s, reference %.1f %s, ratio %.2f" % (name, value, unit, reference, unit, ratio), ratio


def main(build_dir, runs):
    program = os.path.join(build_dir, "bench", "bench_pop3")
    root = tempfile.mkdtemp(prefix="zendra-pop3-bench-")
    os.chmod(root, 0o755)  # as root the mail belongs to an unprivileged user, who must reach it
    server = Dovecot(root)
    proxy = None
    lines = []
    try:
        server.run("start")
        server.fill(1000)
        log("1,000 messages on loopback")
        client, floor = series(program, server.port, runs, 1000)
        line, ratio_loop = figure("pop3-1000-loopback", client["time-ms"], floor["time-ms"], "ms")
        lines.append(line)
        proxy = DelayProxy(server.port)
        log("1,000 messages through the 10 ms proxy")
        client, floor = series(program, proxy.port, max(3, runs // 2), 1000)
        line, ratio_delay = figure("pop3-1000-delayed", client["time-ms"], floor["time-ms"], "ms")
        lines.append(line)
        server.fill(10000)
        log("10,000 messages on loopback")
        client, floor = series(program, server.port, max(3, runs // 2), 10000)
        line, ratio_big = figure("pop3-10000-loopback", client["time-ms"], floor["time-ms"], "ms")
        lines.append(line)
        lines.append(figure("pop3-10000-memory-growth", client["hwm-growth-kib"] / 1024.0,
                            floor["hwm-growth-kib"] / 1024.0, "MiB")[0])
        lines.append(figure("pop3-10000-stall", client["stall-ms"], client["idle-stall-ms"], "ms")[0])
        board = board_check(build_dir, server.port)
        lines.append(figure("mail-10000-board-stall", board["stall-ms"], board["idle-stall-ms"], "ms")[0])
        line, list_ratio = figure("mail-10000-list-memory", board["rss-growth-kib"] / 1024.0,
                                  board["text-kib"] / 1024.0, "MiB")
        lines.append(line)
        log("the board's check of %d scripted messages, the first %d with 1 MiB subjects, against %d plain ones"
            % (HOSTILE_COUNT, HOSTILE_SUBJECTS, LISTED_ROWS))
        hostile, plain, with_certificates = hostile_board_checks(build_dir)
        line, hostile_memory_ratio = figure("mail-10m-board-memory", hostile["hwm-growth-kib"] / 1024.0,
                                            plain["hwm-growth-kib"] / 1024.0, "MiB")
        lines.append(line)
        lines.append(figure("mail-10m-board-stall", hostile["stall-ms"], hostile["idle-stall-ms"], "ms")[0])
        lines.append(figure("mail-hostile-subject-stall", hostile["first-rows-stall-ms"], hostile["idle-stall-ms"],
                            "ms")[0])
        verdict = lambda met: "met" if met else "NOT met"
        hostile_targets = [
            "target mail-10m-board-memory: <= %.1fx the %d-message check: %s"
            % (HOSTILE_MEMORY_TARGET, LISTED_ROWS, verdict(hostile_memory_ratio <= HOSTILE_MEMORY_TARGET)),
            "target mail-10m-board-stall: worst 1 ms timer lateness <= %.0f ms: %s"
            % (BOARD_STALL_TARGET_MS, verdict(hostile["stall-ms"] <= BOARD_STALL_TARGET_MS)),
            "target mail-hostile-subject-stall: worst 1 ms timer lateness until the %d hostile subjects are listed "
            "<= %.0f ms: %s" % (HOSTILE_SUBJECTS, BOARD_STALL_TARGET_MS,
                                verdict(hostile["first-rows-stall-ms"] <= BOARD_STALL_TARGET_MS)),
        ]
        if with_certificates is not None:
            lines.append(figure("mail-10m-board-stall-cert-variables", with_certificates["stall-ms"],
                                with_certificates["idle-stall-ms"], "ms")[0])
            hostile_targets.append(
                "target mail-10m-board-stall-cert-variables: worst 1 ms timer lateness <= %.0f ms: %s"
                % (BOARD_STALL_TARGET_MS, verdict(with_certificates["stall-ms"] <= BOARD_STALL_TARGET_MS)))
        lines += [
            "target mail-10000-board-stall: worst 1 ms timer lateness <= %.0f ms: %s"
            % (BOARD_STALL_TARGET_MS, verdict(board["stall-ms"] <= BOARD_STALL_TARGET_MS)),
            "target mail-10000-list-memory: <= %.0fx the texts: %s"
            % (LIST_MEMORY_TARGET, verdict(list_ratio <= LIST_MEMORY_TARGET)),
        ]
        lines += [
            "target pop3-1000-loopback: <= %.1fx the floor: %s" % (RATIO_TARGET, verdict(ratio_loop <= RATIO_TARGET)),
            "target pop3-1000-delayed: <= %.1fx the floor: %s" % (RATIO_TARGET, verdict(ratio_delay <= RATIO_TARGET)),
            "target pop3-10000-loopback: <= %.1fx the floor: %s" % (RATIO_TARGET, verdict(ratio_big <= RATIO_TARGET)),
            "target pop3-10000-stall: worst 1 ms timer lateness <= %.0f ms: %s"
            % (STALL_TARGET_MS, verdict(client["stall-ms"] <= STALL_TARGET_MS)),
        ] + hostile_targets
    except (RuntimeError, OSError, subprocess.SubprocessError) as error:
        log("bench failed: %s" % error)
        return 1
    finally:
        if proxy is not None:
            proxy.close()
        try:
            server.run("stop")
        except subprocess.CalledProcessError:
            pass
        shutil.rmtree(root, ignore_errors=True)
    print("\n".join(lines), flush=True)
    return 0
