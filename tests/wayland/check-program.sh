#!/usr/bin/env bash
# The program under Wayland as a shell sees it, read from the requests it
# sends (WAYLAND_DEBUG=1) while the compositor's keyboard (TestSeat.c)
# works it. Runs under run-under-weston.sh:
#   check-program.sh PROGRAM DESKTOP_ENTRY
# Once the compositor has mapped and focused it, the main window must have
# announced
#   - as its app_id, the desktop entry's id (its file name without
#     ".desktop"): a shell finds the program's name and icon by it, a
#     Wayland window having no icon of its own;
#   - as its title, the program's name, the entry's Name;
#   - a fixed size: set_min_size equal to set_max_size.
# The pop-ups opened from the keyboard (F4 on the start date's picker, Tab
# and F4 on the mode list, the new-date panel and the Menu key on its first
# amount field) must be pop-ups of the main window (xdg_popup), anchored
# inside it and placed by the compositor against their anchor, wherever it
# put the main window; Esc closes each. Alt+A must open the About window as
# the main window's dialog (set_parent). Asked to close, as a shell's close
# button asks (xdg_toplevel.close), the program must destroy its window and
# end by itself with exit status 0. PROGRAM_LOG, when set, names the file
# that keeps the program's protocol log (else it goes with the compositor's
# runtime folder).
set -euo pipefail

