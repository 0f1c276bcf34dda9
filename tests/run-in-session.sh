#!/usr/bin/env bash
# Runs one command in a private desktop session (tests/session.sh) and stops
# the session when the command ends, however it ends:
#   run-in-session.sh x11 [--wm openbox] [--size WxH] [--monitors "WxH+X+Y ..."] -- COMMAND [ARGUMENT...]
#   run-in-session.sh weston SEAT_MODULE -- COMMAND [ARGUMENT...]
#   run-in-session.sh mutter [--scale N] [--x11] -- COMMAND [ARGUMENT...]
#   run-in-session.sh kwin [--scale N] [--data-dir DIR] -- COMMAND [ARGUMENT...]
# The command runs with the session's environment (DISPLAY or
# WAYLAND_DISPLAY, XDG_RUNTIME_DIR, QT_QPA_PLATFORM, SESSION_KEYS_PID...,
# as session.sh says). Exits with the command's status; on a failure the
# session's logs are printed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

kind=${1:-}
options=()
(($#)) && shift
while (($#)) && [[ $1 != -- ]]; do
  options+=("$1")
  shift
done
if [[ ! $kind =~ ^(x11|weston|mutter|kwin)$ ]] || (($# < 2)); then
  echo "usage: $0 x11|weston|mutter|kwin [OPTION...] -- COMMAND [ARGUMENT...]" >&2
  exit 2
fi
shift

"session_start_$kind" "${options[@]}"
status=0
session_run "$@" || status=$?
if ((status != 0)); then
  echo "--- $* ended with status $status in a $kind session ---" >&2
  session_print_logs
fi
exit "$status"
