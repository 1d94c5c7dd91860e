# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows end-to-end tests. They run inside the Wine session and on the display that
# scripts/test-windows.sh provides (WINEPREFIX, DISPLAY), one at a time, and clean up after
# themselves: the program's settings, its start-at-log-on value and any copy still running.
set -euo pipefail

: "${WINEPREFIX:?run by scripts/test-windows.sh, which provides the Wine session}"
: "${VORLIX_BIN_DIR:?folder of the programs of the Windows build}"
export WINEDEBUG=-all

work="$(mktemp -d)"
settings_key='HKCU\Software\VB and VBA Program Settings\kestry\vorlix1.0'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
pids=()
# program_processes PATTERN: the ids of the program's processes whose command line matches, but
# not those of the word readers in the build's own folder, which the QtTest suite runs beside
# this test, nor those of other Wine sessions on the machine: another run of these tests, in a
# prefix of its own, starts programs of the same names.
build_folder="$(winepath -w "$VORLIX_BIN_DIR")"
program_processes() {
  local pid args
  for pid in $(pgrep -f "$1"); do
    # A process that ends meanwhile is not listed.
    grep -qszxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" || continue
    args="$(ps -o args= -p "$pid")" || continue
    grep -qF "$build_folder" <<<"$args" || echo "$pid"
  done
}
# windows_folder NAME: the Unix path of the folder a Windows variable (LOCALAPPDATA) names.
windows_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
# The user's own words, which the program reads instead of those beside it.
own_words="$(windows_folder LOCALAPPDATA)/Vorlix"
[[ "$own_words" == "$WINEPREFIX"/* ]] || { echo "%LOCALAPPDATA% lies outside the Wine prefix: $own_words" >&2; exit 1; }
# forget_the_program: no copy running, no settings, no start-at-log-on value, no words of the
# user's own.
forget_the_program() {
  program_processes 'vorlix(-words)?\.exe' | xargs -r kill -9 2>/dev/null || true
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  wine reg delete "$run_key" /v vorlix1.0 /f >/dev/null 2>&1 || true
  rm -rf "$own_words"
}
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  forget_the_program
  rm -rf "$work"
}
trap cleanup EXIT
forget_the_program

fail() { echo "FAIL: $*" >&2; exit 1; }
check() { local what="$1"; shift; if "$@"; then echo "ok - $what"; else fail "$what"; fi; }

probe() { wine "$VORLIX_BIN_DIR/window_probe.exe" "$@" | tr -d '\r'; }

# A program folder as a user has it: the programs, their DLLs and plugins, and a word database.
make_program_folder() {
  local folder="$1" database="$2"
  mkdir -p "$folder"
  cp "$VORLIX_BIN_DIR"/vorlix.exe "$VORLIX_BIN_DIR"/vorlix-words.exe "$VORLIX_BIN_DIR"/*.dll \
    "$VORLIX_BIN_DIR"/help.html "$folder/"
  rm -f "$folder/Qt6Test.dll"
  mkdir -p "$folder/platforms" "$folder/styles"
  cp "$VORLIX_BIN_DIR/platforms/qwindows.dll" "$folder/platforms/"
  cp "$VORLIX_BIN_DIR/styles/qwindowsvistastyle.dll" "$folder/styles/"
  cp "$database" "$folder/reg.ocx"
}

# word_window: waits for the program's word window; prints "HWND STYLE EXSTYLE LEFT TOP RIGHT BOTTOM".
word_window() {
  local line
  for _ in $(seq 200); do
    line="$(program_windows Tool | head -n1)"
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

# program_windows KIND: the program's visible windows of a kind of Qt window class (Tool for the
# word window, Popup for the menu), one "HWND STYLE EXSTYLE LEFT TOP RIGHT BOTTOM" line each.
program_windows() { probe windows | awk -v kind="$1" '$2 ~ kind {print $1, $3, $4, $5, $6, $7, $8}'; }

# registry_value KEY NAME: "TYPE DATA" of a value, nothing when it is not there.
registry_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v k="$2" '$1 == k {$1 = ""; sub(/^ +/, ""); print}'
}
settings_value() { registry_value "$settings_key" "$1"; }
