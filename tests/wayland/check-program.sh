#!/usr/bin/env bash
# The program under Wayland as a shell sees it, read from the requests it
# sends (WAYLAND_DEBUG=1) while the session's keyboard works it. Runs in a
# Wayland session of tests/session.sh (run-in-session.sh weston|mutter|kwin):
#   check-program.sh [--language LANG] [--decoration client|server]
#                    [--pictures DIR] PROGRAM DESKTOP_ENTRY
# Once the compositor has mapped and focused it, the main window must have
# announced
#   - as its app_id, the desktop entry's id (its file name without
#     ".desktop"): a shell finds the program's name and icon by it, a
#     Wayland window having no icon of its own;
#   - as its title, the program's name in the language LANG (LANGUAGE=LANG,
#     default English), the entry's Name[LANG] (else its Name);
#   - a fixed size: set_min_size equal to set_max_size;
#   - with --decoration server, the title bar drawn by the compositor: the
#     decoration mode server_side (zxdg_toplevel_decoration_v1.configure(2))
#     and a window no bigger than its fixed size; with client, drawn by Qt:
#     no server_side mode, and a window taller than its fixed size by the
#     title bar;
#   - its buffers at the output's scale (wl_output.scale, 1 without one):
#     that buffer scale, and buffers that many times the window's size, so
#     that a scaled display shows it crisp, not enlarged.
# The pop-ups opened from the keyboard (F4 on the start date's picker, Tab
# and F4 on the mode list, the new-date panel and the Menu key on its first
# amount field) must be pop-ups of the main window (xdg_popup), anchored
# inside it and placed by the compositor against their anchor, wherever it
# put the main window; Esc closes each. A "-" typed into the amount field
# must open the error box as the main window's dialog (set_parent), titled
# as the main window; Esc closes it. Alt+A must open the About window as the
# main window's dialog. Asked to close, as a shell's close button asks
# (xdg_toplevel.close), the program must destroy its window and end by
# itself with exit status 0.
# With --pictures DIR (KWin), the main window, the error box and the About
# window are photographed with their title bars into DIR/main.png,
# DIR/error.png and DIR/about.png, each as tall as the window and its title
# bar. PROGRAM_LOG, when set, names the file that keeps the program's
# protocol log (else it goes with the session's runtime folder).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../session.sh"

language=
decoration=client
pictures=
while (($#)) && [[ $1 == --* ]]; do
  case $1 in
    --language) language=$2 ;;
    --decoration) decoration=$2 ;;
    --pictures) pictures=$2 ;;
    *) break ;;
  esac
  shift 2
