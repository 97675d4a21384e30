"""What a screen reader hears while the teacher works by keys alone: the keys are typed on the X
display (xdotool), and the events the program raises on the accessibility bus are listened to as
a screen reader listens to them. Every action must raise an event that carries its new value or
the student's (or range's) name: in the main window, the mark box and the code box named for the
student, a stored mark with the next student, a rating, Delete, a flag, a placed code, the view
switch and the over-long comment warning; in the free-form comment, each misspelt word the caret
lands on, the full comment once, and the keyboard back in the grid after the comment is thrown
away; in Comment Selection, the number of comments a search found and a drop-down list read with
its caption and choice, and its new choice; in Initial Values Setup, a placed code and a rating of
a range; in the eFile window, the report that has the keyboard.

    hear_changes.py <program> <class file> <favourites file>

Run it on an X display with a session bus of its own (check-bus.sh does). It ends the program
whatever happens, and gives up on every wait after a while rather than hang."""
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from read_class_grid import fail, find_grid, start_program, wait_until_ready

WAIT_SECONDS = 15
RANGES_NAME = "Initial value ranges"
# A notification coming up: what a screen reader says of itself, not read with a control.
SAID = "object:state-changed:showing"


class Listener:
    """The events a screen reader acts on, each with the words it would have to say."""

    KINDS = ("object:state-changed:focused", "object:state-changed:showing",
             "object:property-change:accessible-description", "object:property-change:accessible-name")

    def __init__(self, program):
        self.program = program
        self.heard = []
        pyatspi.Registry.registerEventListener(self.on_event, *self.KINDS)

    def on_event(self, event):
        if event.type.startswith("object:state-changed:") and not event.detail1:
            return
        try:
            words = [event.source.name or "", event.source.description or ""]
        except Exception:  # the object went away meanwhile
            words = []
        if isinstance(event.any_data, str):
            words.append(event.any_data)
        self.heard.append((event.type, " | ".join(w for w in words if w)))

    def pump(self, seconds):
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            self.program.answer_dialogs()
            time.sleep(0.02)

    def expect(self, what, *needed, kind=None):
        """Waits until an event since the last expectation (of `kind`, when given) says every one
        of `needed`."""
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            for heard_kind, words in self.heard:
                if all(n in words for n in needed) and kind in (None, heard_kind):
                    self.heard = []
                    print("check-bus: %s: heard \"%s\"" % (what, words))
                    return words
            self.pump(0.1)
        fail("%s: no event said %s; heard %s" % (what, needed, self.heard[-8:]))


