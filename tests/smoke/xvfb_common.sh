# Shared by the tests that run the real program under Xvfb, on a display of
# their own. Sourced; defines start_xvfb, wait_window, window_geometry.

start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local display
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
}

stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }

# Waits for a shown (mapped) window with exactly this title and prints its id.
wait_window() {
  local title=$1 id=""
  for _ in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  echo "no window titled '$title' appeared" >&2
  return 1
}

# Prints "x y width height" of a window.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                           /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# Clicks at a point of a window's client area.
click_at() {
  local id=$1 x=$2 y=$3 wx wy _w _h
  read -r wx wy _w _h < <(window_geometry "$id")
  xdotool mousemove --sync $((wx + x)) $((wy + y)) click 1
}