if (($# != 2)) || [[ -z ${WESTON_PID:-} ]]; then
  echo "usage: run-under-weston.sh SEAT_MODULE $0 PROGRAM DESKTOP_ENTRY" >&2
  exit 2
fi
program=$1
entry=$2
app_id=$(basename "$entry" .desktop)
name=$(sed -n 's/^Name=//p' "$entry" | head -n 1)

# Linux key codes (linux/input-event-codes.h).
readonly esc=1 tab=15 a=30 left_alt=56 f4=62 down=108 menu=127

log=${PROGRAM_LOG:-$XDG_RUNTIME_DIR/program.log}
WAYLAND_DEBUG=1 "$program" 2>"$log" &
pid=$!

problems=()
finish() {
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  if ((${#problems[@]})); then
    printf '%s\n' "${problems[@]}" >&2
    echo "--- the program's shell requests and events (WAYLAND_DEBUG) ---" >&2
    grep -E 'xdg_|wl_keyboard@[0-9]+\.(enter|key)|^[^[]' "$log" >&2 || true
    exit 1
  fi
  echo "app_id $app_id, title \"$name\", fixed size $min_size; pop-ups placed against" \
    "their anchors in the main window; About its dialog; closed with status 0"
  exit 0
}

# The number of lines of the log that match an extended regular expression.
count() { grep -cE -e "$1" "$log" || true; }
# Waits until more than COUNT lines match PATTERN (30 seconds at most).
wait_beyond() {
  local pattern=$1 seen=$2 tries
  for ((tries = 0; tries < 300; tries++)); do
    (($(count "$pattern") > seen)) && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
# Line number and text of the N-th line matching PATTERN, as "number:text".
nth() { grep -nE -e "$1" "$log" | sed -n "$2p"; }
# The arguments of the request or event read from standard input, such as
# "101 84 1 1" from "...set_anchor_rect(101, 84, 1, 1)".
arguments() { sed -E 's/^[^(]*\((.*)\)$/\1/' | tr -d ','; }

# Releases the keys held and presses KEY..., waiting until the program has
# them.
press() {
  local keys=$* key pattern seen
  printf '%s\n' "$keys" >"$XDG_RUNTIME_DIR/test-seat-keys.new"
  mv "$XDG_RUNTIME_DIR/test-seat-keys.new" "$XDG_RUNTIME_DIR/test-seat-keys"
  key=${keys##* }
  pattern="wl_keyboard@[0-9]+\\.key\\([0-9]+, [0-9]+, ${key:-0}, 1\\)"
  seen=$(count "$pattern")
  kill -USR1 "$WESTON_PID"
  [[ -z $keys ]] || wait_beyond "$pattern" "$seen" || problems+=("the program got no key $key")
}

# Up: the compositor has given the keyboard to its window.
if ! wait_beyond 'wl_keyboard@[0-9]+\.enter\(' 0; then
  problems+=("the program's window was not mapped and focused within 30 seconds")
  finish
fi

# The main window's toplevel is the first one made.
line=$(nth 'get_toplevel\(new id xdg_toplevel@' 1)
main_surface=$(grep -oE 'xdg_surface@[0-9]+' <<<"$line")
toplevel=$(grep -oE 'xdg_toplevel@[0-9]+' <<<"$line")
main_wl_surface=$(grep -oE "get_xdg_surface\\(new id $main_surface, wl_surface@[0-9]+\\)" "$log" |
  head -n 1 | grep -oE 'wl_surface@[0-9]+')
main_focused="wl_keyboard@[0-9]+\\.enter\\([0-9]+, $main_wl_surface,"
# The last value the toplevel's request REQUEST gave, e.g. last set_app_id.
last() {
  grep -oE "$toplevel\\.$1\\(.*\\)" "$log" | tail -n 1 | sed -E "s/^$toplevel\\.$1\\((.*)\\)$/\\1/"
}
shown_app_id=$(last set_app_id)
shown_title=$(last set_title)
min_size=$(last set_min_size)
max_size=$(last set_max_size)
[[ $shown_app_id == "\"$app_id\"" ]] ||
  problems+=("app_id: ${shown_app_id:-none}, not \"$app_id\" of $entry")
[[ $shown_title == "\"$name\"" ]] ||
  problems+=("title: ${shown_title:-none}, not \"$name\"")
if [[ ! $min_size =~ ^[1-9][0-9]*,\ [1-9][0-9]*$ ]] || [[ $min_size != "$max_size" ]]; then
  problems+=("not a fixed size: set_min_size(${min_size:-none}), set_max_size(${max_size:-none})")
fi
# The main window's extent, as the compositor knows it: "x y width height".
read -r _ _ main_width main_height < <(grep -oE "$main_surface\\.set_window_geometry\\(.*\\)" "$log" |
  tail -n 1 | arguments)

# Presses KEY, which must open the pop-up WHAT; checks it and closes it.
check_popup() {
  local what=$1 key=$2 before line number popup parent positioner
  local ax ay aw ah x y w h
  before=$(count 'get_popup\(')
  press "$key"
  if ! wait_beyond 'get_popup\(' "$before"; then
    problems+=("$what: no pop-up opened")
    return
  fi
  # -> xdg_surface@P.get_popup(new id xdg_popup@Q, xdg_surface@M, xdg_positioner@R)
  line=$(nth 'get_popup\(' $((before + 1)))
  number=${line%%:*}
  popup=$(grep -oE 'xdg_popup@[0-9]+' <<<"$line")
  parent=$(grep -oE 'xdg_surface@[0-9]+' <<<"$line" | tail -n 1)
  positioner=$(grep -oE 'xdg_positioner@[0-9]+' <<<"$line")
  [[ $parent == "$main_surface" ]] || problems+=("$what: a pop-up of $parent, not of the main window")
  read -r ax ay aw ah < <(head -n "$number" "$log" | grep -oE "$positioner\\.set_anchor_rect\\(.*\\)" |
    tail -n 1 | arguments)
  if ((ax < 0 || ay < 0 || ax + aw > main_width || ay + ah > main_height)); then
    problems+=("$what: anchored at $ax,$ay ${aw}x$ah, outside the main window's ${main_width}x$main_height")
  fi
  if ! wait_beyond "^\\[[0-9. ]+\\] $popup\\.configure\\(" "$(head -n "$number" "$log" |
    grep -cE "^\\[[0-9. ]+\\] $popup\\.configure\\(" || true)"; then
    problems+=("$what: the compositor did not place it")
  else
    read -r x y w h < <(tail -n +"$number" "$log" | grep -E "^\\[[0-9. ]+\\] $popup\\.configure\\(" |
      head -n 1 | arguments)
    # Touching its anchor: beside what the program placed it against.
    if ((x > ax + aw || x + w < ax || y > ay + ah || y + h < ay)); then
      problems+=("$what: placed at $x,$y ${w}x$h, away from its anchor $ax,$ay ${aw}x$ah")
    fi
  fi
  before=$(count "-> $popup\\.destroy\\(\\)")
  press "$esc"
  wait_beyond "-> $popup\\.destroy\\(\\)" "$before" || problems+=("$what: Esc did not close it")
}

check_popup "the start date's calendar" "$f4"
press "$tab"
check_popup "the mode list" "$f4"
press "$down" # the new-date panel
press "$tab"  # its first amount field
check_popup "the amount field's context menu" "$menu"

before=$(count 'get_toplevel\(')
press "$left_alt" "$a"
if ! wait_beyond 'get_toplevel\(' "$before"; then
  problems+=("Alt+A opened no window")
else
  about=$(nth 'get_toplevel\(' $((before + 1)) | grep -oE 'xdg_toplevel@[0-9]+')
  grep -q -- "-> $about\\.set_parent($toplevel)" "$log" ||
    problems+=("the About window ($about) is not the main window's dialog (set_parent)")
  seen=$(count "-> $about\\.destroy\\(\\)")
  focused=$(count "$main_focused")
  press "$esc"
  wait_beyond "-> $about\\.destroy\\(\\)" "$seen" || problems+=("Esc did not close the About window")
  # The compositor gives the keyboard back to the main window.
  wait_beyond "$main_focused" "$focused" || problems+=("the main window did not get the keyboard back")
fi
press # nothing held

kill -USR2 "$WESTON_PID" # the close request to the focused window
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
  problems+=("still running 30 seconds after the close request")
else
  ((status == 0)) || problems+=("ended with status $status after the close request")
  grep -q "$toplevel\\.close()" "$log" || problems+=("no close request reached $toplevel")
  grep -q -- "-> $toplevel\\.destroy()" "$log" || problems+=("$toplevel was not destroyed")
fi
finish
