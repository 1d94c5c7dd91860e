# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows scripts. windows_toolchain prints the folder of the mingw-w64 toolchain
# (Qt 6.4.2 and mdbtools 1.0.1 built for Windows, with its toolchain.cmake), or nothing when none
# is at hand: VORLIX_MINGW_PREFIX when set, else the team's prebuilt copy beside the clone, else the
# one scripts/build-windows-toolchain.sh built into the user's cache. That is a folder of its own:
# the program keeps its single-copy lock in ~/.cache/vorlix, which must stay the user's alone.
windows_toolchain_cache="${XDG_CACHE_HOME:-$HOME/.cache}/vorlix-windows-toolchain/mingw64"

# project_version TREE: the version TREE's CMakeLists.txt gives the project ("1.1.0").
project_version() {
  sed -n -E 's/^project\(vorlix VERSION ([0-9.]+) .*/\1/p' "$1/CMakeLists.txt"
}

windows_toolchain() {
  local repo candidate
  repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  for candidate in "${VORLIX_MINGW_PREFIX:-}" "$repo/../shared/windows-toolchain/mingw64" "$windows_toolchain_cache"; do
    if [ -n "$candidate" ] && [ -f "$candidate/toolchain.cmake" ]; then
      (cd "$candidate" && pwd)
      return 0
    fi
  done
}

# wine_session PREFIX: a Wine prefix of this run's own (made on first use), its server held until
# wine_session_end, so that each program starts in a fraction of a second.
wine_session() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  # A server already held for this prefix serves as well.
  wineserver -p 2>/dev/null || true
  wineboot -i >/dev/null 2>&1
}

wine_session_end() {
  wineserver -k 2>/dev/null || true
}

# wine_desktop: a new folder $run holding a Wine prefix of this run's own, whose programs show on an
# X server of its own (Wine's desktop process belongs to the display it first met); the server, the
# prefix's processes and the folder go when the script ends, however it ends.
wine_desktop() {
  run="$(mktemp -d)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$run/display" >"$run/xvfb.log" 2>&1 &
  wine_desktop_xvfb=$!
  trap 'wine_session_end; kill "$wine_desktop_xvfb" 2>/dev/null || true; rm -rf "$run"' EXIT
  for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
  [ -s "$run/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$run/display")"
  wine_session "$run/prefix"
}
