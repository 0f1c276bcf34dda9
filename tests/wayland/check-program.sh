#!/usr/bin/env bash
# The program under Wayland as a shell sees it, read from the requests it
# sends (WAYLAND_DEBUG=1). Runs under run-under-weston.sh:
#   check-program.sh PROGRAM DESKTOP_ENTRY
# Once the compositor has mapped and focused it, the main window must have
# announced
#   - as its app_id, the desktop entry's id (its file name without
#     ".desktop"): a shell finds the program's name and icon by it, a
#     Wayland window having no icon of its own;
#   - as its title, the program's name, the entry's Name;
#   - a fixed size: set_min_size equal to set_max_size.
# Asked to close, as a shell's close button asks (xdg_toplevel.close), the
# program must destroy its window and end by itself with exit status 0.
set -euo pipefail

if (($# != 2)) || [[ -z ${WESTON_PID:-} ]]; then
  echo "usage: run-under-weston.sh SEAT_MODULE $0 PROGRAM DESKTOP_ENTRY" >&2
  exit 2
fi
program=$1
entry=$2
app_id=$(basename "$entry" .desktop)
name=$(sed -n 's/^Name=//p' "$entry" | head -n 1)

log=$XDG_RUNTIME_DIR/program.log
WAYLAND_DEBUG=1 "$program" 2>"$log" &
pid=$!

problems=()
finish() {
  if ((${#problems[@]})); then
    printf '%s\n' "${problems[@]}" >&2
    echo "--- the program's requests and events (WAYLAND_DEBUG) ---" >&2
    grep -E 'xdg_|wl_keyboard|^[^[]' "$log" >&2 || true
    exit 1
  fi
  echo "app_id $app_id, title \"$name\", fixed size ${min_size:-}; closed with status 0"
}

# Up: the compositor has given the keyboard to its window.
for ((tries = 0; tries < 300; tries++)); do
  grep -Eq 'wl_keyboard@[0-9]+\.enter\(' "$log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -Eq 'wl_keyboard@[0-9]+\.enter\(' "$log"; then
  kill "$pid" 2>/dev/null || true
  wait "$pid" || true
  problems+=("the program's window was not mapped and focused within 30 seconds")
  finish
fi

# The main window's toplevel is the first one made.
toplevel=$(grep -oE 'get_toplevel\(new id xdg_toplevel@[0-9]+\)' "$log" | head -n 1 |
  grep -oE 'xdg_toplevel@[0-9]+')
# The last value a request of the toplevel gave, e.g. last set_app_id
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
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" || true
  problems+=("still running 30 seconds after the close request")
else
  ((status == 0)) || problems+=("ended with status $status after the close request")
  grep -q "$toplevel\\.close()" "$log" || problems+=("no close request reached $toplevel")
  grep -q -- "-> $toplevel\\.destroy()" "$log" || problems+=("$toplevel was not destroyed")
fi
finish
