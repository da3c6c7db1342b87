#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when any tracked C++ file differs from what clang-format (.clang-format) would make of it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