class Program:
    """The program driven through its standard input, with its dialogs answered."""

    def __init__(self, path, class_file, favourites):
        self.favourites = favourites
        self.process = start_program(path, class_file)
        self.pending = ""

    def lines(self):
        out = []
        while True:
            ready, _, _ = select.select([self.process.stdout], [], [], 0)
            if not ready:
                return out
            line = self.process.stdout.readline()
            if not line:
                fail("the program ended")
            out.append(line.strip())

    def say(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def answer_dialogs(self):
        for line in self.lines():
            if line.startswith("question"):
                self.say("yes")
            elif line.startswith("open-file"):
                self.say(self.favourites)
            elif line.startswith("save-file") or line.startswith("input"):
                self.say("")

    def command(self, line, listener):
        self.say(line)
        listener.pump(0.5)

    def end(self):
        self.process.stdin.close()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


# The pause after each key; a screen reader that is slower than the keys skips what is outdated
# by the time it comes to it, so listening with one by hand wants a longer pause.
KEY_PAUSE = float(os.environ.get("TQ_KEY_PAUSE", "0.15"))


def keys(listener, *names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        listener.pump(KEY_PAUSE)


def focus_window_of(pid, listener, title_part):
    """Gives the X keyboard focus to the program's visible window whose title holds `title_part`,
    as a window manager does when the window comes up."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               capture_output=True, text=True).stdout.split()
        for window in found:
            name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True).stdout
            if title_part in name:
                subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
                listener.pump(0.5)
                return
        listener.pump(0.3)
    fail("no window titled '...%s...' came up" % title_part)


def student_names(pid):
    """'LAST FIRST' of each row of the class grid, as the table reads it."""
    table = find_grid(pid).queryTable()
    headings = [table.getColumnDescription(c) for c in range(table.nColumns)]
    last, first = headings.index("LAST"), headings.index("FIRST")
    return ["%s %s" % (table.getAccessibleAt(r, last).name, table.getAccessibleAt(r, first).name)
            for r in range(table.nRows)]


def main_window(program, heard, names):
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")
    program.command("click 1 3 left", heard)
    keys(heard, "Down")
    heard.expect("the move to the next student", "MRK", names[1])
    keys(heard, "7")
    heard.expect("the mark box", "Mark for " + names[1])
    keys(heard, "5", "Return")
    heard.expect("the stored mark", "Mark 75 stored for " + names[1], "Next: " + names[2])
    keys(heard, "Up", "Right", "Right", "Right", "ctrl+l")
    heard.expect("the view switch", "Learning skills view", "MRK", names[1])
    keys(heard, "Right", "2")
    heard.expect("a rating", "R 2, " + names[1])
    keys(heard, "Delete")
    heard.expect("Delete", "R empty, " + names[1])
    keys(heard, "End", "space")
    heard.expect("a flag", "T Y, " + names[1])
    keys(heard, "ctrl+l")
    heard.expect("the view switch back", "Comments view", names[1])
    keys(heard, "Right", "0")
    heard.expect("the code box", "Comment code, CM1, " + names[1])
    keys(heard, "7", "0", "1", "Return")
    heard.expect("a placed code", "CM1 0701, " + names[1])
    # Down the class to a student whose comment is over the limit: the warning is said.
    keys(heard, "ctrl+Home", "Left", "Left", "Left", "Left")
    for _ in names:
        keys(heard, "Down")
        if any("TQ8A" in words for _, words in heard.heard):
            break
    heard.expect("the over-long comment warning", "TQ8A: Trillium Comment Length Exceeded")


def undo_and_redo(heard, names):
    """Undo and Redo by their keys say what they took back or put back: the code placed last."""
    keys(heard, "ctrl+z")
    heard.expect("an undo", "Undone: a comment code for " + names[1])
    keys(heard, "ctrl+y")
    heard.expect("a redo", "Redone: a comment code for " + names[1])


def comment_selection(program, heard, names):
    program.command("menu mnuSelection", heard)
    focus_window_of(program.process.pid, heard, "Comment Selection")
    keys(heard, "r", "e", "a", "d", "Return")
    heard.expect("a search", "comments found")
    # Back from the first keyword to the last filter: read with its caption and its choice, and
    # a new choice is said by itself.
    keys(heard, "Home", "shift+Tab")
    heard.expect("a drop-down list", "Department, All")
    keys(heard, "Down")
    heard.expect("a new choice", "Dance.", kind=SAID)
    keys(heard, "Up", "Escape")
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")
    heard.expect("arriving back in the grid", "MRK")


def free_form(program, heard, names):
    """F2 from the grid: misspelt words said as the caret lands on them; the full comment said
    once; Escape and Yes throw the text away and the keys go to the grid again, no window to
    be chosen first."""
    program.command("click 1 3 left", heard)
    keys(heard, "F2")
    focus_window_of(program.process.pid, heard, "Free Form")
    keys(heard, "ctrl+End", "space", "w", "r", "t", "e", "s", "space", "t", "h", "n", "g", "s", "space")
    keys(heard, "ctrl+Left")
    heard.expect("the caret on a misspelt word", "thngs, misspelt", kind=SAID)
    keys(heard, "ctrl+Left")
    heard.expect("the caret on the misspelt word before it", "wrtes, misspelt", kind=SAID)
    keys(heard, "Escape")  # the question is answered Yes
    heard.pump(1)
    keys(heard, "Down")
    heard.expect("keys in the grid after the comment was thrown away", "MRK", names[1])
    # A comment one character short of the limit, then the last character: said once, and
    # again only after the comment went below the limit.
    program.command("freeform 2 " + "x" * 459, heard)
    focus_window_of(program.process.pid, heard, "Free Form")
    keys(heard, "ctrl+End", "y")
    heard.expect("the full comment", "The comment is full: 460 characters.", kind=SAID)
    keys(heard, "z")
    heard.pump(1)
    if any(kind == SAID and "The comment is full" in words for kind, words in heard.heard):
        fail("the full comment was said again while it stayed full")
    keys(heard, "BackSpace", "y")
    heard.expect("the full comment again", "The comment is full: 460 characters.", kind=SAID)
    keys(heard, "Escape")
    heard.pump(1)
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")


def efile(program, heard):
    """The eFile window of a class with problems comes up with the keyboard on its report."""
    program.command("menu mnuExport", heard)
    focus_window_of(program.process.pid, heard, "eFile")
    heard.expect("the eFile window's first stop", "Verification report")
    keys(heard, "Escape")
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")


def initial_values(program, heard):
    program.command("menu mnuAutoFill", heard)
    focus_window_of(program.process.pid, heard, "Initial Values")
    for _ in range(25):
        if any(RANGES_NAME in words or "range " in words for _, words in heard.heard):
            break
        keys(heard, "Tab")
    keys(heard, "ctrl+Home", "Home", "0")
    heard.expect("the code box of a range", "Comment code, CM1, range ")
    keys(heard, "7", "0", "2", "Return")
    heard.expect("a code placed for a range", "CM1 0702, range ")
    keys(heard, "End", "2")
    heard.expect("a rating of a range", "S 2, range ")
    keys(heard, "Escape")


# --- Previews and lists: every cell of the import's preview says its column, and every list says
# its current item as the keyboard reaches it.

from read_class_grid import find_object  # noqa: E402  (kept with the block that uses it)

MARKBOOK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "markbook", "platform-grades.csv")


def preview_cells(program, heard):
    """The preview of a markbook opens on its first student; each cell says what it is."""
    # The open-file dialog is answered with the markbook this once.
    favourites, program.favourites = program.favourites, MARKBOOK
    try:
        program.command("menu mnuImportMarks", heard)
        focus_window_of(program.process.pid, heard, "Import Marks")
        heard.expect("the preview's current student", "Ahmed, Layla")
    finally:
        program.favourites = favourites
    keys(heard, "Right")
    heard.expect("an old mark", "old mark 89")
    keys(heard, "Right", "Right")
    heard.expect("the markbook's row", "row 2")
    keys(heard, "Escape")
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")


def list_current_item(program, heard):
    """Tab onto the comments a search found: the first is said, and Down says the second."""
    program.command("menu mnuSelection", heard)
    focus_window_of(program.process.pid, heard, "Comment Selection")
    keys(heard, "r", "e", "a", "d", "Return")
    heard.expect("a search", "comments found")
    found = find_object(program.process.pid,
                        lambda a: a.getRole() == pyatspi.ROLE_LIST and a.name == "Comments found", 2000,
                        "no list named 'Comments found'")
    first, second = found.getChildAtIndex(0).name, found.getChildAtIndex(1).name
    for _ in range(15):
        keys(heard, "Tab")
        if any(first in words for _, words in heard.heard):
            break
    heard.expect("the first comment found, reached", first)
    keys(heard, "Down")
    heard.expect("the second comment found", second)
    keys(heard, "Escape")
    focus_window_of(program.process.pid, heard, "Mark / Phrase Entry")


def menu_item_keys(program, heard):
    """A menu item gives its keys as the part of its key binding a screen reader says with it."""
    keys(heard, "alt+f")
    item = find_object(program.process.pid,
                       lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Open Favourites", 3000,
                       "no menu item named 'Open Favourites'")
    binding = item.queryAction().getKeyBinding(0)
    if binding.split(";")[-1] != "Ctrl+O":
        fail("'Open Favourites' gives the key binding '%s', not one ending in ';Ctrl+O'" % binding)
    print("check-bus: a menu item's keys: key binding \"%s\"" % binding)
    keys(heard, "Escape", "Escape")


def main():
    program_path, class_file, favourites = sys.argv[1], sys.argv[2], sys.argv[3]
    for tool in ("xdotool",):
        if shutil.which(tool) is None:
            fail("%s is missing (scripts/install-deps installs it)" % tool)
    work = tempfile.mkdtemp()
    # The favourites are saved on leaving Initial Values Setup: a copy of the file is worked on.
    own_favourites = os.path.join(work, os.path.basename(favourites))
    shutil.copy(favourites, own_favourites)
    program = Program(program_path, class_file, own_favourites)
    try:
        wait_until_ready(program.process)
        heard = Listener(program)
        names = student_names(program.process.pid)
        main_window(program, heard, names)
        undo_and_redo(heard, names)
        free_form(program, heard, names)
        efile(program, heard)
        comment_selection(program, heard, names)
        initial_values(program, heard)
        preview_cells(program, heard)
        list_current_item(program, heard)
        menu_item_keys(program, heard)
    finally:
        program.end()
        shutil.rmtree(work, ignore_errors=True)
    print("check-bus: every change was heard with its value and whose it is")


if __name__ == "__main__":
    main()
