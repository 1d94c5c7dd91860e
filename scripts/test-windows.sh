#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Windows build's tests (scripts/build-windows.sh made them) under Wine: in a Wine prefix
# of this run's own, on a private X server, both removed afterwards.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_WINDOWS_BUILD_DIR:-$here/build-windows}"
# shellcheck source=windows-toolchain.sh
source "$here/scripts/windows-toolchain.sh"

# The tests that show windows, and every Wine process with them, share one display.
wine_desktop
# A new prefix has no Arial: without it the word line would be measured in another font.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null

(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@")
