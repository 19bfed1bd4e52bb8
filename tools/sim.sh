#!/bin/sh
# Set up, build and run maldi-sim, the simulated instrument session (the main job).
# Usage: tools/sim.sh [maldi-sim options]      e.g. tools/sim.sh --scenario source-swap
# The screenshots go to ./sim-output unless --out names another folder.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
(cd "$root" && cmake --preset default >/dev/null && cmake --build build/default --target maldi-sim)
exec "$root/build/default/sim/maldi-sim" "$@"
