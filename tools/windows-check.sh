#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compiles the Windows branches on a machine without a Windows Qt: MinGW-w64 checks the syntax of
# every source file with a Q_OS_WIN test against Debian's Qt 6 headers, with the defines Qt gives a
# MinGW program, and windres builds the program's resource. Any error, or any warning in our files,
# fails it; Qt's headers come in as system headers, as their warnings are not ours to mend. A header
# is checked through the source files that include it. Needs Debian's g++-mingw-w64-x86-64-posix and
# binutils-mingw-w64-x86-64.
set -euo pipefail
cd "$(dirname "$0")/.."
qt_headers=$(qmake6 -query QT_INSTALL_HEADERS)
qt_data=$(qmake6 -query QT_INSTALL_ARCHDATA)
version=$(sed -n 's/^project(Lyrantel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# GoogleTest's headers alone, without the rest of the Linux include folder.
gtest_dir=$(mktemp -d)
trap 'rm -rf "$gtest_dir"' EXIT
ln -s /usr/include/gtest "$gtest_dir/gtest"

flags=(
  -fsyntax-only -std=c++20 -Wall -Wextra -Wpedantic -Werror
  -DUNICODE -D_UNICODE -DWIN32 -DWIN64 -D_WIN64 -DMINGW_HAS_SECURE_API=1
  -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NETWORK_LIB -DQT_TESTLIB_LIB
  "-DLYRANTEL_VERSION=\"$version\""
  # The programs that tests start, whose paths CMake gives them.
  "-DLYRANTEL_EXECUTABLE=\"lyrantel.exe\"" "-DHAND_OVER_PROBE=\"hand_over_probe.exe\""
  -isystem "$qt_headers" -isystem "$qt_headers/QtCore" -isystem "$qt_headers/QtGui"
  -isystem "$qt_headers/QtWidgets" -isystem "$qt_headers/QtNetwork" -isystem "$qt_headers/QtTest"
  -isystem "$gtest_dir" -isystem "$qt_data/mkspecs/win32-g++"
  -I .
)

mapfile -t sources < <(git grep -l Q_OS_WIN -- '*.cpp')
printf '%s\0' "${sources[@]}" |
  xargs -0 -r -n 1 -P "${JOBS:-$(nproc)}" x86_64-w64-mingw32-g++-posix "${flags[@]}"
echo "${#sources[@]} files with a Windows branch compile under MinGW-w64"

resource_dir=$(mktemp -d)
trap 'rm -rf "$resource_dir" "$gtest_dir"' EXIT
x86_64-w64-mingw32-windres app/lyrantel.rc -O coff -o "$resource_dir/lyrantel.res"
echo "app/lyrantel.rc builds with windres"
