#!/usr/bin/env bash
# End to end: the real program, built to use a local shortening service, under
# Xvfb. Type two names, press "生成网址", press "复制网址", and find the short
# link on the X clipboard. With SCREENSHOTS=dir, screenshots are kept there.
set -euo pipefail
binary=$1
shortener=$2
port=$3
source "$(dirname "$0")/xvfb_common.sh"
work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${service_pid:-}" ] && kill "$service_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb
shot() { [ -n "${SCREENSHOTS:-}" ] && import -window root "$SCREENSHOTS/$1.png" || true; }

"$shortener" "$port" "http://s.example/e2e" >"$work/service.log" &
service_pid=$!
for _ in $(seq 1 100); do grep -q READY "$work/service.log" && break; sleep 0.05; done

"$binary" &
app_pid=$!
main=$(wait_window "Velmora")
xdotool windowfocus --sync "$main"
click_at "$main" 150 28 && xdotool type --delay 20 "Tom"
click_at "$main" 150 76 && xdotool type --delay 20 "Amy"
shot main_window
click_at "$main" 180 132

result=$(wait_window "Velmora  生成结果")
sleep 0.3
shot result_window
click_at "$result" 56 120
box=$(wait_window "信息：")
sleep 0.2
copied=$(xclip -o -selection clipboard)
echo "clipboard: $copied"
[ "$copied" = "http://s.example/e2e" ] || { echo "FAIL: clipboard holds '$copied'"; exit 1; }
grep -q "REQUEST POST /index.php/url/shorten HTTP/1.1" "$work/service.log" ||
  { echo "FAIL: no request reached the service"; cat "$work/service.log"; exit 1; }

xdotool windowfocus --sync "$box" key Return
sleep 0.2
xdotool windowfocus --sync "$result" key Escape
sleep 0.2
xdotool windowfocus --sync "$main" key Escape
code=0
timeout 10 tail --pid="$app_pid" -f /dev/null || { echo "FAIL: still running"; exit 1; }
wait "$app_pid" || code=$?
app_pid=""
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "1 passed, 0 failed"
