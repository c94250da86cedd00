#!/usr/bin/env bash
# At Qt's scale factor 2 the main window keeps its layout, doubled, and stays
# centred. With SCREENSHOTS=dir, a screenshot is kept there.
set -euo pipefail
binary=$1
source "$(dirname "$0")/xvfb_common.sh"
trap stop_xvfb EXIT
XVFB_SCREEN=1600x1200x24 start_xvfb

QT_SCALE_FACTOR=2 "$binary" &
pid=$!
id=$(wait_window "Velmora")
sleep 0.3
read -r x y w h < <(window_geometry "$id")
echo "main window at $x,$y size ${w}x${h}"
[ -n "${SCREENSHOTS:-}" ] && import -window root -crop "${w}x${h}+${x}+${y}" "$SCREENSHOTS/main_window_scale2.png"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
[ "$w" -eq 530 ] && [ "$h" -eq 402 ] || fail "size ${w}x${h}, not 530x402"
# Centred in logical pixels, so within a pixel of the physical centre.
[ $((x - (1600 - 530) / 2)) -le 1 ] && [ $(((1600 - 530) / 2 - x)) -le 1 ] || fail "x $x"
[ $((y - (1200 - 402) / 2)) -le 1 ] && [ $(((1200 - 402) / 2 - y)) -le 1 ] || fail "y $y"
xdotool windowfocus --sync "$id" key Escape
timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after Esc"
code=0
wait "$pid" || code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
echo "1 passed, 0 failed"
