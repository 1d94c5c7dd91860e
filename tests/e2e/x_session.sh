# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: a private X server with a window manager, a private home and
# settings folder, and a program folder holding the built program and a word database.
# Everything started here is stopped when the test script ends, however it ends.
set -euo pipefail

: "${VORLIX_BIN:?path of the built vorlix}"
: "${VORLIX_TEST_DB:?word database to install as reg.ocx}"

work="$(mktemp -d)"
pids=()
# Its error output goes nowhere, or bash reports each process it ends as "Killed".
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" || true; done
  pkill -9 -f "^$work/program/vorlix" || true
  rm -rf "$work"
} 2>/dev/null
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
check() { local what="$1"; shift; if "$@"; then echo "ok - $what"; else fail "$what"; fi; }
# check_soon: check, for what the window manager sets in its own time (frame, state), with up to
# 5 s for it to come on a loaded machine.
check_soon() {
  local what="$1"; shift
  for _ in $(seq 50); do "$@" && { echo "ok - $what"; return 0; }; sleep 0.1; done
  fail "$what"
}

# Xvfb picks a free display itself and tells which. It must not reset when its last client goes,
# as it does while the window manager is restarted: it would refuse connections meanwhile.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# start_openbox: starts the window manager and returns once it has taken the screen; its pid in
# $openbox_pid.
start_openbox() {
  openbox --sm-disable >>"$work/openbox.log" 2>&1 &
  openbox_pid=$!
  pids+=("$openbox_pid")
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && return 0; sleep 0.1; done
  fail "openbox did not start"
}

# restart_openbox: a window manager that has just started, as at log-on.
restart_openbox() {
  kill "$openbox_pid"
  wait "$openbox_pid" 2>/dev/null || true
  xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null || true
  start_openbox
}

start_openbox
sleep 1

mkdir -p "$work/program"
cp "$VORLIX_BIN" "$work/program/vorlix"
cp "$(dirname "$VORLIX_BIN")/vorlix-words" "$work/program/vorlix-words"
cp "$VORLIX_TEST_DB" "$work/program/reg.ocx"
settings_file="$XDG_CONFIG_HOME/kestry/vorlix1.0.ini"

# start_vorlix: starts the program ($program_file, by default the copy named vorlix) in the
# background; its pid in $vorlix_pid.
program_file="$work/program/vorlix"
start_vorlix() {
  "$program_file" >"$work/vorlix.log" 2>&1 &
  vorlix_pid=$!
  pids+=("$vorlix_pid")
}

# word_window: waits for the word window of $vorlix_pid, and for the window manager to have placed
# it, and prints its X id.
word_window() {
  local id
  id="$(shown_window)" || return 1
  settle "$id"
  echo "$id"
}

# shown_window: waits only until the word window of $vorlix_pid shows, and prints its X id.
shown_window() {
  local id
  # Generous: the first program run on a new machine builds the font cache.
  for _ in $(seq 600); do
    for id in $(xdotool search --pid "$vorlix_pid" 2>/dev/null || true); do
      if xwininfo -id "$id" 2>/dev/null | grep -q "IsViewable"; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.05
  done
  cat "$work/vorlix.log" >&2
  for id in $(xdotool search --pid "$vorlix_pid" 2>/dev/null || true); do xwininfo -id "$id" | grep -E "Map State|geometry" >&2; done
  return 1
}

# settle ID: waits until the window manager has placed the window: a window can show for a moment
# where it was mapped before it is moved into place, so the same geometry must hold for half a second.
settle() {
  local last="" now same=0
  for _ in $(seq 60); do
    now="$(geometry "$1")"
    if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
    [ "$same" -ge 4 ] && return 0
    last="$now"
    sleep 0.125
  done
}

# geometry ID: prints "X Y W H" of a window, from the root's point of view.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# Copies of the program itself: its word reader, vorlix-words, is not a copy.
running_copies() { pgrep -c -f "^$work/program/vorlix\$" || true; }

# fitted_to TEXT: the word window $win is sized like the fit of TEXT.
fitted_to() {
  local w h fw fh
  read -r _ _ w h < <(geometry "$win")
  read -r fw fh < <("$FIT_PROBE" "$1")
  [ "$w" -eq "$fw" ] && [ "$h" -eq "$fh" ]
}

write_settings() {
  mkdir -p "$(dirname "$settings_file")"
  printf '[General]\n%s\n' "$@" >"$settings_file"
}
