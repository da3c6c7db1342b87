#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything in build-asan with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test through ctest; any report (memory error, leak, undefined behaviour) fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan

cmake --preset asan >/dev/null
cmake --build --preset asan -j "${JOBS:-$(nproc)}"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j2
