#!/bin/sh
# The desktop back end's tests on a virtual X server: builds them, starts Xvfb on a free display,
# runs them with real pointer and key events (xdotool), stops the server.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target test_desktop maldi-sim
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.5
done
DISPLAY=":$display" build/default/tests/desktop/test_desktop
