#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages that building, running and testing Lyrantel need, and only the
# ones that are missing. Works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev libxcb1-dev libuchardet-dev libtag1-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 xvfb xauth libxml2-utils
  clang libclang-rt-14-dev clang-tidy clang-format
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  dpkg-dev python3 desktop-file-utils
  util-linux sox strace
  lintian help2man appstream python3-pyatspi at-spi2-core dbus
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
