#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Vorlix for 64-bit Windows into ./build-windows (or $VORLIX_WINDOWS_BUILD_DIR):
#   build-windows/Vorlix/                the program folder a user gets: vorlix.exe, vorlix-words.exe,
#                                        wordbase.exe, reg.ocx, help.html and every DLL they load
#   build-windows/vorlix-setup-VERSION.exe the installer
# The tests are built as well (bin/); scripts/test-windows.sh runs them under Wine.
# Uses the toolchain scripts/windows-toolchain.sh finds; where there is none, builds one first.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_WINDOWS_BUILD_DIR:-$here/build-windows}"
# shellcheck source=windows-toolchain.sh
source "$here/scripts/windows-toolchain.sh"

bash "$here/scripts/setup.sh" windows
toolchain="$(windows_toolchain)"
if [ -z "$toolchain" ]; then
  toolchain="$windows_toolchain_cache"
  echo "No Windows toolchain found: building Qt 6.4.2 and mdbtools 1.0.1 for mingw-w64 into $toolchain."
  echo "This takes about an hour on 2 cores, once; later builds use it."
  bash "$here/scripts/build-windows-toolchain.sh" "$toolchain"
fi

# The build runs wordbase.exe to make the word databases: under Wine, in a prefix of its own.
wine_session "$build/wine-prefix"
trap wine_session_end EXIT

# -O2, not -O3: GCC 12 at -O3 warns of overlapping copies inside std::string that cannot happen
# (its -Wrestrict false positive), and every warning here is an error.
PKG_CONFIG_LIBDIR="$toolchain/lib/pkgconfig" cmake -S "$here" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain/toolchain.cmake" -DCMAKE_PREFIX_PATH="$toolchain" -DQT_HOST_PATH=/usr \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -rf "$build/Vorlix"
cmake --install "$build" --prefix "$build/Vorlix" --strip >/dev/null
cmake --build "$build" --target installer
echo "Windows program folder: $build/Vorlix"
echo "Installer: $build/vorlix-setup-$(project_version "$here").exe"
