#!/usr/bin/env bash
# morvane-calc beside dateutils, and beside itself, in ratios: morvane-calc's
# time divided by the other's (lower is better), on the same generated dates.
#
#   1. add --months 1 --iso -         vs dateutils.dadd +1mo                      goal <= 0.7
#   2. add --months 1 - (long date)   vs dateutils.dadd -f '%A, %B %d, %Y' +1mo  <= 1.0
#   3. - on lines "diff REF DATE"     vs dateutils.ddiff REF -f '%Y %m %w %d'    <= 1.0
#      (six counts and the phrase)
#   4. --json vs --iso of the same input: batch lines "add DATE 0 0 0 0 1 0",
#      "diff REF DATE", and bare dates with shared amounts                   <= 1.2
#   5. failing lines vs good ones of the same form: "add" lines whose date
#      does not exist; whose amount is no number                             <= 2
#   6. one invocation (add ... --iso) vs one of dateutils.dadd                <= 1.0
#   7. working days with a calendar of 500 holidays (--holidays) vs the same
#      batch without one: lines "add DATE 0 N 0 0 0 0" and "diff DATE DATE"  <= 1.3
#
# and, for the record, one invocation writing the long date (which loads
# the locale module and QtCore with it) against an empty program linked to
# QtCore (bench_calc_floor).
#
#   bench/calc-throughput.sh [build folder] [lines]
#       defaults: build, 1000000
#
# The two sides of a ratio run in turns, five times each (the invocations
# of rows 6 and 7 in rounds of 500), their output thrown away; the best
# wall-clock time of each side counts.
# Where the two forms overlap, the outputs must agree: line for line in row 1
# and in JSON against ISO, the long date against dadd's once its day loses
# the leading zero, and ddiff's years and months against morvane-calc's
# years and months of the year; failing lines give one empty line each.
# morvane-calc writes English names (LC_ALL=en_US.UTF-8), as dateutils
# does. A benchmark, not a test: the figures depend on the machine and on
# what else runs on it.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
count=${2:-1000000}
calc=$build/cli/morvane-calc
floor=$build/bench/bench_calc_floor
runs=5 rounds=500
for tool in dateutils.dadd dateutils.ddiff; do
  command -v $tool >/dev/null || { echo "calc-throughput: $tool not found (scripts/setup.sh installs it)" >&2; exit 1; }
done
for program in "$calc" "$floor"; do
  [[ -x $program ]] || { echo "calc-throughput: $program not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "calc-throughput: $*" >&2; exit 1; }

# Random valid dates in the years 1601 to 4094, the range dateutils reads.
awk -v n="$count" 'BEGIN {
  srand(1)
  split("31 28 31 30 31 30 31 31 30 31 30 31", length_of, " ")
  for (i = 0; i < n; i++) {
    y = 1601 + int(rand() * 2494); m = 1 + int(rand() * 12); l = length_of[m]
    if (m == 2 && y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) l = 29
    printf "%04d-%02d-%02d\n", y, m, 1 + int(rand() * l)
  }
}' >"$work/dates"
reference=2004-01-31
awk -v r=$reference '{ print "diff " r " " $1 }' "$work/dates" >"$work/diffs"
awk '{ print "add " $1 " 0 0 0 0 1 0" }' "$work/dates" >"$work/adds"
# The same lines failing: a 32nd day, or an amount that is no number.
awk '{ print "add " substr($1, 1, 8) "32 0 0 0 0 1 0" }' "$work/dates" >"$work/bad_dates"
awk '{ print "add " $1 " 0 0 0 0 1x 0" }' "$work/dates" >"$work/bad_amounts"

calc() { LC_ALL=en_US.UTF-8 "$calc" "$@"; }
peer() { LC_ALL=C "$@"; }
floor() { LC_ALL=en_US.UTF-8 "$floor"; } # started the way calc is

# seconds IN COMMAND...: the wall-clock time COMMAND takes reading IN, its
# output thrown away (as hyperfine does): the figures are the tools' own
# work, not the file system's, which would grow with the length of the
# output lines alone.
seconds() {
  local in=$1 start
  shift
  start=$EPOCHREALTIME
  "$@" <"$in" >/dev/null 2>&1 || true
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f\n", b - a }'
}
best() { sort -n | head -n 1; }