done
if (($# != 2)) || [[ -z ${SESSION_KEYS_PID:-} ]] || [[ ! $decoration =~ ^(client|server)$ ]]; then
  echo "usage: run-in-session.sh weston|mutter|kwin ... -- $0 [--language LANG]" \
    "[--decoration client|server] [--pictures DIR] PROGRAM DESKTOP_ENTRY" >&2
  exit 2
fi
program=$1
entry=$2
app_id=$(basename "$entry" .desktop)
name=
[[ -n $language ]] && name=$(sed -n "s/^Name\\[$language\\]=//p" "$entry" | head -n 1)
[[ -n $name ]] || name=$(sed -n 's/^Name=//p' "$entry" | head -n 1)

# Linux key codes (linux/input-event-codes.h).
readonly esc=1 minus=12 tab=15 left_alt=56 f4=62 down=108 menu=127
# The key code of a letter (a US keyboard, as the compositors have).
letter_key() {
  local rows=(qwertyuiop asdfghjkl zxcvbnm) starts=(16 30 44) i
  for i in 0 1 2; do
    if [[ ${rows[i]} == *"$1"* ]]; then
      local before=${rows[i]%%"$1"*}
      echo $((starts[i] + ${#before}))
      return
    fi
  done
}
# The About button's access key in the program's language: the letter after
# "&" in its caption, as the language's catalog has it ("&About" in
# English).
about_caption='&amp;About'
if [[ -n $language ]]; then
  catalog=$(dirname "${BASH_SOURCE[0]}")/../../translations/morvane_$language.ts
  # The translation anywhere in the entry, after its comment for translators.
  about_caption=$(sed -n '/<source>&amp;About<\/source>/,/<\/message>/s/.*<translation[^>]*>\(.*\)<\/translation>.*/\1/p' \
    "$catalog" | head -n 1)
fi
about_letter=${about_caption#*&amp;}
about_key=$(letter_key "$(tr '[:upper:]' '[:lower:]' <<<"${about_letter:0:1}")")

log=${PROGRAM_LOG:-$XDG_RUNTIME_DIR/program.log}
if [[ -n $language ]]; then
  # A locale of the language's own country where it has none (de: de_DE).
  locale=$language
  [[ $locale == *_* ]] || locale=${language}_${language^^}
  LANGUAGE=$language LC_ALL=$locale.UTF-8 WAYLAND_DEBUG=1 "$program" 2>"$log" &
else
  WAYLAND_DEBUG=1 "$program" 2>"$log" &
fi
pid=$!
[[ -z $pictures ]] || mkdir -p "$pictures"

problems=()
facts=()
finish() {
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  if ((${#problems[@]})); then
    printf '%s\n' "${problems[@]}" >&2
    echo "--- the program's shell requests and events (WAYLAND_DEBUG) ---" >&2
    grep -E 'xdg_|decoration|scale|wl_keyboard@[0-9]+\.(enter|key)|^[^[]' "$log" >&2 || true
    exit 1
  fi
  printf '%s\n' "${facts[@]}"
  exit 0
}

# The number of lines of the log that match an extended regular expression.
count() { grep -cE -e "$1" "$log" || true; }
# Whether more than COUNT lines match PATTERN.
beyond() { (($(count "$1") > $2)); }
# Waits until more than COUNT lines match PATTERN (30 seconds at most,
# while the program runs).
wait_beyond() { session_wait_until 30 "$pid" beyond "$1" "$2"; }
# Line number and text of the N-th line matching PATTERN, as "number:text".
nth() { grep -nE -e "$1" "$log" | sed -n "$2p"; }
# The arguments of the request or event read from standard input, such as
# "101 84 1 1" from "...set_anchor_rect(101, 84, 1, 1)".
arguments() { sed -E 's/^[^(]*\((.*)\)$/\1/' | tr -d ','; }
# An event (as against a request) the program got: "[time] object.event(".
event() { echo "^\\[[0-9. ]+\\] $1\\.$2\\("; }

# Releases the keys held and presses KEY..., waiting until the program has
# them.
press() {
  local keys=$* key pattern seen
  printf '%s\n' "$keys" >"$XDG_RUNTIME_DIR/test-seat-keys.new"
  mv "$XDG_RUNTIME_DIR/test-seat-keys.new" "$XDG_RUNTIME_DIR/test-seat-keys"
  key=${keys##* }
  pattern="wl_keyboard@[0-9]+\\.key\\([0-9]+, [0-9]+, ${key:-0}, 1\\)"
  seen=$(count "$pattern")
  kill -USR1 "$SESSION_KEYS_PID"
  [[ -z $keys ]] || wait_beyond "$pattern" "$seen" || problems+=("the program got no key $key")
}

# Photographs the active window into $pictures/NAME.png and checks that the
# picture holds the window WIDTH x HEIGHT and a title bar above it.
photograph() {
  local name=$1 width=$2 height=$3 size
  [[ -n $pictures ]] || return 0
  if ! size=$("$MORVANE_TEST_DESKTOP" shot "$pictures/$name.png"); then
    problems+=("$name: no picture")
    return
  fi
  local scale=$output_scale
  if ((${size%x*} < width * scale || ${size#*x} <= height * scale)); then
    problems+=("$name: a picture of $size, not the window's ${width}x$height and a title bar")
  fi
  facts+=("picture $pictures/$name.png: $size")
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
# The last value a request of OBJECT gave, e.g. last xdg_toplevel@7 set_app_id.
last() {
  grep -oE "$1\\.$2\\(.*\\)" "$log" | tail -n 1 | sed -E "s/^$1\\.$2\\((.*)\\)$/\\1/"
}
shown_app_id=$(last "$toplevel" set_app_id)
shown_title=$(last "$toplevel" set_title)
min_size=$(last "$toplevel" set_min_size)
max_size=$(last "$toplevel" set_max_size)
[[ $shown_app_id == "\"$app_id\"" ]] ||
  problems+=("app_id: ${shown_app_id:-none}, not \"$app_id\" of $entry")
[[ $shown_title == "\"$name\"" ]] ||
  problems+=("title: ${shown_title:-none}, not \"$name\"")
if [[ ! $min_size =~ ^[1-9][0-9]*,\ [1-9][0-9]*$ ]] || [[ $min_size != "$max_size" ]]; then
  problems+=("not a fixed size: set_min_size(${min_size:-none}), set_max_size(${max_size:-none})")
fi
read -r fixed_width fixed_height <<<"${min_size/,/}"
# The main window's extent, as the compositor knows it: "x y width height".
read -r _ _ main_width main_height < <(grep -oE "$main_surface\\.set_window_geometry\\(.*\\)" "$log" |
  tail -n 1 | arguments)
facts+=("app_id $shown_app_id, title $shown_title, fixed size $min_size, window ${main_width}x$main_height")

# Who draws the title bar: the mode the compositor set last for the main
# window's decoration, if it offered to draw one.
decoration_object=$(grep -oE "get_toplevel_decoration\\(new id zxdg_toplevel_decoration_v1@[0-9]+, $toplevel\\)" "$log" |
  grep -oE 'zxdg_toplevel_decoration_v1@[0-9]+' | tail -n 1 || true)
mode=none
if [[ -n $decoration_object ]]; then
  mode=$(grep -E "$(event "$decoration_object" configure)" "$log" | tail -n 1 | arguments)
  mode=${mode:-none}
fi
if [[ $decoration == server ]]; then
  [[ $mode == 2 ]] || problems+=("decoration mode $mode, not server_side (2)")
  ((main_height == fixed_height)) ||
    problems+=("a window of height $main_height with a title bar drawn by the compositor, not $fixed_height")
else
  [[ $mode != 2 ]] || problems+=("decoration mode server_side, not drawn by the program")
  ((main_height > fixed_height)) ||
    problems+=("a window of height $main_height, no room for the title bar above the $fixed_height")
fi
facts+=("decoration: $decoration (mode $mode)")

# The output's scale, and the buffer scale and buffer of the main window.
output_scale=$(grep -oE "$(event 'wl_output@[0-9]+' scale)[0-9]+" "$log" | grep -oE '[0-9]+$' |
  sort -n | tail -n 1 || true)
output_scale=${output_scale:-1}
buffer_scale=$(last "$main_wl_surface" set_buffer_scale)
buffer_scale=${buffer_scale:-1}
attach=$(grep -nE -- "-> $main_wl_surface\\.attach\\(wl_buffer@[0-9]+" "$log" | tail -n 1 || true)
buffer=$(grep -oE 'wl_buffer@[0-9]+' <<<"$attach" || true)
read -r _ buffer_width buffer_height _ < <(head -n "${attach%%:*}" "$log" |
  grep -oE "create_buffer\\(new id $buffer, .*\\)" | tail -n 1 | arguments | sed 's/new id [^ ]* //')
if ((buffer_scale != output_scale)); then
  problems+=("buffer scale $buffer_scale on an output of scale $output_scale")
elif ((${buffer_width:-0} < main_width * output_scale || ${buffer_height:-0} < main_height * output_scale)); then
  problems+=("a buffer of ${buffer_width:-?}x${buffer_height:-?} for a ${main_width}x$main_height window at scale $output_scale")
fi
facts+=("output scale $output_scale, buffer scale $buffer_scale, buffer ${buffer_width}x$buffer_height")
photograph main "$main_width" "$main_height"

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
  if ! wait_beyond "$(event "$popup" configure)" "$(head -n "$number" "$log" |
    grep -cE "$(event "$popup" configure)" || true)"; then
    problems+=("$what: the compositor did not place it")
  else
    read -r x y w h < <(tail -n +"$number" "$log" | grep -E "$(event "$popup" configure)" |
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

# Presses KEY..., which must open the window WHAT as the main window's
# dialog, titled TITLE (any title when empty); photographs it as PICTURE,
# then Esc must close it and give the keyboard back to the main window.
check_dialog() {
  local what=$1 title=$2 picture=$3 before line number dialog surface wl_surface entered seen focused
  shift 3
  before=$(count 'get_toplevel\(')
  press "$@"
  if ! wait_beyond 'get_toplevel\(' "$before"; then
    problems+=("$what: no window opened")
    return
  fi
  line=$(nth 'get_toplevel\(' $((before + 1)))
  number=${line%%:*}
  dialog=$(grep -oE 'xdg_toplevel@[0-9]+' <<<"$line")
  surface=$(grep -oE 'xdg_surface@[0-9]+' <<<"$line")
  # Object ids are used again once freed: what counts is from here on. The
  # program sends its parent and title just after the window itself, so
  # they may not be in the log yet when the window is.
  parented() { tail -n +"$number" "$log" | grep -q -- "-> $dialog\\.set_parent($toplevel)"; }
  titled() { [[ -z $title || $(last "$dialog" set_title) == "\"$title\"" ]]; }
  session_wait_until 10 "$pid" parented ||
    problems+=("$what ($dialog) is not the main window's dialog (set_parent)")
  session_wait_until 10 "$pid" titled ||
    problems+=("$what: title $(last "$dialog" set_title), not \"$title\"")
  wl_surface=$(head -n "$number" "$log" | grep -oE "get_xdg_surface\\(new id $surface, wl_surface@[0-9]+\\)" |
    tail -n 1 | grep -oE 'wl_surface@[0-9]+')
  entered="wl_keyboard@[0-9]+\\.enter\\([0-9]+, $wl_surface,"
  if wait_beyond "$entered" "$(head -n "$number" "$log" | grep -cE "$entered" || true)"; then
    local geometry
    geometry=$(grep -oE "$surface\\.set_window_geometry\\(.*\\)" "$log" | tail -n 1 | arguments)
    read -r _ _ width height <<<"$geometry"
    photograph "$picture" "$width" "$height"
  else
    problems+=("$what: never given the keyboard")
  fi
  seen=$(count "-> $dialog\\.destroy\\(\\)")
  focused=$(count "$main_focused")
  press "$esc"
  wait_beyond "-> $dialog\\.destroy\\(\\)" "$seen" || problems+=("Esc did not close $what")
  # The compositor gives the keyboard back to the main window.
  wait_beyond "$main_focused" "$focused" || problems+=("the main window did not get the keyboard back from $what")
}

check_popup "the start date's calendar" "$f4"
press "$tab"
check_popup "the mode list" "$f4"
press "$down" # the new-date panel
press "$tab"  # its first amount field
check_popup "the amount field's context menu" "$menu"
check_dialog "the error box" "$name" error "$minus"
check_dialog "the About window" "" about "$left_alt" "$about_key"
press # nothing held
facts+=("pop-ups placed against their anchors in the main window; error box and About its dialogs")

kill -USR2 "$SESSION_KEYS_PID" # the close request to the focused window
if ! session_wait_exit "$pid" 30; then
  problems+=("still running 30 seconds after the close request")
else
  ((session_status == 0)) || problems+=("ended with status $session_status after the close request")
  grep -q "$toplevel\\.close()" "$log" || problems+=("no close request reached $toplevel")
  grep -q -- "-> $toplevel\\.destroy()" "$log" || problems+=("$toplevel was not destroyed")
  facts+=("closed with status $session_status")
fi
finish
