#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test, then does the same with AddressSanitizer and
# UndefinedBehaviorSanitizer built in, then cross-builds the Windows program and runs its tests
# under Wine; exits non-zero when any test fails.
#   VORLIX_SANITIZED_TESTS=0  leaves out the second round (it takes about as long as the first)
#   VORLIX_WINDOWS_TESTS=0    leaves out the Windows round, which runs whenever a mingw-w64
#                             toolchain is at hand (scripts/windows-toolchain.sh says where it looks)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_BUILD_DIR:-$here/build}"
# shellcheck source=windows-toolchain.sh
source "$here/scripts/windows-toolchain.sh"

bash "$here/scripts/build.sh"
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 300)

if [ "${VORLIX_SANITIZED_TESTS:-1}" != 0 ]; then
  # Unoptimised: it builds faster, and the sanitizers see every access as written.
  VORLIX_BUILD_DIR="$build-sanitized" CMAKE_BUILD_TYPE=Debug bash "$here/scripts/build.sh" -DVORLIX_SANITIZE=ON
  (cd "$build-sanitized" && ctest --output-on-failure -j "$(nproc)" --timeout 300)
fi

if [ "${VORLIX_WINDOWS_TESTS:-1}" != 0 ]; then
  if [ -n "$(windows_toolchain)" ]; then
    # The Windows word reader must give what the Linux one just built gives.
    bash "$here/scripts/build-windows.sh" -DVORLIX_LINUX_WORD_READER="$build/bin/vorlix-words"
    bash "$here/scripts/test-windows.sh"
  else
    echo "Windows round left out: no mingw-w64 toolchain at hand (bash scripts/build-windows.sh builds one, once, in about an hour)"
  fi
fi
