#!/usr/bin/env python3
"""The layer check finds each kind of wrong include in a small tree, and passes a sound one."""
import os
import subprocess
import sys
import tempfile

CHECK = sys.argv[1]


def tree(files):
    root = tempfile.mkdtemp()
    base = {
        "scripts/layers.txt": "base:\nclassdata: base\n",
        "src/core/base/Text.h": "#pragma once\n#include <string>\n",
        "src/core/classdata/Record.h": '#include "core/base/Text.h"\n',
        "src/core/classdata/Own.h": '#include "core/classdata/Record.h"\n',
        "src/gui/widgets/Grid.h": '#include "core/classdata/Record.h"\n#include <QWidget>\n',
        "src/app/main.cpp": '#include "gui/widgets/Grid.h"\n#include "Local.h"\n',
    }
    base.update(files)
    for path, text in base.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w") as out:
            out.write(text)
    return root


def run(files):
    done = subprocess.run([CHECK, "--root", tree(files)], capture_output=True, text=True)
    return done.returncode, done.stdout


failures = []
code, out = run({})
if code != 0:
    failures.append("a sound tree failed:\n" + out)
cases = [
    ("src/core/base/Up.h", '#include "gui/widgets/Grid.h"\n', "src/core/base/Up.h:1", "a layer above"),
    ("src/gui/widgets/Up.h", '\n#include "app/Driver.h"\n', "src/gui/widgets/Up.h:2", "a layer above"),
    ("src/core/base/Blanks.h", '  #  include "gui/widgets/Grid.h"\n', "src/core/base/Blanks.h:1", "a layer above"),
    ("src/core/base/Qt.h", "#include <QString>\n", "src/core/base/Qt.h:1", "no Qt"),
    ("tests/core/base/T.cpp", "#include <QtCore/QString>\n", "tests/core/base/T.cpp:1", "no Qt"),
    ("src/core/base/Side.h", '#include "core/classdata/Record.h"\n', "src/core/base/Side.h:1", "does not build on"),
    ("src/core/extra/New.h", "", "src/core/extra/New.h", "not in scripts/layers.txt"),
    ("src/gui/widgets/Old.h", '#include "core/program/Gone.h"\n', "src/gui/widgets/Old.h:1", "no such file"),
]
for path, text, where, why in cases:
    code, out = run({path: text})
    if code != 1 or where not in out or why not in out:
        failures.append(f"{path}: expected exit 1 naming '{where}' and '{why}', got {code}:\n{out}")
for failure in failures:
    print(failure)
print(f"{len(cases) + 1 - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
