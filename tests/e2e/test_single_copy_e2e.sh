#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The one running copy, in sessions where its folders are not what they usually are: no other user
# can keep it from starting, and a second start brings it forward whatever its runtime folder.
source "$(dirname "$0")/x_session.sh"

# second_start_brings_it_forward WHAT: with another window in front, a second start ends and the
# running copy's word window is the active one.
second_start_brings_it_forward() {
  xlogo &
  pids+=($!)
  local logo
  logo="$(timeout 10 xdotool search --sync --onlyvisible --class xlogo | head -n1)" || fail "$1: no other window"
  xdotool windowactivate --sync "$logo"
  "$program_file" >/dev/null 2>&1 &
  local second=$!
  for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
  check "$1: the second start ended" bash -c "! kill -0 $second 2>/dev/null"
  check "$1: one copy runs" test "$(running_copies)" -eq 1
  check_soon "$1: the word window came forward" bash -c "[ \"\$(xdotool getactivewindow)\" = $win ]"
  kill "${pids[-1]}"
}

# A runtime folder whose path is too long for a socket's address.
long="$work/$(printf 'r%.0s' $(seq 150))"
mkdir -m 700 "$long"
XDG_RUNTIME_DIR="$long" start_vorlix
win="$(word_window)" || fail "no word window with a long runtime folder"
XDG_RUNTIME_DIR="$long" second_start_brings_it_forward "a runtime folder of ${#long} characters"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

# No runtime folder, and another user has made Qt's stand-in for it and holds a lock under the
# program's name in the shared temporary folder.
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: another user's folders and locks need root to be made"
  echo "all checks passed"
  exit 0
fi
shared="$work/shared-tmp"
mkdir -m 1777 "$shared"
key="$(printf %s "$XDG_CONFIG_HOME" | sha1sum | cut -c1-16)"
install -d -m 700 -o nobody "$shared/runtime-$(id -un)"
setpriv --reuid=nobody --regid=nogroup --clear-groups flock "$shared/vorlix1.0-$key.lock" sleep 300 &
pids+=($!)
for _ in $(seq 50); do [ -e "$shared/vorlix1.0-$key.lock" ] && break; sleep 0.1; done
export TMPDIR="$shared"
unset XDG_RUNTIME_DIR
start_vorlix
win="$(word_window)" || fail "no word window while another user holds a lock in the shared folder"
second_start_brings_it_forward "another user's lock in the shared folder"
echo "all checks passed"
