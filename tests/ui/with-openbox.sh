#!/usr/bin/env bash
# Runs a command with the toolkit on X11, on a virtual display (Xvfb,
# 1024x768, 96 dpi) that Openbox manages in its default configuration: for
# what only a real window manager shows, such as the frame it puts around a
# window once the window is shown. Exits with the command's status.
#
# MORVANE_X11_MONITORS lays the display out as monitors instead, as a desktop
# with several screens has them (RandR 1.5 monitors, which Qt and Openbox
# read): "WxH+X+Y ..." one per monitor, the one marked "*" primary, say
# "800x600+0+0 *1280x1024+800+0". The display is as large as they need.
set -euo pipefail

monitors=(${MORVANE_X11_MONITORS:-})
size=1024x768
if ((${#monitors[@]})); then
  width=0 height=0
  for m in "${monitors[@]}"; do
    IFS='x+' read -r w h x y <<<"${m#\*}"
    width=$((x + w > width ? x + w : width))
    height=$((y + h > height ? y + h : height))
  done
  size=${width}x$height
fi

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

# Xvfb writes the display number it took once it accepts connections. It
# keeps its monitors when its clients go (-noreset).
Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset 3>"$work/display" &
pids+=($!)
await "$work/display" || { echo "with-openbox: Xvfb did not come up" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# The first monitor takes Xvfb's one output, whose own monitor would span
# the display; sizes in millimetres at 96 dpi.
output=screen
for i in "${!monitors[@]}"; do
  m=${monitors[i]}
  IFS='x+' read -r w h x y <<<"${m#\*}"
  name=monitor$i
  [[ $m == \** ]] && name="*$name"
  xrandr --setmonitor "$name" "$w/$((w * 254 / 960))x$h/$((h * 254 / 960))+$x+$y" "$output" >/dev/null
  output=none
done

# Openbox runs the start-up command once it manages the display.
openbox --sm-disable --startup "sh -c 'echo up > $work/managing'" 2>"$work/openbox.log" &
pids+=($!)
await "$work/managing" || {
  echo "with-openbox: Openbox did not come up" >&2
  cat "$work/openbox.log" >&2
  exit 1
}

QT_QPA_PLATFORM=xcb "$@"
