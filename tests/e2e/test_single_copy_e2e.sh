#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The one running copy, in sessions where its folders are not what they usually are: no other user
# can keep it from starting, and a second start brings it forward whatever its runtime folder; a
# copy that is stopped keeps no start from running, and the one that starts answers the next.
source "$(dirname "$0")/x_session.sh"

# second_start_brings_it_forward WHAT [COPIES]: with another window in front, a second start ends
# and the running copy's word window is the active one; COPIES (1) copies run.
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
  check "$1: ${2:-1} running" test "$(running_copies)" -eq "${2:-1}"
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

# A stopped copy still takes connections, as the system queues them: a new start waits for it to
# answer, runs in its place, and brings itself forward at the next start.
start_vorlix
stopped="$vorlix_pid"
word_window >/dev/null || fail "no word window to stop"
kill -STOP "$stopped"
start_vorlix
win="$(word_window)" || fail "a start beside a stopped copy shows no word window"
second_start_brings_it_forward "beside a stopped copy" 2
kill -9 "$stopped" "$vorlix_pid"
wait "$stopped" "$vorlix_pid" 2>/dev/null || true

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the system's runtime folder, and another user's folders and locks, need root to be made"
  echo "all checks passed"
  exit 0
fi
key="$(printf %s "$XDG_CONFIG_HOME" | sha1sum | cut -c1-16)"

# One copy whether the runtime folder is given or not: a start from cron or over ssh has none, and
# finds the one the system makes for each logged-in user. The test's own files go from there again,
# and the folder if the test made it.
system_runtime="/run/user/$(id -u)"
made_runtime=""
if [ ! -d "$system_runtime" ]; then
  made_runtime="$system_runtime"
  [ -d /run/user ] || made_runtime=/run/user
  mkdir -p -m 755 /run/user
  mkdir -m 700 "$system_runtime"
fi
forget_system_runtime() {
  rm -f "$system_runtime/vorlix1.0-$key.lock" "$system_runtime/vorlix1.0-$key.socket"
  [ -z "$made_runtime" ] || rm -r "$made_runtime"
  made_runtime=""
}
trap 'forget_system_runtime; cleanup' EXIT
XDG_RUNTIME_DIR="$system_runtime" start_vorlix
win="$(word_window)" || fail "no word window with the system's runtime folder"
(unset XDG_RUNTIME_DIR; second_start_brings_it_forward "a start without XDG_RUNTIME_DIR")
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
forget_system_runtime

# No runtime folder, and another user has made Qt's stand-in for it and holds a lock under the
# program's name in the shared temporary folder.
shared="$work/shared-tmp"
mkdir -m 1777 "$shared"
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
