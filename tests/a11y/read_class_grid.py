"""Reads the main window's class grid the way a screen reader does: through the accessibility
bus (AT-SPI), as a table. Starts the program on the class file given, driven through its
standard input so that no start-up window stands in the way (TQ_TEST_DRIVER=1), finds the
grid among the program's accessible objects, and checks that the table holds the class file's
students, with their names and marks under the headings LAST, FIRST and MRK. Then it reads the
details panel under the grid and, in the eFile window, the verification report as texts a
screen reader reaches by Tab and reads line by line.

    read_class_grid.py <program> <class file>

Run it on an X display with a session bus of its own (check-bus.sh does). It ends the program
whatever happens, and gives up on every wait after a while rather than hang."""
import csv
import os
import select
import subprocess
import sys
import time

import pyatspi

GRID_NAME = "Class: marks, comments and learning skills"
WAIT_SECONDS = 60


def fail(message):
    print("check-bus: " + message, file=sys.stderr)
    sys.exit(1)


def class_file_students(path):
    """(last name, first name, mark) of each student of a class file (Windows-1252 text)."""
    with open(path, encoding="cp1252", newline="") as f:
        return [(row[1], row[2], row[9]) for row in csv.reader(f) if len(row) > 9]


def start_program(program, class_file):
    env = dict(os.environ)
    env.update({"TQ_TEST_DRIVER": "1", "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    return subprocess.Popen([program, class_file], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            env=env, text=True, bufsize=1)


def read_until(process, last, waiting_for):
    """The lines the program says before the one for which last() holds."""
    said = []
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        ready, _, _ = select.select([process.stdout], [], [], 1.0)
        if not ready:
            continue
        line = process.stdout.readline()
        if not line:
            fail("the program ended while waiting for %s" % waiting_for)
        line = line.rstrip("\n")
        if last(line):
            return said
        said.append(line)
    fail("the program did not answer %s" % waiting_for)


def wait_until_ready(process):
    read_until(process, lambda line: line.strip() == "ready", "its start")


def find(accessible, wanted, budget):
    """The first object under `accessible` (breadth first) for which wanted() holds."""
    queue = [accessible]
    while queue and budget > 0:
        budget -= 1
        node = queue.pop(0)
        if node is None:
            continue
        if wanted(node):
            return node
        if node.getRole() != pyatspi.ROLE_TABLE:  # a table's children are its cells
            queue.extend(node[i] for i in range(node.childCount))
    return None


def find_object(pid, wanted, budget, missing):
    """The first of the program's accessible objects for which wanted() holds, once it is there."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop[i] for i in range(desktop.childCount)):
            if app is not None and app.get_process_id() == pid:
                found = find(app, wanted, budget)
                if found is not None:
                    return found
        time.sleep(0.5)
    fail(missing)


def find_grid(pid):
    return find_object(pid, lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == GRID_NAME, 2000,
                       "no table named '%s' among the program's accessible objects" % GRID_NAME)


def read_table(grid):
    table = grid.queryTable()
    headings = [table.getColumnDescription(c) for c in range(table.nColumns)]
    for needed in ("LAST", "FIRST", "MRK"):
        if needed not in headings:
            fail("no column headed %s; the headings read are %s" % (needed, headings))
    header_cells = [table.getColumnHeader(c) for c in range(table.nColumns)]
    if [cell.name if cell is not None else None for cell in header_cells] != headings:
        fail("the column header cells do not read as the headings %s" % headings)
    columns = [headings.index(h) for h in ("LAST", "FIRST", "MRK")]
    return [tuple(table.getAccessibleAt(r, c).name for c in columns) for r in range(table.nRows)]


def send(process, command):
    """Runs one driver command; the lines the program said on the way, up to its answer."""
    process.stdin.write(command + "\n")
    process.stdin.flush()
    return read_until(process, lambda line: line.startswith(("done ", "error ")), "'%s'" % command)


def find_text(pid, name):
    """The read-only text named `name` among the program's objects on show."""
    return find_object(pid, lambda a: a.getRole() == pyatspi.ROLE_TEXT and a.name == name
                       and a.getState().contains(pyatspi.STATE_SHOWING), 4000,
                       "no text named '%s' on show among the program's accessible objects" % name)


def reachable_lines(text_object, what):
    """The lines of a text a screen reader reaches by Tab and reads by the caret."""
    if not text_object.getState().contains(pyatspi.STATE_FOCUSABLE):
        fail("the %s cannot take the keyboard" % what)
    text = text_object.queryText()
    lines = text.getText(0, -1).split("\n")
    caret_line = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0].rstrip("\n")
    # A line wider than the text is read as it wraps on screen: its first part.
    if not caret_line.strip() or not lines[0].startswith(caret_line):
        fail("the %s does not read line by line: its first line reads '%s'" % (what, caret_line))
    return lines


def check_details_panel(pid, students):
    """The details panel under the grid reads a field a line, the student's name among them."""
    lines = reachable_lines(find_text(pid, "Student details"), "details panel")
    names = {"Name: %s, %s" % (last, first) for last, first, _ in students}
    if not lines[0].startswith("Number: ") or not names.intersection(lines):
        fail("the details panel does not read a student's number and name a line each: %s" % lines[:4])
    print("check-bus: the details panel read as text, %d lines, from '%s'" % (len(lines), lines[0]))


def check_efile_report(process):
    """The eFile window's verification report reads as text, line by line."""
    said = send(process, "menu mnuExport")
    lines = reachable_lines(find_text(process.pid, "Verification report"), "eFile report")
    if not any(line.strip() for line in lines):
        fail("the eFile report is empty (the program said %s)" % said)
    print("check-bus: the eFile report read as text, %d lines" % len(lines))


def main():
    program, class_file = sys.argv[1], sys.argv[2]
    expected = class_file_students(class_file)
    process = start_program(program, class_file)
    try:
        wait_until_ready(process)
        rows = read_table(find_grid(process.pid))
        check_details_panel(process.pid, expected)
        check_efile_report(process)
    finally:
        process.stdin.close()  # the driven program ends when its input does
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    if len(rows) != len(expected):
        fail("the table has %d rows for the class's %d students" % (len(rows), len(expected)))
    if sorted(rows) != sorted(expected):
        missing = sorted(set(expected) - set(rows))
        fail("the table does not hold the class's names and marks; not read: %s" % missing[:5])
    print("check-bus: the class grid read as a table of %d students with their names and marks" % len(rows))


if __name__ == "__main__":
    main()
