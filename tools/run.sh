#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Lyrantel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev --target lyrantel
exec ./build/lyrantel
