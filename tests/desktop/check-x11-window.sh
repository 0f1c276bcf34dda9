#!/usr/bin/env bash
# The program's windows under X11 as a shell sees them, on a private Xvfb
# (tests/session.sh):
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

source "$(dirname "${BASH_SOURCE[0]}")/../session.sh"
session_start_x11
pid=
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
  session_stop
}
trap cleanup EXIT

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

"$program" 2>"$SESSION_DIR/program.log" &
pid=$!
main=$(window '.')
if [[ -z $main ]]; then
  echo "no window shown within 30 seconds" >&2
  cat "$SESSION_DIR/program.log" >&2
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
if ! session_wait_exit "$pid" 30; then
  problems+=("still running 30 seconds after Enter on the main window")
elif ((session_status != 0)); then
  problems+=("ended with status $session_status")
fi
pid=

if ((${#problems[@]})); then
  printf '%s\n' "${problems[@]}" >&2
  exit 1
fi
echo "WM_CLASS $main_class matches $(basename "$entry"); the About window is transient for the main window"
