#!/usr/bin/env bash
# The main window's class grid read through the real accessibility bus, as a screen reader reads
# it: the program runs on an X display of its own (Xvfb) with a D-Bus session of its own, in which
# the accessibility bus and its registry start when first asked for (at-spi2-core), and
# read_class_grid.py reads the grid there with pyatspi. Given a favourites file, hear_changes.py
# then types keys in the main window, Comment Selection and Initial Values Setup (xdotool) and
# listens for what each of them tells a screen reader.
#
#     check-bus.sh <program> <class file> [<favourites file>]
#
# Everything it starts ends with it; every wait gives up after a while.
set -euo pipefail

program=$1
class_file=$2
favourites=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
# The system's Python, which has the pyatspi of the at-spi2 packages.
python=${TQ_A11Y_PYTHON:-/usr/bin/python3}

for tool in Xvfb dbus-run-session "$python"; do
  command -v "$tool" >/dev/null || { echo "check-bus: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb takes a display number no other server has and tells it on the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; echo "check-bus: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "check-bus: Xvfb gave no display" >&2; exit 1; }

# A home of its own: the program keeps its recovery copies and settings there.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config" \
       XDG_DATA_HOME="$work/home/.local/share" NO_AT_BRIDGE=0
# In a sanitized build: the X keyboard library that the X platform of Qt loads (libxkbcommon-x11)
# hands strndup key names that end at their length rather than at a NUL, which strict string
# checks take for an overflow; the system library, not the program, so only those checks are off.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
# dbus-run-session ends its bus, and the accessibility bus started on it, when the reader ends.
timeout -k 5 120 dbus-run-session -- "$python" "$here/read_class_grid.py" "$program" "$class_file"
if [ -n "$favourites" ]; then
  command -v xdotool >/dev/null || { echo "check-bus: xdotool is missing (scripts/install-deps installs it)" >&2; exit 1; }
  timeout -k 5 240 dbus-run-session -- "$python" "$here/hear_changes.py" "$program" "$class_file" "$favourites"
fi
