#!/bin/sh
# Set up, build and run the unit tests (optimised build with debug info).
# Usage: tools/test.sh [preset]      preset: default (g++), clang or asan
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
tools/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
