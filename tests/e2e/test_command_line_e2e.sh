#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as a Linux user meets it: --help and --version print and end, with or without a
# running copy, which stays where it is and is not brought forward; anything else is refused; Qt's
# own options still start the program. Without a display it says so in one line, unless a copy
# runs, which a start brings forward as ever.
source "$(dirname "$0")/x_session.sh"
program="$work/program/vorlix"

# asks ARGS...: runs the program with ARGS, within 10 s; its output in $out, its status in $status.
asks() {
  status=0
  out="$(timeout 10 "$program" "$@" 2>"$work/stderr")" || status=$?
}

asks --help
check "--help ends with status 0 ($status)" test "$status" -eq 0
check "and says how to use the program" grep -q "^usage: vorlix" <<<"$out"
check "and where its settings are" grep -qF "$XDG_CONFIG_HOME/kestry/vorlix1.0.ini" <<<"$out"
check "with no window and no copy left running" test "$(running_copies)" -eq 0

# starts_without_display: starts the program with no display at all; its status in $status.
starts_without_display() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" >/dev/null 2>"$work/stderr" || status=$?
}
starts_without_display
check "without a display the program ends with status 1 ($status)" test "$status" -eq 1
check "and one line saying so" bash -c '[ "$(wc -l <"$1")" -eq 1 ] && grep -q "^vorlix: no display to show the word window on" "$1"' _ "$work/stderr"

start_vorlix
win="$(word_window)" || fail "no word window appeared"
# Another window in front, as a second start would bring the running copy before it.
xlogo & pids+=($!)
other=""
for _ in $(seq 50); do other="$(xdotool search --onlyvisible --class xlogo 2>/dev/null | head -n1 || true)"; [ -n "$other" ] && break; sleep 0.1; done
xdotool windowactivate --sync "$other"
before="$(geometry "$win")"
active_before="$(xprop -root _NET_ACTIVE_WINDOW)"
for question in --help --version; do
  asks "$question"
  check "$question beside a running copy ends with status 0 ($status)" test "$status" -eq 0
done
check "--version names the version" grep -q "^vorlix (Vorlix) [0-9]" <<<"$out"
sleep 0.5
check "the running copy stays where it was" test "$(geometry "$win")" = "$before"
check "and is not brought forward" test "$(xprop -root _NET_ACTIVE_WINDOW)" = "$active_before"
check "one copy runs" test "$(running_copies)" -eq 1
starts_without_display
check "a start without a display beside a running copy ends with status 0 ($status)" test "$status" -eq 0

asks --bogus
check "an unknown option ends with status 2 ($status)" test "$status" -eq 2
check "and one line saying so" test "$(cat "$work/stderr")" = "vorlix: unknown option '--bogus'; see 'vorlix --help'"

# Qt's own option still starts the program: with no copy running, it shows its first word.
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
status=0
VORLIX_QUIT_AFTER_FIRST_PAINT=1 timeout 20 "$program" -platform offscreen >/dev/null 2>"$work/stderr" || status=$?
check "-platform offscreen starts the program, which paints its first word ($status)" test "$status" -eq 0
echo "all checks passed"
