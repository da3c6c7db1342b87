#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes each playlist reader with libFuzzer for a bounded time (default 60 s per reader), seeded
# with tests/data/playlists. Builds in build-fuzz with clang++, AddressSanitizer,
# UndefinedBehaviorSanitizer and leak checks; a crash, hang (10 s per input) or leak stops it with
# an error and leaves the input in build-fuzz/findings. Needs Debian's clang and
# libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
readers=(m3u pls wpl xspf)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j1 --target "${readers[@]/#/fuzz_}"

mkdir -p "$build/findings"
for reader in "${readers[@]}"; do
  target="fuzz_${reader}"
  corpus="$build/corpus/$reader"
  log="$build/$target.log"
  mkdir -p "$corpus"
  echo "== $target for $seconds s"
  # New inputs go to the corpus under build-fuzz; the seed folder is only read.
  status=0
  "$build/tests/fuzz/$target" "$corpus" tests/data/playlists \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$reader-" >"$log" 2>&1 || status=$?
  grep -E '^(Done|stat::(number_of_executed_units|peak_rss_mb|new_units_added))|ERROR|SUMMARY' \
    "$log" || true
  [ "$status" -eq 0 ] || { echo "$target found a fault (exit $status), see $log"; exit 1; }
done
