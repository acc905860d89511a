"""End-to-end tests: the program killed in the middle of its writes loses no data file and starts again.

usage: test_crash.py STAGE_DIR WRITE_STORM
WRITE_STORM rewrites every data file in a loop through the program's own writers (tests/e2e/WriteStorm.cpp)."""

import os
import random
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_board import board_menu, wait_exit  # noqa: E402
from xsession import StagedProgram, run_cases, wait_for  # noqa: E402

STORM_KILLS = 200
PROGRAM_KILLS = 5
FILL = b"x" * 6000


def stored_text(data):
    """The round of a text the storm wrote, as the record field holds it, or None when it is not whole. A program
    path keeps its line breaks as they are; a note or the scratch pad stores them as CR LF."""
    match = re.fullmatch(rb"round (\d+)\r?\n" + FILL + rb"\r?\nend (\d+)", data)
    return int(match[1]) if match and match[1] == match[2] else None


def round_of(name, data):
    """The storm's round that wrote the file, or None when the file is not one of its versions, whole. Positions
    and icon places hold the round modulo 1000."""
    if name == "position.dat":
        match = re.fullmatch(rb"([01]),(\d+),(\d+)\r\n", data)
        if match and match[2] == match[3] and int(match[1]) == (int(match[2]) - 1500) % 2:
            return int(match[2]) - 1500
    elif name == "icons.dat":
        records = data.split(b"\r\n")
        if len(records) == 7 and records[6] == b"" and all(re.fullmatch(rb"\d+,\d+", r) for r in records[:6]):
            places = [tuple(map(int, record.split(b","))) for record in records[:6]]
            if all(top == places[0][0] and left == top + i for i, (top, left) in enumerate(places)):
                return places[0][0]
    elif name == "options.dat":
        records = data.split(b"\r\n")
        programs = [re.fullmatch(rb'(\d+),"round (\d+)","(.*)"', r, re.S) for r in records[1:11]]
        if len(records) == 13 and records[12] == b"" and records[0] == b'"",0' and all(programs):
            rounds = {int(p[2]) for p in programs} | {stored_text(p[3]) for p in programs}
            if len(rounds) == 1 and records[11] == b"0,0,0,0,0,0,0,2":
                return rounds.pop()
    elif name == "email.dat":
        match = re.fullmatch(rb'1\r\n300000\r\n"round (\d+)"\r\n"(.*)"\r\n"round (\d+)"\r\n"round (\d+)"\r\n""\r\n',
                             data, re.S)
        if match and match[1] == match[3] == match[4] and stored_text(match[2]) == int(match[1]):
            return int(match[1])
    elif name == "scratch.dat":
        match = re.fullmatch(rb'1,"(.*)"\r\n', data, re.S)
        return stored_text(match[1]) if match else None
    else:
        match = re.fullmatch(rb'"(.*)"\r\n', data, re.S)
        return stored_text(match[1]) if match else None
    return None


def test_a_storm_of_writes_killed_200_times_leaves_every_file_whole(session, stage):
    storm = sys.argv[2]
    names = ["position.dat", "icons.dat", "options.dat", "scratch.dat", "email.dat"]
    names += [f"{slot}.zrn" for slot in range(1, 6)]
    with StagedProgram(session, stage) as program:
        # One full round first, so that every file has a previous version.
        first = subprocess.Popen([storm, program.folder, "0"], stdout=subprocess.DEVNULL)
        wait_for(lambda: all(os.path.exists(os.path.join(program.folder, name)) for name in names), 10,
                 "the storm wrote no full round")
        first.kill()
        first.wait()
        before = {name: program.read(name) for name in names}
        rng = random.Random(int(os.environ.get("CRASH_SEED", time.time_ns())))
        next_round, changed = 1009, 0
        for kill in range(STORM_KILLS):
            proc = subprocess.Popen([storm, program.folder, str(next_round)], stdout=subprocess.PIPE)
            assert proc.stdout.readline() == b"writing\n", "the storm did not start"
            time.sleep(rng.uniform(0, 0.05))
            proc.send_signal(signal.SIGKILL)
            proc.wait()
            proc.stdout.close()
            for name in names:
                data = program.read(name)
                if data == before[name]:
                    continue
                found = round_of(name, data)
                assert found is not None, f"after kill {kill + 1}, {name} is neither its previous nor a new file"
                if name not in ("position.dat", "icons.dat"):
                    assert found >= next_round, f"after kill {kill + 1}, {name} went back to round {found}"
                before[name], changed = data, changed + 1
            # More rounds than a run of at most 50 ms gets through; positions, which hold the round modulo 1000,
            # still differ from one run to the next.
            next_round += 1009
        print(f"{changed} files changed in {STORM_KILLS} kills")
        # Kills must have come during the writing, or the test proved nothing.
        assert changed >= STORM_KILLS // 4, f"only {changed} files changed in {STORM_KILLS} kills"

        # The program starts on what the kills left, and stays.
        proc = program.start()
        program.board(proc)
        time.sleep(1)
        assert proc.poll() is None, "the program ended on the files the kills left"


def test_the_program_killed_while_it_writes_starts_again_past_its_lock(session, stage):
    rng = random.Random(int(os.environ.get("CRASH_SEED", time.time_ns())))
    with StagedProgram(session, stage, {"position.dat": b"0,3000,3000\r\n"}) as program:
        for kill in range(PROGRAM_KILLS):
            proc = program.start()
            # A start that found the killed one still running would say "Oops!" and show no board.
            window = program.board(proc)
            place = session.geometry(window)
            # "Always On &Top" rewrites position.dat; the kill comes at a random moment around it.
            session.xdotool("mousemove", place["x"] + 80, place["y"] + 20, "click", 3)
            session.xdotool("key", "--delay", "20", "t")
            time.sleep(rng.uniform(0, 0.1))
            proc.send_signal(signal.SIGKILL)
            proc.wait()
            assert re.fullmatch(rb"[01],3000,3000\r\n", program.read("position.dat")), program.read("position.dat")
        proc = program.start()
        window = program.board(proc)
        board_menu(session, window, "x")
        wait_exit(proc)


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
