#!/usr/bin/env bash
# Installs the Debian package on a clean Debian 12 (bookworm) system and
# starts it there: proof that the package's Depends and Recommends bring in
# everything the program needs. A manual check, run as root; not part of the
# tests.
#
#   scripts/check-deb-clean.sh [path/to/morvane_<version>_<arch>.deb]
#
# Default package: the newest build/morvane_*.deb (scripts/package.sh makes
# it). Steps:
#   1. Once: debootstrap a minimal bookworm root into $CLEAN_BASE (default
#      /var/tmp/deb-clean.base) from the same mirror this machine's apt uses
#      (deb.debian.org unless set in $MIRROR), with bookworm-updates and
#      bookworm-security enabled as here.
#   2. Without Recommends: copy it afresh to $CLEAN_ROOT (default
#      /var/tmp/deb-clean), apt-get install --no-install-recommends the
#      package in a chroot, and start the program in a Wayland session with
#      no X display: with no qt6-wayland it must end at once with status 1
#      and one line asking for qt6-wayland (no abort, no core dump).
#   3. With Recommends: copy it afresh again (so every run starts from the
#      same clean system) and apt-get install -y the package, with apt's
#      defaults (Recommends included); report what it pulled in and how
#      much.
#   4. Check that every library of /usr/bin/morvane resolves (ldd), read its
#      version strings with morvane-verinfo (copied in for the check, not
#      part of the package), and start it on Qt's offscreen platform: it
#      passes when it is still running its event loop after $RUN_SECONDS
#      seconds (default 5). With no display at all it must end with status
#      1 and one line.
#   5. Start it in a Wayland session with no X display, as a desktop starts
#      it (no QT_QPA_PLATFORM): a headless weston here (tests/session.sh),
#      whose socket lies in the chroot's /tmp; it passes when it is still
#      running and has shown its window (its Wayland requests name its
#      app_id).
#   6. If this machine has Xvfb: start one here and run the program in the
#      chroot on the X11 platform (the chroot shares the X server's abstract
#      socket), taking a screenshot of its window into $SHOT (default
#      /var/tmp/deb-clean-xcb.png) with ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $(id -u) -ne 0 ]]; then
  echo "check-deb-clean: run as root (debootstrap and chroot need it)" >&2
  exit 2
fi

deb=${1:-$(ls -t build/morvane_*.deb 2>/dev/null | head -n 1 || true)}
if [[ -z $deb || ! -f $deb ]]; then
  echo "check-deb-clean: no package; build one with scripts/package.sh" >&2
  exit 2
