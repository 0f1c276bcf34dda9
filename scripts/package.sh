#!/usr/bin/env bash
# Builds the Debian package: an optimised build in build/, installed stripped
# under /usr by CPack into build/morvane_<version>_<arch>.deb, its Depends
# line worked out by dpkg-shlibdeps. Prints the package's control data and,
# when lintian is installed, what it finds.
#
# The metainfo's release date is the date of the last commit (through
# SOURCE_DATE_EPOCH), so the same commit gives the same package contents;
# set SOURCE_DATE_EPOCH or pass -DMORVANE_RELEASE_DATE= to choose another.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

if [[ -z ${SOURCE_DATE_EPOCH:-} ]] && git rev-parse --git-dir >/dev/null 2>&1; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j "$(nproc)"
cpack --config build/CPackConfig.cmake

deb=$(ls -t build/morvane_*.deb | head -n 1)
echo "== $deb =="
dpkg-deb --info "$deb"

# Debian's package checker, where it is installed (apt-get install lintian);
# it fails the script on an error.
if command -v lintian >/dev/null; then
  echo "== lintian =="
  lintian "$deb" && echo "lintian: no errors or warnings"
fi
