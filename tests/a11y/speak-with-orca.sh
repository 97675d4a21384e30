#!/usr/bin/env bash
# By hand, not part of the test command: what the Orca screen reader speaks while hear_changes.py
# types its keys in the program. Orca (apt: orca speech-dispatcher) runs in the program's D-Bus
# session and X display, with speech-dispatcher's dummy output module (no sound), and its
# "SPEECH OUTPUT" lines are printed at the end.
#
#     speak-with-orca.sh <program> <class file> <favourites file>
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
python=${TQ_A11Y_PYTHON:-/usr/bin/python3}
for tool in Xvfb dbus-run-session orca speech-dispatcher xdotool; do
  command -v "$tool" >/dev/null || { echo "speak-with-orca: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; echo "(Orca debug log kept in $work/orca.debug)"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done

mkdir -p "$work/home/.config/speech-dispatcher" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/home/.config/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
CONF
export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config" \
       XDG_DATA_HOME="$work/home/.local/share" NO_AT_BRIDGE=0 GTK_MODULES="" \
       TQ_KEY_PAUSE=${TQ_KEY_PAUSE:-1.5}

timeout -k 5 600 dbus-run-session -- bash -c '
  "$0" "$1/orca_flushed.py" --debug-file "$2/orca.debug" >"$2/orca.out" 2>&1 &
  orca=$!
  sleep 8
  "$0" "$1/hear_changes.py" "$3" "$4" "$5"
  sleep 3
  kill $orca 2>/dev/null; wait $orca 2>/dev/null
' "$python" "$here" "$work" "$1" "$2" "$3"
grep "SPEECH OUTPUT" "$work/orca.debug"
