"""Orca with every line of its debug file written out at once (Orca buffers that file, so what it
spoke is otherwise seen only when it ends). Takes Orca's own arguments."""
import runpy
import sys

from orca import debug

_println = debug.println


def println(level, text="", timestamp=False):
    _println(level, text, timestamp)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