fi
verinfo=${VERINFO:-build/version/morvane-verinfo}
base=${CLEAN_BASE:-/var/tmp/deb-clean.base}
root=${CLEAN_ROOT:-/var/tmp/deb-clean}
run_seconds=${RUN_SECONDS:-5}
shot=${SHOT:-/var/tmp/deb-clean-xcb.png}
for dir in "$base" "$root"; do
  if [[ $dir != /*/* ]]; then
    echo "check-deb-clean: refusing to use $dir as the clean root" >&2
    exit 2
  fi
done

# The mirror this machine's apt uses for bookworm.
if [[ -z ${MIRROR:-} ]]; then
  MIRROR=$(grep -rhoE 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null \
           | head -n 1 | tr -d ' ' || true)
  MIRROR=${MIRROR:-http://deb.debian.org/debian}
fi
MIRROR=${MIRROR%/}
security=${SECURITY_MIRROR:-${MIRROR%/debian}/debian-security}

if [[ ! -f $base/etc/debian_version ]]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  echo "== debootstrap --variant=minbase bookworm $base $MIRROR =="
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$MIRROR"
  cat >"$base/etc/apt/sources.list" <<SOURCES
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb $security bookworm-security main
SOURCES
fi

source tests/session.sh
mounted_proc=0
cleanup() {
  session_stop
  if ((mounted_proc)); then umount "$root/proc" || true; fi
}
trap cleanup EXIT

# A fresh copy of the clean system in $root, with /proc and name service.
fresh_root() {
  echo "== fresh copy of the clean system in $root =="
  if ((mounted_proc)); then umount "$root/proc"; mounted_proc=0; fi
  if mountpoint -q "$root/proc"; then umount "$root/proc"; fi
  rm -rf "$root"
  cp -a "$base" "$root"
  if mount -t proc proc "$root/proc" 2>/dev/null; then mounted_proc=1; fi
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  install -d -m 0700 "$root/tmp/runtime-root"
}

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
# expect_still_running STATUS WHERE: a run under `timeout` passes when the
# timeout ended it (124), that is, the program was still in its event loop.
expect_still_running() {
  if (($1 == 124)); then
    echo "PASS: morvane started$2 and was still running after ${run_seconds}s"
  else
    echo "FAIL: morvane$2 ended with status $1 within ${run_seconds}s" >&2
    exit 1
  fi
}
# expect_one_line STATUS ERRORS PATTERN WHERE: a run that could show no
# window passes when it ended with status 1 and one line matching PATTERN.
expect_one_line() {
  if (($1 == 1)) && [[ $(wc -l <<<"$2") == 1 ]] && grep -qE -- "$3" <<<"$2"; then
    echo "PASS: morvane$4 ended with status 1 and: $2"
  else
    echo "FAIL: morvane$4 ended with status $1 and:" >&2
    echo "$2" >&2
    exit 1
  fi
}

# Starts a headless weston whose socket lies in the chroot's /tmp, for a run
# of the program with no X display (steps 2 and 5), and sets in_wayland to
# the words that start a command there as a Wayland desktop would. Fails
# when this machine has no weston.
in_wayland=()
start_wayland_in_root() {
  command -v weston >/dev/null || return 1
  TMPDIR=$root/tmp session_start_weston
  in_wayland=(env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland
    "XDG_RUNTIME_DIR=${SESSION_DIR#"$root"}" "WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
}

pkg_file=$(basename "$deb")
fresh_root
cp "$deb" "$root/tmp/$pkg_file"
in_root apt-get update -qq
before=$(in_root dpkg-query -W -f='${Package}\n' | sort)

echo "== without Recommends: apt-get install --no-install-recommends ./$pkg_file =="
log=$(mktemp)
DEBIAN_FRONTEND=noninteractive in_root sh -c \
  "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ./$pkg_file" >"$log"
grep -E 'newly installed|^Need to get|^After this operation' "$log" || true
if start_wayland_in_root; then
  echo "== start in a Wayland session without qt6-wayland (no X display) =="
  set +e
  errors=$(in_root "${in_wayland[@]}" timeout "$run_seconds" /usr/bin/morvane 2>&1 >/dev/null)
  status=$?
  set -e
  expect_one_line "$status" "$errors" "qt6-wayland" " without qt6-wayland"
  session_stop
fi
# The packages fetched so far serve the install with Recommends.
archives=$(mktemp -d)
cp "$root"/var/cache/apt/archives/*.deb "$archives"/ 2>/dev/null || true

fresh_root
cp "$deb" "$root/tmp/$pkg_file"
cp "$archives"/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
rm -rf "$archives"
in_root apt-get update -qq

echo "== apt-get install -y ./$pkg_file =="
DEBIAN_FRONTEND=noninteractive in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$pkg_file" | tee "$log"
after=$(in_root dpkg-query -W -f='${Package}\n' | sort)
added=$(comm -13 <(echo "$before") <(echo "$after"))

echo "== what the install pulled in =="
grep -E 'newly installed|^Need to get|^After this operation' "$log" || true
echo "packages before: $(echo "$before" | wc -l), after: $(echo "$after" | wc -l), added: $(echo "$added" | grep -c .)"
echo "$added" | paste -sd " " | fold -s -w 100; echo
rm -f "$log"
for recommended in qt6-wayland qt6-translations-l10n; do
  grep -qx "$recommended" <<<"$added" || { echo "FAIL: $recommended not installed" >&2; exit 1; }
done

echo "== the installed files =="
in_root dpkg -L morvane | grep -vE '/$' | while read -r f; do [[ -d $root$f ]] || echo "$f"; done

echo "== libraries of /usr/bin/morvane =="
libs=$(in_root ldd /usr/bin/morvane)
echo "$libs" | grep -E 'libQt6|libjpeg|libstdc|libc\.so'
if grep -q 'not found' <<<"$libs"; then
  echo "FAIL: unresolved libraries:" >&2
  grep 'not found' <<<"$libs" >&2
  exit 1
fi

if [[ -x $verinfo ]]; then
  echo "== version strings of /usr/bin/morvane (morvane-verinfo) =="
  cp "$verinfo" "$root/tmp/morvane-verinfo"
  in_root /tmp/morvane-verinfo /usr/bin/morvane
  rm -f "$root/tmp/morvane-verinfo"
else
  echo "(no $verinfo: version strings not read)"
fi

echo "== start: QT_QPA_PLATFORM=offscreen morvane (${run_seconds}s) =="
set +e
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime-root timeout "$run_seconds" /usr/bin/morvane
status=$?
set -e
expect_still_running "$status" ""

echo "== start with no display at all =="
set +e
errors=$(in_root env XDG_RUNTIME_DIR=/tmp/runtime-root timeout "$run_seconds" /usr/bin/morvane 2>&1 >/dev/null)
status=$?
set -e
expect_one_line "$status" "$errors" "DISPLAY" " with no display"

if start_wayland_in_root; then
  echo "== start in a Wayland session: headless weston, no X display (${run_seconds}s) =="
  set +e
  in_root "${in_wayland[@]}" WAYLAND_DEBUG=1 timeout "$run_seconds" /usr/bin/morvane \
    2>"$SESSION_DIR/program.log"
  status=$?
  set -e
  expect_still_running "$status" " under Wayland"
  app_id=$(grep -oE 'set_app_id\("[^"]*"\)' "$SESSION_DIR/program.log" | head -n 1 || true)
  if [[ -z $app_id ]]; then
    echo "FAIL: no Wayland window shown (no set_app_id in its requests)" >&2
    exit 1
  fi
  echo "PASS: a Wayland window, $app_id"
  session_stop
else
  echo "(no weston here: the Wayland run is left out)"
fi

if ! command -v Xvfb >/dev/null; then
  echo "(no Xvfb here: the X11 run is left out)"
  exit 0
fi
echo "== start on X11: QT_QPA_PLATFORM=xcb morvane under Xvfb (${run_seconds}s) =="
session_start_x11
set +e
in_root env QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime-root \
  timeout "$run_seconds" /usr/bin/morvane &
app_pid=$!
sleep $((run_seconds > 2 ? run_seconds - 2 : 1))
if command -v import >/dev/null; then
  import -display "$DISPLAY" -window root "$shot" && echo "screenshot: $shot"
fi
wait "$app_pid"
status=$?
set -e
expect_still_running "$status" " on X11"
