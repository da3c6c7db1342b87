#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks (preset dev, in build like tools/test.sh), runs every executable of
# build/bench five times over, and prints one table: figure, target (bench/targets.tsv), median,
# whether it holds; then the peak memory of saving and of opening the largest playlist the program
# writes, and of opening a 256 MB M3U and PLS, each step in a fresh process. The raw results stay in build/bench/results/*.json.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build

cmake --preset dev >/dev/null
cmake --build --preset dev -j "${JOBS:-$(nproc)}" --target benchmarks >&2

results="$build/bench/results"
rm -rf "$results"
mkdir -p "$results"
for exe in "$build"/bench/*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=$(basename "$exe")
  echo "== $name" >&2
  # The start-up benchmark maps real windows: on a virtual display unless there is one.
  display=()
  [ "$name" = startup_bench ] && [ -z "${DISPLAY:-}" ] && display=(xvfb-run -a)
  "${display[@]}" "$exe" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$results/$name.json"
done
# The probe is no benchmark executable (build/bench/probes): one step per process, once each.
largest=$(mktemp -d)
trap 'rm -rf "$largest"' EXIT
for step in save open read; do
  echo "== playlist_memory_probe $step" >&2
  # A step that fails still prints its object; one that crashes leaves its row out of the table.
  figure=$("$build/bench/probes/playlist_memory_probe" "$step" "$largest/largest.wpl" || true)
  [ -z "$figure" ] || echo "$figure" >"$results/memory_$step.json"
done
# A 256 MB M3U and PLS of a music library: written by one process, opened by the next.
for type in m3u pls; do
  echo "== playlist_memory_probe open-large $type" >&2
  "$build/bench/probes/playlist_memory_probe" large "$largest/large.$type"
  figure=$("$build/bench/probes/playlist_memory_probe" open-large "$largest/large.$type" || true)
  [ -z "$figure" ] || echo "$figure" >"$results/memory_open_large_$type.json"
  rm -f "$largest/large.$type"
done
python3 tools/bench_table.py bench/targets.tsv "$results"/*.json
