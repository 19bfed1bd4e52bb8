#!/bin/sh
# Build the fuzz preset and run every file reader's libFuzzer target for a bounded time, starting
# from its seed corpus of valid files in fuzz/corpus/<reader>/. Inputs found on the way are kept in
# build/fuzz/corpus/<reader>/, reproducers of failures in build/fuzz/crashes/.
# Exits non-zero when a target crashes, leaks, runs out of memory or hangs.
# The window fuzzer (fuzz_ui_session) runs once per window, MALDI_FUZZ_WINDOW=<name>, from that
# window's sessions in fuzz/corpus/ui_session/<name>-*, for UI_SECONDS each (default 20).
# Usage: tools/fuzz.sh [seconds per target, default 60]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
ui_seconds="${UI_SECONDS:-20}"
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
  if [ "$name" = ui_session ]; then
    for window in $(ls fuzz/corpus/ui_session | sed 's/-[0-9]*$//' | sort -u); do
      mkdir -p "build/fuzz/corpus/ui_session/$window" "build/fuzz/seed/ui_session/$window"
      cp fuzz/corpus/ui_session/"$window"-* "build/fuzz/seed/ui_session/$window/"
      echo "== fuzzing the window $window for ${ui_seconds}s =="
      if ! MALDI_FUZZ_WINDOW="$window" "$exe" -max_total_time="$ui_seconds" -timeout=10 -rss_limit_mb=2048 \
          -max_len=1400 -print_final_stats=1 -artifact_prefix="build/fuzz/crashes/ui-$window-" \
          "build/fuzz/corpus/ui_session/$window" "build/fuzz/seed/ui_session/$window"; then
        echo "fuzz: window $window failed; the reproducer is in build/fuzz/crashes/" >&2
        status=1
      fi
    done
    continue
  fi
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
