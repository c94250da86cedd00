#!/usr/bin/env bash
# cmake --install into a fresh prefix gives exactly the expected files.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
actual=$(cd "$prefix" && find . -type f | sort)
expected=$(printf '%s\n' \
  ./bin/velmora \
  ./share/applications/org.velmora.Velmora.desktop \
  ./share/doc/velmora/copyright \
  ./share/icons/hicolor/64x64/apps/velmora.png \
  ./share/icons/hicolor/scalable/apps/velmora.svg \
  ./share/metainfo/org.velmora.Velmora.metainfo.xml | sort)
if [ "$actual" != "$expected" ]; then
  echo "FAIL: installed files differ"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
file_type=$(head -c 8 "$prefix/share/icons/hicolor/64x64/apps/velmora.png" | od -An -tx1 | tr -d ' \n')
[ "$file_type" = "89504e470d0a1a0a" ] || { echo "FAIL: the icon is no PNG"; exit 1; }
echo "1 passed, 0 failed"
