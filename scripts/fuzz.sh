#!/usr/bin/env bash
# Fuzzes the portable version-information layer (the morvane_version library)
# with libFuzzer for a bounded time.
#
#   scripts/fuzz.sh [seconds]        default: 60
#
# Configures build-fuzz/ with clang and MORVANE_BUILD_FUZZ, builds the fuzzer
# (-fsanitize=fuzzer,address,undefined) and its seeds (the fuzz_seeds target:
# the version fixtures, made by the real tools from the .rc scripts in
# tests/version/fixtures/), and runs it. Exits non-zero when the fuzzer finds
# a crash, a leak or undefined behaviour; the failing input is left in
# build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
tool() { command -v "$1" || command -v "$1-14" || { echo "fuzz: $1 not found" >&2; exit 1; }; }

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER="$(tool clang)" -DCMAKE_CXX_COMPILER="$(tool clang++)" \
  -DMORVANE_BUILD_FUZZ=ON -DMORVANE_BUILD_UI=OFF -DMORVANE_BUILD_BENCH=OFF
cmake --build build-fuzz -j 2 --target morvane_version_fuzzer fuzz_seeds

echo "== fuzzing for ${seconds}s =="
cd build-fuzz
mkdir -p corpus
fuzz/morvane_version_fuzzer -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  corpus fuzz/seeds
