#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite: the release build's
# tests, the same suite under AddressSanitizer with UndefinedBehaviorSanitizer,
# the HTTP and threading tests under ThreadSanitizer, and the fuzz targets for a
# bounded time. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

FUZZ_SECONDS="${FUZZ_SECONDS:-20}"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

section() { printf '\n==== %s ====\n' "$*"; }

section "formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

section "release build and tests"
cmake --preset release -DVELMORA_BUILD_TESTS=ON -DVELMORA_BUILD_BENCH=ON >/dev/null
cmake --build --preset release
ctest --preset release -j2 --no-tests=error

section "AddressSanitizer + UndefinedBehaviorSanitizer"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2 --no-tests=error

section "ThreadSanitizer (HTTP and threading tests)"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan -j2 --no-tests=error -L "^(text|http|shortlink)$"

section "fuzz targets (${FUZZ_SECONDS} s each)"
if command -v clang++ >/dev/null 2>&1; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    echo "-- $name"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    "$target" -max_total_time="$FUZZ_SECONDS" -max_len=4096 -close_fd_mask=3 \
      "$corpus" "${seeds[@]}" 2>&1 | tail -n 2
  done
else
  echo "clang++ not found: fuzz targets skipped"
fi

section "all passed"
