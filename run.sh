#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset release -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build --preset release --target velmora

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "error: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
  exit 1
fi
exec ./build/release/velmora
