"""POP3 section of bench/run (bench/run --pop3): the POP3 client listing a mailbox against a floor.

Starts a Dovecot of its own (tests/servers/pop3-server.sh, TLS off so that both clients speak the same plain
POP3) on free loopback ports in a temporary folder, and measures
  pop3-1000-loopback   headers of 1,000 messages, Pop3ClientQt against bench_pop3's minimal pipelined floor
  pop3-1000-delayed    the same through a proxy that holds every chunk 10 ms in each direction
  pop3-10000-loopback  10,000 messages: total time, peak memory growth, worst lateness of a 1 ms timer
  mail-10000-board     the board's "Check Email" of the same mailbox in a real window (xvfb-run): the board's
                       worst stall against its idle stall, and the mail list's memory against its texts' size
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


# The certificates OpenSSL's own programs honour. The mail client reads every certificate they name at the start of
# each check, TLS or not (hundreds of files where SSL_CERT_DIR is /etc/ssl/certs), which a desktop session does not
# set. The measured programs run without them, so that a shell that sets them does not change the figures.
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
        verdict = lambda met: "met" if met else "NOT met"
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
        ]
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
