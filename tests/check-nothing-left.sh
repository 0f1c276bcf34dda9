#!/usr/bin/env bash
# Runs after a stage's tests: fails if a process of the stage's sessions
# (tests/session.sh) is still running, and stops it, so that none outlives
# the stage. The stage's processes are those whose environment holds
# MORVANE_SESSION_TAG=TAG, which the stage's tests set:
#   check-nothing-left.sh TAG
set -euo pipefail
if (($# != 1)) || [[ -z $1 ]]; then
  echo "usage: $0 TAG" >&2
  exit 2
fi
wanted="MORVANE_SESSION_TAG=$1"

left=()
for environ in /proc/[0-9]*/environ; do
  pid=${environ#/proc/}
  pid=${pid%/environ}
  ((pid == $$)) && continue
  if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF -- "$wanted"; then
    left+=("$pid")
  fi
done
if ((${#left[@]} == 0)); then
  echo "nothing left running"
  exit 0
fi
echo "left running:" >&2
ps -o pid,etime,args -p "$(IFS=,; echo "${left[*]}")" >&2 || true
kill -TERM "${left[@]}" 2>/dev/null || true
sleep 1
kill -KILL "${left[@]}" 2>/dev/null || true
exit 1
