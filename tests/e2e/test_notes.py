"""End-to-end tests of the notes and the scratch pad: the staged program under Xvfb, driven by xdotool."""

import os
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_board import PAD_BOX, board_menu, menu, wait_exit  # noqa: E402
from xsession import StagedProgram, pixels, run_cases, wait_for  # noqa: E402

# Where a person clicks on the board, in pixels from its top-left corner.
NOTE_ICON = {1: (20, 14), 2: (48, 14)}
EMPTY_BOARD = (64, 14)
PAD_OPTIONS = (10, 31)
PAD_TEXT = (80, 60)


def click(session, board, where, *options):
    place = session.geometry(board)
    session.xdotool("mousemove", place["x"] + where[0], place["y"] + where[1], "click", *options)


def answer(session, proc, title, key):
    session.xdotool("windowactivate", "--sync", session.window(title, proc.pid), "key", key)


def test_a_note_written_in_the_editor_is_on_the_board_at_the_next_start_and_a_deleted_one_in_the_trash(session, stage):
    with StagedProgram(session, stage) as program:
        proc = program.start()
        board = program.board(proc)
        board_menu(session, board, "n")
        # A new editor comes up with the keyboard's focus, ready to type in.
        wait_for(lambda: session.xdotool("getactivewindow", "getwindowname").stdout.strip() == "New Note", 10,
                 "the note editor did not take the focus")
        session.xdotool("type", "--delay", "20", "Buy milk")
        session.xdotool("key", "Return")
        session.xdotool("type", "--delay", "20", "Call Bob")
        session.xdotool("key", "ctrl+s", "ctrl+l")
        wait_for(lambda: not session.windows("New Note", proc.pid), 10, "C&lose left the editor open")
        assert program.read("1.zrn") == b'"Buy milk\r\nCall Bob"\r\n', program.read("1.zrn")
        board_menu(session, board, "x")
        wait_exit(proc)

        # Started again, with another note laid in: the first opens in the editor, the other goes to the trash.
        program.write("2.zrn", b'"old note"\r\n')
        data_home = os.path.join(program.dir, "data")
        os.makedirs(data_home)
        proc = program.start(XDG_DATA_HOME=data_home)
        board = program.board(proc)
        click(session, board, NOTE_ICON[1], "--repeat", "2", "--delay", "80", "1")
        session.window(os.path.join(program.folder, "1.zrn"), proc.pid)
        assert not os.path.exists(os.path.join(program.folder, "TEMP"))
        place = session.geometry(board)
        menu(session, place["x"] + NOTE_ICON[2][0], place["y"] + NOTE_ICON[2][1], "d")
        wait_for(lambda: not os.path.exists(os.path.join(program.folder, "2.zrn")), 5, "2.zrn is still there")
        with open(os.path.join(data_home, "Trash", "files", "2.zrn"), "rb") as trashed:
            assert trashed.read() == b'"old note"\r\n'


def test_the_scratch_pad_saves_every_key_and_comes_back(session, stage):
    with StagedProgram(session, stage) as program:
        proc = program.start()
        board = program.board(proc)
        closed = pixels(session, board, PAD_BOX)
        click(session, board, EMPTY_BOARD, "--repeat", "2", "--delay", "80", "1")
        # The pad's options button is there to click once the pad has opened over the board.
        wait_for(lambda: pixels(session, board, PAD_BOX) != closed, 5, "the scratch pad did not open")
        place = session.geometry(board)
        menu(session, place["x"] + PAD_OPTIONS[0], place["y"] + PAD_OPTIONS[1], "a", button=1)
        wait_for(lambda: program.read("autosave.dat") == b"1,1\r\n", 5,
                 lambda: f"autosave.dat holds {program.read('autosave.dat')}")
        click(session, board, PAD_TEXT, "1")
        session.xdotool("type", "--delay", "20", "hello pad")
        wait_for(lambda: program.read("scratch.dat") == b'1,"hello pad"\r\n', 5,
                 lambda: f"scratch.dat holds {program.read('scratch.dat')}")
        # Killed, it has lost nothing; started again, the pad is open with the text, and the exit asks about it.
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        proc = program.start()
        board = program.board(proc)
        board_menu(session, board, "x")
        answer(session, proc, "Scratch Pad", "n")
        wait_exit(proc)
        assert program.read("scratch.dat") == b'0,"hello pad"\r\n', program.read("scratch.dat")


if __name__ == "__main__":
    sys.exit(run_cases(globals(), sys.argv[1]))
