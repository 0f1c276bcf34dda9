#!/usr/bin/env bash
# Runs after the Wayland stage's tests: fails if a compositor that
# run-under-weston.sh started with SEAT_MODULE is still running, and stops
# it, so that none outlives the stage.
#   check-nothing-left.sh SEAT_MODULE
set -euo pipefail
module=$1

mapfile -t left < <(pgrep -f -- "--modules=$module" || true)
if ((${#left[@]} == 0)); then
  echo "no compositor left running"
  exit 0
fi
echo "compositors left running:" >&2
ps -o pid,etime,args -p "$(IFS=,; echo "${left[*]}")" >&2 || true
kill -TERM "${left[@]}" 2>/dev/null || true
sleep 1
kill -KILL "${left[@]}" 2>/dev/null || true
exit 1
