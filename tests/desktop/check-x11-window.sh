#!/usr/bin/env bash
# The program's windows under X11 as a shell sees them, on a private Xvfb:
#   check-x11-window.sh PROGRAM DESKTOP_ENTRY
# A shell (GNOME Shell, KDE Plasma, a dock) finds a window's desktop entry by
# the class in its WM_CLASS: the entry whose StartupWMClass is that class,
# else the entry whose id (file name without ".desktop") is. The main window
# must be found as DESKTOP_ENTRY that way; the About window (opened with
# Alt+A) must carry the same WM_CLASS and be transient for the main window
# (WM_TRANSIENT_FOR). Enter then closes the main window, and the program
# must end with status 0.
set -euo pipefail

if (($# != 2)); then
  echo "usage: $0 PROGRAM DESKTOP_ENTRY" >&2
  exit 2
fi
program=$1
entry=$2
entry_id=$(basename "$entry" .desktop)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry" | head -n 1)

work=$(mktemp -d)
xvfb_pid=
pid=
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill -TERM "$xvfb_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to descriptor 3.
setpriv --pdeathsig TERM -- Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
  3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for ((tries = 0; tries < 100; tries++)); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb

problems=()
# The window of the program called by name (a regular expression), once
# shown; empty after 30 seconds without one.
window() {
  timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1 || true
}
# A window's WM_CLASS as: "instance", "class"
wm_class() {
  xprop -id "$1" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = //p'
}

"$program" 2>"$work/stderr" &
pid=$!
main=$(window '.')
if [[ -z $main ]]; then
  echo "no window shown within 30 seconds" >&2
  cat "$work/stderr" >&2
  exit 1
fi

main_class=$(wm_class "$main")
class=$(sed -E 's/^"[^"]*", "([^"]*)"$/\1/' <<<"$main_class")
if [[ -n $startup_class ]]; then
  [[ $class == "$startup_class" ]] ||
    problems+=("WM_CLASS $main_class: class \"$class\", the entry's StartupWMClass \"$startup_class\"")
else
  [[ $class == "$entry_id" ]] ||
    problems+=("WM_CLASS $main_class: class \"$class\", no StartupWMClass, entry id \"$entry_id\"")
fi

xdotool windowfocus --sync "$main"
xdotool key alt+a
about=$(window '^About ')
if [[ -z $about ]]; then
  problems+=("Alt+A showed no About window")
else
  [[ $(wm_class "$about") == "$main_class" ]] ||
    problems+=("About window's WM_CLASS $(wm_class "$about"), not $main_class")
  transient_for=$(xprop -id "$about" WM_TRANSIENT_FOR | grep -oE '0x[0-9a-f]+' || true)
  ((transient_for == main)) ||
    problems+=("About window transient for ${transient_for:-no window}, not the main window $(printf '0x%x' "$main")")
  xdotool key Escape
fi

xdotool windowfocus --sync "$main"
xdotool key Return # the default button, Close
status=
for ((tries = 0; tries < 300; tries++)); do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    break
  fi
  sleep 0.1
done
if [[ -z $status ]]; then
  problems+=("still running 30 seconds after Enter on the main window")
elif ((status != 0)); then
  problems+=("ended with status $status")
fi
pid=

if ((${#problems[@]})); then
  printf '%s\n' "${problems[@]}" >&2
  exit 1
fi
echo "WM_CLASS $main_class matches $(basename "$entry"); the About window is transient for the main window"
