#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: does nothing when every package is already present.
set -eu

PACKAGES="cmake make g++ clang libclang-rt-14-dev python3 libgtest-dev googletest \
g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 \
wine wine64 xvfb xauth x11-utils imagemagick xdotool fonts-ipafont-gothic"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "install-deps: installing$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
