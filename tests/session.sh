# The desktop sessions the tests run in, started and stopped one way.
# Sourced by bash scripts (set -euo pipefail or not):
#
#   source "$(dirname "$0")/../session.sh"     # path relative to the script
#   session_start_x11 [--wm openbox] [--size WxH] [--monitors "WxH+X+Y ..."]
#   session_start_weston [SEAT_MODULE]
#   session_start_mutter [--scale N] [--x11]
#   session_start_kwin [--scale N] [--data-dir DIR]
#   session_run COMMAND [ARGUMENT...]           # runs it, returns its status
#   session_wait_until SECONDS PID COMMAND...   # polls COMMAND
#   session_wait_socket PATH PID [SECONDS]
#   session_wait_exit PID [SECONDS]             # sets session_status
#   session_stop                                # also run on EXIT
#
# Each session is private: a fresh folder of its own, SESSION_DIR (mode
# 0700, owned by the user, under $TMPDIR or /tmp), which holds every log
# (SESSION_DIR/<process>.log) and, for Wayland, is the XDG_RUNTIME_DIR that
# holds the compositor's socket. One session per script; a second start adds
# to the first (openbox needs its Xvfb anyway).
#
# session_start_x11: Xvfb (24-bit, 96 dpi, 1024x768 unless --size), a
#   session bus of its own, and with --wm openbox Openbox managing it
#   (returns once it does). --monitors lays the display out as monitors, as a
#   desktop with several screens has them: "WxH+X+Y ..." one per monitor,
#   the one marked "*" primary ("800x600+0+0 *1280x1024+800+0"), the display
#   as large as they need. Exports DISPLAY, DBUS_SESSION_BUS_ADDRESS and
#   QT_QPA_PLATFORM=xcb.
# session_start_weston [SEAT_MODULE]: a headless weston ($WESTON, else
#   weston on the PATH) with the test seat module tests/wayland/TestSeat.c
#   (without it, weston has no keyboard, and SESSION_KEYS_PID presses
#   nothing).
# session_start_mutter: GNOME's compositor, mutter --headless with one
#   1280x800 virtual monitor, its settings in the session folder (the
#   keyfile backend of GSettings; --scale sets GNOME's scaling factor). With
#   --x11 it also starts Xwayland, whose DISPLAY and XAUTHORITY it exports
#   as GNOME does.
# session_start_kwin: Plasma's compositor, kwin_wayland --virtual at
#   1280x800 (--scale as it takes it), started from a copy of its binary in
#   the session folder: the installed file carries file capabilities, which
#   a container refuses to execute ("Operation not permitted"), and the copy
#   keeps the name kwin_wayland, which KWin's platform plugin checks. KWin
#   grants the tests its fake-input protocol and its screenshot interface
#   (KWIN_WAYLAND_NO_PERMISSION_CHECKS, KWIN_SCREENSHOT_NO_PERMISSION_CHECKS);
#   --data-dir DIR goes before XDG_DATA_DIRS, where KWin finds a window's
#   desktop entry and icon.
# X11, mutter and KWin each get a session bus of their own (a private
#   dbus-daemon that starts no services), and a keyboard: the helper
#   morvane_test_desktop, named by $MORVANE_TEST_DESKTOP.
# The Wayland sessions export XDG_RUNTIME_DIR, WAYLAND_DISPLAY and
#   QT_QPA_PLATFORM=wayland and unset DISPLAY; mutter's and KWin's also
#   DBUS_SESSION_BUS_ADDRESS. Each exports SESSION_KEYS_PID, the process
#   that works the session's keyboard: `kill -USR1 $SESSION_KEYS_PID`
#   releases the keys it holds and presses (and holds) the Linux key codes
#   listed in $XDG_RUNTIME_DIR/test-seat-keys (such as "56 30" for Alt+A);
#   `kill -USR2 $SESSION_KEYS_PID` asks the focused window to close, as a
#   shell's close button does (weston: TestSeat.c; mutter and KWin: Alt+F4
#   on their keyboard).
#
# Stopping: session_stop ends every process the session started, newest
# first (SIGTERM, then SIGKILL after 5 seconds), and removes the folder, so
# that a new session can start. The first start registers it for EXIT
# (unless the script has an EXIT trap of its own, which then calls it) and
# turns SIGHUP, SIGINT and SIGTERM into an exit; each process is also started with a parent-death signal, so
# that a script killed outright (SIGKILL, as on a test timeout) still takes
# its session with it. Every process inherits MORVANE_SESSION_TAG, by which
# tests/check-nothing-left.sh finds what a stage left running.
#
# The waits: session_wait_until polls COMMAND every tenth of a second until
# it succeeds (status 0), PID ends (status 1) or SECONDS pass (status 1);
# session_wait_socket PATH PID [SECONDS=10] waits so for a socket;
# session_wait_exit PID [SECONDS=30] waits for the child PID of this shell
# to end and sets session_status to its exit status (status 0), or leaves
# session_status empty when it is still running (status 1).

