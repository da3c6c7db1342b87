#!/usr/bin/env bash
# Installs what is missing, builds Lyrantel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lyrantel
exec ./build/lyrantel
