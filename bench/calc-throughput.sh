#!/usr/bin/env bash
# Batch throughput of morvane-calc beside dateutils' dadd, on the same
# generated ISO dates, each moved by one month:
#
#   dateutils.dadd +1mo               < dates   (one date per line)
#   morvane-calc --iso -              < lines   ("add DATE 0 0 0 0 1 0")
#
#   bench/calc-throughput.sh [morvane-calc] [lines]
#       defaults: build/cli/morvane-calc, 1000000
#
# Both run five times, taking turns; the best wall-clock time of each counts.
# The two outputs must agree line for line (both clamp the day to the end of
# the month). The goal is a ratio of at most 1.5. A benchmark, not a test:
# the figures depend on the machine and on what else runs on it.
set -euo pipefail
cd "$(dirname "$0")/.."

calc=${1:-build/cli/morvane-calc}
count=${2:-1000000}
runs=5
command -v dateutils.dadd >/dev/null || { echo "calc-throughput: dateutils.dadd not found (scripts/setup.sh installs it)" >&2; exit 1; }
[[ -x $calc ]] || { echo "calc-throughput: $calc not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Random valid dates in the years 1601 to 4094, the range dadd reads.
awk -v n="$count" 'BEGIN {
  srand(1)
  split("31 28 31 30 31 30 31 31 30 31 30 31", length_of, " ")
  for (i = 0; i < n; i++) {
    y = 1601 + int(rand() * 2494); m = 1 + int(rand() * 12); l = length_of[m]
    if (m == 2 && y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) l = 29
    printf "%04d-%02d-%02d\n", y, m, 1 + int(rand() * l)
  }
}' >"$work/dates"
awk '{ print "add " $1 " 0 0 0 0 1 0" }' "$work/dates" >"$work/lines"

# Seconds of wall-clock time that "$@" takes, its output kept in $work/out.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >"$work/out"
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}
best() { sort -n | head -n 1; }

peer_times=() calc_times=()
for ((i = 0; i < runs; i++)); do
  peer_times+=("$(seconds dateutils.dadd +1mo <"$work/dates")")
  mv "$work/out" "$work/peer.out"
  calc_times+=("$(seconds "$calc" --iso - <"$work/lines")")
  mv "$work/out" "$work/calc.out"
done
cmp -s "$work/peer.out" "$work/calc.out" || { echo "calc-throughput: the outputs differ" >&2; exit 1; }

peer=$(printf '%s\n' "${peer_times[@]}" | best)
mine=$(printf '%s\n' "${calc_times[@]}" | best)
awk -v n="$count" -v p="$peer" -v c="$mine" 'BEGIN {
  printf "%d dates + 1 month, best of 5, outputs agree\n", n
  printf "  dateutils.dadd +1mo        %6.3f s  %5.2f M lines/s\n", p, n / p / 1e6
  printf "  morvane-calc --iso -       %6.3f s  %5.2f M lines/s\n", c, n / c / 1e6
  printf "  ratio %.2fx (goal <= 1.5x)\n", c / p
}'
