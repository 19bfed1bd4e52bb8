#!/bin/sh
# Build the fuzz preset and run every file reader's libFuzzer target for a bounded time, starting
# from its seed corpus of valid files in fuzz/corpus/<reader>/. Inputs found on the way are kept in
# build/fuzz/corpus/<reader>/, reproducers of failures in build/fuzz/crashes/.
# Exits non-zero when a target crashes, leaks, runs out of memory or hangs.
# Usage: tools/fuzz.sh [seconds per target, default 60]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers

mkdir -p build/fuzz/crashes
status=0
found=0
for exe in build/fuzz/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  found=$((found + 1))
  name=$(basename "$exe")
  name=${name#fuzz_}
  mkdir -p "build/fuzz/corpus/$name"
  echo "== fuzzing $name for ${seconds}s =="
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/crashes/$name-" \
      "build/fuzz/corpus/$name" "fuzz/corpus/$name"; then
    echo "fuzz: $name failed; the reproducer is in build/fuzz/crashes/" >&2
    status=1
  fi
done
if [ "$found" -eq 0 ]; then
  echo "fuzz: no fuzz targets were built" >&2
  exit 1
fi
exit $status
