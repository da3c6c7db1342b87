#!/usr/bin/env bash
# Builds the benchmarks (preset dev, in build like tools/test.sh), runs every executable of
# build/bench five times over, and prints one table: figure, target (bench/targets.tsv), median,
# whether it holds. The raw results stay in build/bench/results/*.json.
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
python3 tools/bench_table.py bench/targets.tsv "$results"/*.json
