#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: once in a normal
# build (build/) and once under AddressSanitizer + UndefinedBehaviorSanitizer
# (build-asan/), which halts on the first report. The normal build's Wayland
# stages (label wayland: window tests and the program, each in a private
# headless session) run as steps of their own, one per compositor: weston,
# GNOME's mutter (label gnome) and Plasma's KWin (label plasma). In between, the
# version-information reader is fuzzed for a minute. Last, the date core and
# the version reader are cross-built for Windows (build-windows/) and their
# tests run under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== normal build =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE wayland

echo "== Wayland stage (headless weston) =="
ctest --test-dir build --output-on-failure -j "$jobs" -L weston

echo "== GNOME stage (headless mutter) =="
ctest --test-dir build --output-on-failure -j "$jobs" -L gnome

echo "== Plasma stage (headless KWin) =="
ctest --test-dir build --output-on-failure -j "$jobs" -L plasma

echo "== fuzzing the version-information reader (60 s) =="
bash scripts/fuzz.sh 60

echo "== sanitizer build (ASan + UBSan) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVANE_SANITIZE=ON \
  -DMORVANE_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE no-sanitize

echo "== Windows build under wine =="
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
cmake --build build-windows -j "$jobs"
ctest --test-dir build-windows --output-on-failure -j "$jobs"
