#!/bin/sh
# Checks the library as a host developer gets it: builds it with the `package` preset, installs it
# into a temporary prefix, builds the example host (examples/host, copied out of this tree) against
# that prefix alone and runs its tests; then builds the Debian packages, installs them with apt,
# builds the example against them (CMake and pkg-config) and removes the packages again.
# Installing needs root (or sudo); without it the Debian half is skipped with a note.
set -eu
cd "$(dirname "$0")/.."
repo=$(pwd)
tools/setup.sh

work=$(mktemp -d)
installed=""
cleanup() {
  if [ -n "$installed" ]; then
    echo "== removing the installed packages:$installed =="
    # shellcheck disable=SC2086
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q $installed >/dev/null || true
  fi
  rm -rf "$work"
}
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
trap cleanup EXIT

echo "== the host guide's code comes from the example host =="
# Every line of the guide's C++ and CMake blocks is a line of the example, which is built below.
cat examples/host/*.cpp examples/host/*.h examples/host/tests/*.cpp examples/host/CMakeLists.txt > "$work/example-lines"
awk '/^```(cpp|cmake)$/ {inside = 1; next} /^```/ {inside = 0} inside && NF' docs/host-guide.md |
while IFS= read -r line; do
  grep -Fxq -- "$line" "$work/example-lines" || {
    echo "package-check: docs/host-guide.md shows a line the example does not have: $line" >&2
    exit 1
  }
done

echo "== building the library for installation =="
cmake --preset package >/dev/null
cmake --build --preset package

# The example is built from a copy, so that nothing of this tree can be found by accident.
example() { # example <name> [cmake arguments...]
  name=$1; shift
  rm -rf "$work/$name"
  cp -r examples/host "$work/$name"
  cmake -S "$work/$name" -B "$work/$name/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS=-Werror "$@" >/dev/null
  cmake --build "$work/$name/build"
  if grep -q "$repo/" "$work/$name/build/compile_commands.json" "$work/$name/build/build.ninja"; then
    echo "package-check: the example's build refers to the source tree" >&2
    exit 1
  fi
  ctest --test-dir "$work/$name/build" --output-on-failure --no-tests=error
  "$work/$name/build/maldi-example-host" "$work/$name/build" >/dev/null
}

echo "== installing into a temporary prefix and building the example against it =="
DESTDIR="$work/stage" cmake --install build/package >/dev/null
example prefix -DCMAKE_PREFIX_PATH="$work/stage/usr" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
ldd "$work/prefix/build/example_host_tests" | grep -q "libmaldi_ui.so.* => $work/stage/" || {
  echo "package-check: the example's tests did not load the installed library" >&2
  exit 1
}

if [ -n "$SUDO" ] && ! command -v sudo >/dev/null 2>&1; then
  echo "== not root: the Debian packages are built but not installed =="
  (cd build/package && cpack -G DEB >/dev/null)
  exit 0
fi

echo "== building the Debian packages =="
rm -f build/package/*.deb
(cd build/package && cpack -G DEB)
debs=$(ls build/package/*.deb)
packages=""
for deb in $debs; do
  dpkg-deb --field "$deb" Package Version Depends; echo
  packages="$packages $(dpkg-deb --field "$deb" Package)"
done

echo "== installing them with apt and building the example against them =="
installed=$packages
# shellcheck disable=SC2046
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $(for d in $debs; do echo "./$d"; done)
example deb -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
ldd "$work/deb/build/example_host_tests" | grep -Eq "libmaldi_ui.so.* => (/usr)?/lib/" || {
  echo "package-check: the example's tests did not load the packaged library" >&2
  exit 1
}
# The pkg-config file, as a host built without CMake uses it.
g++ -std=c++20 -Werror -Wall -I examples/host examples/host/main.cpp examples/host/ExampleHost.cpp \
    $(pkg-config --cflags --libs maldi-ui) -o "$work/pkg-config-host"
"$work/pkg-config-host" "$work" >/dev/null
echo "== package check passed =="
