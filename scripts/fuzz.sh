#!/usr/bin/env bash
# Fuzzes the portable version-information layer (version/VersionResource.cpp)
# with libFuzzer for a bounded time.
#
#   scripts/fuzz.sh [seconds]        default: 60
#
# Builds the fuzzer with clang (-fsanitize=fuzzer,address,undefined) into
# build-fuzz/, makes a seed corpus with the real tools from the .rc scripts in
# tests/version/fixtures/ (raw version blocks, PE32+ and PE32 DLLs, ELF32 and
# ELF64 objects in both byte orders, a linked ELF64 file with and without its
# section headers), and runs the fuzzer. Exits non-zero when the fuzzer finds
# a crash, a leak or undefined behaviour; the failing input is left in
# build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
out=build-fuzz
tool() { command -v "$1" || command -v "$1-14" || { echo "fuzz: $1 not found" >&2; exit 1; }; }
clang=$(tool clang)
clangxx=$(tool clang++)
rc=$(tool llvm-rc)
lld_link=$(tool lld-link)
objcopy=$(tool llvm-objcopy)

# Seeds are remade on every run; corpus/ keeps what earlier runs found.
rm -rf "$out/seeds"
mkdir -p "$out/seeds" "$out/corpus" "$out/work"

echo "== building the fuzzer =="
"$clangxx" -std=c++20 -O1 -g -Wall -Wextra -Wpedantic \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Iversion version/VersionResource.cpp fuzz/VersionInfoFuzzer.cpp \
  -o "$out/version_fuzzer"
"$clangxx" -std=c++20 -O1 version/tools/ResExtract.cpp -o "$out/res_extract"

echo "== making seeds =="
echo 'int version_fixture_stub(void) { return 42; }' > "$out/work/stub.c"
"$clang" --target=x86_64-pc-windows-msvc -c "$out/work/stub.c" -o "$out/work/stub_x64.obj"
"$clang" --target=i686-pc-windows-msvc -c "$out/work/stub.c" -o "$out/work/stub_x86.obj"
for script in tests/version/fixtures/*.rc; do
  name=$(basename "$script" .rc)
  "$rc" /C 65001 /FO "$out/work/$name.res" -- "$script"
  "$out/res_extract" "$out/work/$name.res" "$out/seeds/$name.bin"
  (cd "$out/work" && "$lld_link" /nologo /dll /noentry /nodefaultlib /machine:x64 \
      /out:"../seeds/${name}_pe64.dll" stub_x64.obj "$name.res")
  # The section the build gives programs (cmake/VersionSection.c.in).
  sed "s|@bin@|$PWD/$out/seeds/$name.bin|" cmake/VersionSection.c.in > "$out/work/$name.c"
  "$clang" --target=x86_64-linux-gnu -c "$out/work/$name.c" -o "$out/seeds/${name}_elf64.o"
done
(cd "$out/work" && "$lld_link" /nologo /dll /noentry /nodefaultlib /machine:x86 \
    /out:../seeds/complete_pe32.dll stub_x86.obj complete.res)
"$clang" --target=i686-linux-gnu -c "$out/work/complete.c" -o "$out/seeds/complete_elf32.o"
"$clang" --target=powerpc64-linux-gnu -c "$out/work/complete.c" -o "$out/seeds/complete_elf64be.o"
"$clang" --target=powerpc-linux-gnu -c "$out/work/complete.c" -o "$out/seeds/complete_elf32be.o"
# Linked: the note is reached through the program headers, with or without
# the section headers.
"$clang" --target=x86_64-linux-gnu -fuse-ld=lld -shared -nostdlib "$out/work/complete.c" \
  -o "$out/seeds/complete_elf64.so"
"$objcopy" --strip-sections "$out/seeds/complete_elf64.so" "$out/seeds/complete_nosections_elf64.so"
rm -f "$out"/seeds/*.lib

echo "== fuzzing for ${seconds}s =="
cd "$out"
./version_fuzzer -max_total_time="$seconds" -timeout=10 -print_final_stats=1 corpus seeds
