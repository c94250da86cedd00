#!/usr/bin/env bash
# The real program under Xvfb: its main window appears centred, Esc closes it,
# and the program ends with exit code 0.
set -euo pipefail
binary=$1
source "$(dirname "$0")/xvfb_common.sh"
trap stop_xvfb EXIT
start_xvfb

"$binary" &
pid=$!
id=$(wait_window "Velmora")
read -r x y w h < <(window_geometry "$id")
echo "main window at $x,$y size ${w}x${h}"
[ "$x" -eq $(((1024 - 265) / 2)) ] && [ "$y" -eq $(((768 - 201) / 2)) ] ||
  { echo "FAIL: not centred"; kill "$pid"; exit 1; }
[ "$w" -eq 265 ] && [ "$h" -eq 201 ] || { echo "FAIL: size ${w}x${h}"; kill "$pid"; exit 1; }

xdotool windowfocus --sync "$id"
xdotool key Escape
code=0
timeout 10 tail --pid="$pid" -f /dev/null || { echo "FAIL: still running after Esc"; kill "$pid"; exit 1; }
wait "$pid" || code=$?
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "1 passed, 0 failed"
