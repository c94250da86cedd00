#!/usr/bin/env bash
# Builds the .deb, checks its contents and metadata, validates the desktop
# entry and the AppStream file, and starts the packaged binary under Xvfb.
set -euo pipefail
build=$1
version=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
source "$here/../smoke/xvfb_common.sh"
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb="$work/out/velmora_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package"
[ "$(field Version)" = "$version" ] || fail "Version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture"
[ -n "$(field Maintainer)" ] || fail "Maintainer"
[ -n "$(field Description)" ] || fail "Description"
depends=$(field Depends)
echo "depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libicu72 libcurl4 libstdc++6; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/velmora ./usr/share/applications/org.velmora.Velmora.desktop \
            ./usr/share/icons/hicolor/64x64/apps/velmora.png \
            ./usr/share/icons/hicolor/scalable/apps/velmora.svg \
            ./usr/share/metainfo/org.velmora.Velmora.metainfo.xml; do
  grep -qx "$path" <<<"$contents" || fail "package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.velmora.Velmora.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" ||
  fail "appstreamcli validate"

start_xvfb
"$work/root/usr/bin/velmora" &
pid=$!
id=$(wait_window "Velmora") || { kill "$pid"; fail "the packaged program showed no window"; }
xdotool windowfocus --sync "$id" key Escape
timeout 10 tail --pid="$pid" -f /dev/null || { kill "$pid"; fail "still running after Esc"; }
code=0
wait "$pid" || code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
echo "1 passed, 0 failed"
