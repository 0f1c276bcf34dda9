#!/usr/bin/env bash
# Runs a command with the toolkit on X11, on a virtual display (Xvfb,
# 1024x768, 96 dpi) that Openbox manages in its default configuration: for
# what only a real window manager shows, such as the frame it puts around a
# window once the window is shown. Exits with the command's status.
set -euo pipefail

work=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# Waits up to 10 seconds for the file $1 to have content.
await() {
  for _ in $(seq 100); do
    [[ -s $1 ]] && return 0
    sleep 0.1
  done
  return 1
}

# Xvfb writes the display number it took once it accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" &
pids+=($!)
await "$work/display" || { echo "with-openbox: Xvfb did not come up" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# Openbox runs the start-up command once it manages the display.
openbox --sm-disable --startup "sh -c 'echo up > $work/managing'" 2>"$work/openbox.log" &
pids+=($!)
await "$work/managing" || {
  echo "with-openbox: Openbox did not come up" >&2
  cat "$work/openbox.log" >&2
  exit 1
}

QT_QPA_PLATFORM=xcb "$@"
