#!/usr/bin/env bash
# Runs one command under a private headless weston and stops the compositor
# when the command ends, however it ends:
#   run-under-weston.sh SEAT_MODULE COMMAND [ARGUMENT...]
# SEAT_MODULE is the weston module of tests/wayland/TestSeat.c; WESTON, when
# set, names the compositor's executable (else weston on the PATH). The command
# runs with QT_QPA_PLATFORM=wayland, no X display, XDG_RUNTIME_DIR set to a
# fresh folder of its own (mode 0700, owned by the user, as the protocol
# asks) that holds the compositor's socket WAYLAND_DISPLAY, and WESTON_PID
# set to the compositor's process: `kill -USR1 $WESTON_PID` presses the keys
# listed in $XDG_RUNTIME_DIR/test-seat-keys, `kill -USR2 $WESTON_PID` asks
# the focused window to close, as a shell's close button does (TestSeat.c).
# Exits with the command's status; on a failure the compositor's log is
# printed.
set -euo pipefail

if (($# < 2)); then
  echo "usage: $0 SEAT_MODULE COMMAND [ARGUMENT...]" >&2
  exit 2
fi
# weston looks for a module given by a relative path among its own.
module=$(realpath -e "$1")
shift

runtime=$(mktemp -d "${TMPDIR:-/tmp}/morvane-wayland.XXXXXX")
weston_pid=
command_pid=
stop_compositor() {
  if [[ -n $command_pid ]]; then
    kill -TERM "$command_pid" 2>/dev/null || true
    wait "$command_pid" 2>/dev/null || true
  fi
  if [[ -n $weston_pid ]]; then
    kill -TERM "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap stop_compositor EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
unset DISPLAY

# --pdeathsig: should this script be killed outright (SIGKILL, as on a test
# timeout) and its trap never run, the compositor (and the command) still
# get SIGTERM.
# --idle-time=0: the screen never blanks or locks, which would take the
# focus away from the windows under test.
setpriv --pdeathsig TERM -- "${WESTON:-weston}" --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" \
  --idle-time=0 --no-config --modules="$module" --log="$runtime/weston.log" \
  </dev/null >/dev/null 2>&1 &
weston_pid=$!
export WESTON_PID=$weston_pid

for ((tries = 0; tries < 100; tries++)); do
  [[ -S $runtime/$WAYLAND_DISPLAY ]] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2 || true
    exit 1
  fi
  sleep 0.1
done
if [[ ! -S $runtime/$WAYLAND_DISPLAY ]]; then
  echo "weston made no socket in 10 seconds" >&2
  exit 1
fi

# In the background, so that a signal to this script is handled at once.
setpriv --pdeathsig TERM -- "$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
if ((status != 0)); then
  echo "--- weston log ---" >&2
  cat "$runtime/weston.log" >&2 || true
fi
exit "$status"