SESSION_DIR=${SESSION_DIR:-}
session_status=
_session_pids=()
_session_made_dir=0

# The session's folder, made on first use, and the traps that stop it.
_session_begin() {
  [[ -n $SESSION_DIR ]] && return 0
  SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/morvane-session.XXXXXX")
  chmod 0700 "$SESSION_DIR"
  _session_made_dir=1
  # A script with an EXIT trap of its own calls session_stop from it.
  [[ -n $(trap -p EXIT) ]] || trap session_stop EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Starts COMMAND in the background, its output into SESSION_DIR/NAME.log,
# with SIGTERM on this script's death; sets _session_pid.
_session_spawn() {
  local name=$1
  shift
  setpriv --pdeathsig TERM -- "$@" </dev/null >"$SESSION_DIR/$name.log" 2>&1 &
  _session_pid=$!
  _session_pids+=("$_session_pid")
}

_session_fail() {
  echo "session: $*" >&2
  return 1
}

session_wait_until() {
  local seconds=$1 pid=$2 tries
  shift 2
  for ((tries = 0; tries < seconds * 10; tries++)); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  "$@"
}

session_wait_socket() {
  session_wait_until "${3:-10}" "$2" test -S "$1"
}

session_wait_exit() {
  local pid=$1 seconds=${2:-30} tries
  session_status=
  for ((tries = 0; tries <= seconds * 10; tries++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      session_status=0
      wait "$pid" || session_status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Prints each log of the session, for a failure's report.
session_print_logs() {
  local log
  for log in "$SESSION_DIR"/*.log; do
    [[ -s $log ]] || continue
    echo "--- $(basename "$log") ---" >&2
    tail -n 60 "$log" >&2
  done
}

session_stop() {
  local i pid
  # Newest first, each gone before the next: a compositor ends while its
  # session bus is still there.
  for ((i = ${#_session_pids[@]} - 1; i >= 0; i--)); do
    pid=${_session_pids[i]}
    kill -TERM "$pid" 2>/dev/null || true
    session_wait_exit "$pid" 5 || { kill -KILL "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  done
  _session_pids=()
  if ((_session_made_dir)) && [[ -n $SESSION_DIR ]]; then
    rm -rf "$SESSION_DIR"
    SESSION_DIR=
    _session_made_dir=0
  fi
}

session_start_x11() {
  local wm= size=1024x768 monitors=() m w h x y width=0 height=0 i name output=screen
  while (($#)); do
    case $1 in
      --wm) wm=$2; shift 2 ;;
      --size) size=$2; shift 2 ;;
      --monitors) read -r -a monitors <<<"$2"; shift 2 ;;
      *) _session_fail "session_start_x11: unknown option $1"; return ;;
    esac
  done
  # The display as large as the monitors need.
  for m in "${monitors[@]}"; do
    IFS='x+' read -r w h x y <<<"${m#\*}"
    width=$((x + w > width ? x + w : width))
    height=$((y + h > height ? y + h : height))
  done
  ((${#monitors[@]})) && size=${width}x$height
  _session_begin
  # Xvfb writes the number of the display it took once it accepts clients;
  # it keeps the monitors set below when their client goes (-noreset).
  setpriv --pdeathsig TERM -- Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp \
    -noreset 3>"$SESSION_DIR/display" </dev/null >"$SESSION_DIR/xvfb.log" 2>&1 &
  _session_pids+=($!)
  session_wait_until 10 $! test -s "$SESSION_DIR/display" || { _session_fail "Xvfb did not start"; return; }
  export DISPLAY=:$(head -n 1 "$SESSION_DIR/display") QT_QPA_PLATFORM=xcb
  # The monitors (RandR 1.5, which Qt and Openbox read): the first takes
  # Xvfb's one output, whose own monitor would span the display; sizes in
  # millimetres at 96 dpi.
  for i in "${!monitors[@]}"; do
    m=${monitors[i]}
    IFS='x+' read -r w h x y <<<"${m#\*}"
    name=monitor$i
    [[ $m == \** ]] && name="*$name"
    xrandr --setmonitor "$name" "$w/$((w * 254 / 960))x$h/$((h * 254 / 960))+$x+$y" "$output" \
      >/dev/null || { _session_fail "xrandr could not set monitor $m"; return; }
    output=none
  done
  # A session bus of its own, as an X11 desktop session has: without one,
  # the toolkit's bus library tries to start one on the display and leaves
  # its allocations behind.
  _session_start_bus || return
  if [[ $wm == openbox ]]; then
    # Openbox runs its start-up command once it manages the display.
    _session_spawn openbox openbox --sm-disable --startup "touch $SESSION_DIR/managing"
    session_wait_until 10 "$_session_pid" test -e "$SESSION_DIR/managing" ||
      { _session_fail "Openbox did not come up"; return; }
  elif [[ -n $wm ]]; then
    _session_fail "session_start_x11: no window manager $wm"
  fi
}

# The environment of a Wayland session's clients, once its compositor is up.
_session_wayland_env() {
  export XDG_RUNTIME_DIR=$SESSION_DIR WAYLAND_DISPLAY=$1 QT_QPA_PLATFORM=wayland
  unset DISPLAY
}

# A compositor's own environment, as words before its command: the
# session's runtime folder, settings folders of its own, and no display of
# an outer session to nest in.
_session_compositor_env() {
  _session_env=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
    "XDG_RUNTIME_DIR=$SESSION_DIR" "XDG_CONFIG_HOME=$SESSION_DIR/config"
    "XDG_DATA_HOME=$SESSION_DIR/data" "XDG_CACHE_HOME=$SESSION_DIR/cache"
    "XDG_STATE_HOME=$SESSION_DIR/state")
}

session_start_weston() {
  local modules=()
  if (($#)); then
    # weston looks for a module given by a relative path among its own.
    modules=(--modules="$(realpath -e "$1")") || { _session_fail "no seat module $1"; return; }
  fi
  _session_begin
  # --idle-time=0: the screen never blanks or locks, which would take the
  # focus away from the windows under test.
  _session_compositor_env
  _session_spawn weston "${_session_env[@]}" "${WESTON:-weston}" --backend=headless-backend.so \
    --socket=morvane-weston --idle-time=0 --no-config "${modules[@]}" --log="$SESSION_DIR/weston.log"
  session_wait_socket "$SESSION_DIR/morvane-weston" "$_session_pid" ||
    { _session_fail "weston made no socket"; session_print_logs; return 1; }
  _session_wayland_env morvane-weston
  export SESSION_KEYS_PID=$_session_pid
}

# A session bus of the session's own: a dbus-daemon that owns no names and
# starts no services (no service folders), so that nothing outlives it.
_session_start_bus() {
  cat >"$SESSION_DIR/bus.conf" <<BUS
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$SESSION_DIR/bus</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
BUS
  _session_spawn dbus dbus-daemon --nofork --config-file="$SESSION_DIR/bus.conf"
  session_wait_socket "$SESSION_DIR/bus" "$_session_pid" ||
    { _session_fail "the session bus did not start"; session_print_logs; return 1; }
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$SESSION_DIR/bus
}

# The keyboard of mutter or KWin (morvane_test_desktop keyboard KIND),
# once it says it is ready.
_session_start_keyboard() {
  [[ -x ${MORVANE_TEST_DESKTOP:-} ]] ||
    { _session_fail "MORVANE_TEST_DESKTOP names no morvane_test_desktop"; return; }
  _session_spawn keyboard "$MORVANE_TEST_DESKTOP" keyboard "$1"
  session_wait_until 10 "$_session_pid" grep -qsx ready "$SESSION_DIR/keyboard.log" ||
    { _session_fail "no keyboard on $1"; session_print_logs; return 1; }
  export SESSION_KEYS_PID=$_session_pid
}

session_start_mutter() {
  local scale=1 x11=--no-x11 display
  while (($#)); do
    case $1 in
      --scale) scale=$2; shift 2 ;;
      --x11) x11=; shift ;;
      *) _session_fail "session_start_mutter: unknown option $1"; return ;;
    esac
  done
  _session_begin
  _session_start_bus || return
  # GSettings from a key file in the session's folder: the scaling factor
  # that mutter gives its monitor, and nothing read from the user's.
  mkdir -p "$SESSION_DIR/config/glib-2.0/settings"
  printf '[org/gnome/desktop/interface]\nscaling-factor=uint32 %s\n' "$scale" \
    >"$SESSION_DIR/config/glib-2.0/settings/keyfile"
  _session_compositor_env
  _session_spawn mutter "${_session_env[@]}" GSETTINGS_BACKEND=keyfile \
    mutter --headless --wayland $x11 --virtual-monitor 1280x800 --wayland-display morvane-mutter
  session_wait_socket "$SESSION_DIR/morvane-mutter" "$_session_pid" ||
    { _session_fail "mutter made no socket"; session_print_logs; return 1; }
  _session_wayland_env morvane-mutter
  if [[ -z $x11 ]]; then
    # Xwayland's display and key, as GNOME gives them to its programs.
    session_wait_until 10 "$_session_pid" grep -q 'Using public X11 display :' "$SESSION_DIR/mutter.log" ||
      { _session_fail "mutter started no Xwayland"; session_print_logs; return 1; }
    display=$(grep -oE 'Using public X11 display :[0-9]+' "$SESSION_DIR/mutter.log" | head -n 1)
    export DISPLAY=${display##* } XAUTHORITY
    XAUTHORITY=$(ls "$SESSION_DIR"/.mutter-Xwaylandauth.* | head -n 1)
  fi
  _session_start_keyboard mutter
}

session_start_kwin() {
  local options=() data_dirs=${XDG_DATA_DIRS:-/usr/local/share:/usr/share} kwin
  while (($#)); do
    case $1 in
      --scale) options+=(--scale "$2"); shift 2 ;;
      --data-dir) data_dirs=$2:$data_dirs; shift 2 ;;
      *) _session_fail "session_start_kwin: unknown option $1"; return ;;
    esac
  done
  kwin=$(command -v "${KWIN:-kwin_wayland}") || { _session_fail "no kwin_wayland"; return; }
  _session_begin
  _session_start_bus || return
  mkdir -p "$SESSION_DIR/bin"
  cp "$kwin" "$SESSION_DIR/bin/kwin_wayland"
  _session_compositor_env
  _session_spawn kwin "${_session_env[@]}" XDG_DATA_DIRS="$data_dirs" \
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    "$SESSION_DIR/bin/kwin_wayland" --virtual --no-lockscreen --socket morvane-kwin \
    --width 1280 --height 800 "${options[@]}"
  session_wait_socket "$SESSION_DIR/morvane-kwin" "$_session_pid" ||
    { _session_fail "KWin made no socket"; session_print_logs; return 1; }
  _session_wayland_env morvane-kwin
  _session_start_keyboard kwin
}

session_run() {
  # In the background, so that a signal to this script is handled at once.
  setpriv --pdeathsig TERM -- "$@" &
  local pid=$!
  _session_pids+=("$pid")
  local status=0
  wait "$pid" || status=$?
  return "$status"
}
