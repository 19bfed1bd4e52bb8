#!/bin/sh
# Regenerates the golden screenshots (docs/gallery/*.png, one per window and state) and the README
# gallery after an intended change of how a window looks; review the pictures in the diff.
# Usage: tools/golden.sh [preset, default "default"]
set -eu
cd "$(dirname "$0")/.."
preset="${1:-default}"
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" --target test_golden
MALDI_GOLDEN_UPDATE=1 "build/$preset/tests/golden/test_golden" --gtest_brief=1
echo "golden: $(ls docs/gallery/*.png | wc -l) images in docs/gallery, README gallery rewritten"
