#!/bin/sh
# Installs, on a Debian machine, every package the build, the tests, the rendering and the fonts
# need. Does nothing when they are all there. Needs root (or sudo).
set -eu

PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
libgtest-dev libgmock-dev libbenchmark-dev
libfreetype-dev libpng-dev zlib1g-dev
libsdl2-dev xvfb xdotool x11-apps
fonts-liberation2
dpkg-dev file"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

echo "setup: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "setup: missing packages:$missing; run this script as root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
