#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test through ctest, with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --test-dir build --output-on-failure --timeout 120 -j2