# pair NAME MY-INPUT THEIR-INPUT MINE... -- THEIRS...: runs both sides once
# more for their outputs, left in $work/NAME.mine and $work/NAME.theirs, and
# in turns for their times, the best of which are left in $mine and $theirs.
pair() {
  local name=$1 my_input=$2 their_input=$3 mine_times=() their_times=() i
  shift 3
  local split
  for ((split = 1; split <= $#; split++)); do [[ ${!split} == -- ]] && break; done
  local mine_cmd=("${@:1:split-1}") their_cmd=("${@:split+1}")
  "${mine_cmd[@]}" <"$my_input" >"$work/$name.mine" 2>/dev/null || true
  "${their_cmd[@]}" <"$their_input" >"$work/$name.theirs" 2>/dev/null || true
  for ((i = 0; i < runs; i++)); do
    mine_times+=("$(seconds "$my_input" "${mine_cmd[@]}")")
    their_times+=("$(seconds "$their_input" "${their_cmd[@]}")")
  done
  mine=$(printf '%s\n' "${mine_times[@]}" | best)
  theirs=$(printf '%s\n' "${their_times[@]}" | best)
}

rows=()
row() { # label mine theirs goal [unit]
  rows+=("$(awk -v l="$1" -v a="$2" -v b="$3" -v g="$4" -v u="${5:-s}" \
    'BEGIN { printf "  %-44s %7.3f %-2s %7.3f %-2s  %5.2f", l, a, u, b, u, a / b
             if (g != "-") printf " (goal <= %s)", g }')")
}

# 1. ISO dates, one month on.
pair iso "$work/dates" "$work/dates" calc add --months 1 --iso - -- peer dateutils.dadd +1mo
cmp -s "$work/iso.mine" "$work/iso.theirs" || fail "add --iso and dadd +1mo differ"
row "add --months 1 --iso -  vs dadd +1mo" "$mine" "$theirs" 0.7
iso_add=$mine

# 2. The long date, one month on.
pair long "$work/dates" "$work/dates" calc add --months 1 - -- peer dateutils.dadd -f '%A, %B %d, %Y' +1mo
sed -E 's/ 0([1-9]), / \1, /' "$work/long.theirs" | cmp -s "$work/long.mine" - ||
  fail "the long date and dadd -f '%A, %B %d, %Y' differ"
row "add --months 1 -  vs dadd -f '%A, %B %d, %Y'" "$mine" "$theirs" 1.0

# 3. Differences: six counts and the phrase against years, months, weeks
# and days.
pair diff "$work/diffs" "$work/dates" calc - -- peer dateutils.ddiff $reference -f '%Y %m %w %d'
paste "$work/diff.mine" "$work/diff.theirs" | awk -F '\t' '{
  split($8, t, " "); m = $5 < 0 ? -$5 : $5
  if (t[1] != $6 || t[2] != m % 12) { print "line " NR ": " $0; exit 1 }
}' >&2 || fail "years or months differ from ddiff's"
row "- (diff lines)  vs ddiff '%Y %m %w %d'" "$mine" "$theirs" 1.0

# 4. JSON against ISO, on batch lines of both forms and on bare dates.
pair json_add "$work/adds" "$work/adds" calc --json - -- calc --iso -
sed -E 's/^\{"date":"([^"]*)".*/\1/' "$work/json_add.mine" | cmp -s - "$work/json_add.theirs" ||
  fail "add --json and --iso differ"
row "--json -  vs --iso - (add lines)" "$mine" "$theirs" 1.2
pair json_diff "$work/diffs" "$work/diffs" calc --json - -- calc --iso -
n='(-?[0-9]+)'
sed -E "s/^\{\"days\":$n,\"fortnights\":$n,\"months\":$n,\"phrase\":\"([^\"]*)\",\"weekdays\":$n,\"weeks\":$n,\"years\":$n\}\$/\1\t\5\t\6\t\2\t\3\t\7\t\4/" \
  "$work/json_diff.mine" | cmp -s - "$work/json_diff.theirs" || fail "diff --json and --iso differ"
row "--json -  vs --iso - (diff lines)" "$mine" "$theirs" 1.2
pair json_bare "$work/dates" "$work/dates" calc add --months 1 --json - -- calc add --months 1 --iso -
cmp -s "$work/json_bare.mine" "$work/json_add.mine" || fail "bare dates and add lines differ in JSON"
row "add --months 1 --json -  vs --iso -" "$mine" "$theirs" 1.2

# 5. Failing lines against good ones: each gives an empty line and its
# message (thrown away).
pair bad_dates "$work/bad_dates" "$work/adds" calc --iso - -- calc --iso -
[[ $(grep -c -v '^$' "$work/bad_dates.mine" || true) == 0 && $(wc -l <"$work/bad_dates.mine") == "$count" ]] ||
  fail "failing lines did not give one empty line each"
row "failing lines (no such date)  vs good ones" "$mine" "$theirs" 2
pair bad_amounts "$work/bad_amounts" "$work/adds" calc --iso - -- calc --iso -
[[ $(wc -l <"$work/bad_amounts.mine") == "$count" ]] || fail "failing amounts lost their rows"
row "failing lines (no number)  vs good ones" "$mine" "$theirs" 2

# 6. One invocation against dadd's, and, with the long date, against the
# floor of a program that loads QtCore.
[[ $(calc add 2004-01-31 --months 1 --iso) == 2004-02-29 ]] || fail "one invocation went wrong"
invocations() {
  local i
  for ((i = 0; i < rounds; i++)); do "$@" >/dev/null; done
}
echo >"$work/none"
pair start "$work/none" "$work/none" invocations calc add 2004-01-31 --months 1 --iso -- \
  invocations peer dateutils.dadd 2004-01-31 +1mo
per_call() { awk -v t="$1" -v n=$rounds 'BEGIN { print t / n * 1000 }'; }
row "one invocation (add --iso)  vs dadd" "$(per_call "$mine")" "$(per_call "$theirs")" 1.0 ms
# For the record: with the long date, which loads the locale module.
pair start_long "$work/none" "$work/none" invocations calc add 2004-01-31 --months 1 -- invocations floor
row "(with the long date  vs empty QtCore program)" "$(per_call "$mine")" "$(per_call "$theirs")" - ms

# 7. Working days over 500 holidays against the weekday unit, on dates and
# holidays of the same fifty years: every count and step meets holidays.
awk 'BEGIN {
  srand(2)
  while (n < 500) {
    d = 10957 + int(rand() * 14610)          # days since 1970: 2000 to 2039
    if ((d + 3) % 7 >= 5 || seen[d]++) continue # Saturdays and Sundays are off anyway
    n++; print strftime("%Y-%m-%d", d * 86400, 1)
  }
}' >"$work/holidays"
awk -v n="$count" 'BEGIN {
  srand(3)
  for (i = 0; i < n; i++) {
    a = strftime("%Y-%m-%d", (9131 + int(rand() * 18262)) * 86400, 1) # 1995 to 2044
    if (i % 2) print "add " a " 0 " int(rand() * 2000) - 1000 " 0 0 0 0"
    else print "diff " a " " strftime("%Y-%m-%d", (9131 + int(rand() * 18262)) * 86400, 1)
  }
}' >"$work/working"
pair holidays "$work/working" "$work/working" calc --iso --holidays "$work/holidays" - -- calc --iso -
[[ $(wc -l <"$work/holidays.mine") == "$count" && $(grep -c '^$' "$work/holidays.mine" || true) == 0 ]] ||
  fail "the batch with holidays lost lines"
cmp -s "$work/holidays.mine" "$work/holidays.theirs" && fail "the holidays changed no result"
row "--holidays (500 days) -  vs without" "$mine" "$theirs" 1.3

echo "$count dates; best of $runs; morvane-calc, the other, ratio; outputs agree"
printf '%s\n' "${rows[@]}"
awk -v n="$count" -v t="$iso_add" 'BEGIN { printf "  (add --iso: %.1f M lines/s)\n", n / t / 1e6 }'
