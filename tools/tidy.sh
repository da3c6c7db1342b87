#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the checks of .clang-tidy over our sources and fails on any finding. Uses the
# compile commands of the build folder (default build, made by tools/test.sh; configured here with
# the tidy preset if it is missing). The libFuzzer targets of tests/fuzz are left out: they build
# only with LYRANTEL_FUZZ.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ ! -f "$build/compile_commands.json" ]; then
  cmake --preset tidy -B "$build" >/dev/null
fi

git ls-files '*.cpp' ':!:tests/fuzz/*' |
  xargs -P "${JOBS:-$(nproc)}" -n 4 clang-tidy -p "$build" --quiet \
    2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2)
