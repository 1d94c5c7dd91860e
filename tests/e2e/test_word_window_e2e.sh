#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox, checked from outside as a user's desktop sees it.
source "$(dirname "$0")/x_session.sh"
: "${FIT_PROBE:?path of fit_probe}"

start_vorlix
win="$(word_window)" || fail "no word window appeared"
first_pid=$vorlix_pid

check "first start wrote the seven keys" grep -q '^xxx=1$' "$settings_file"
check_soon "frameless: the window manager adds no frame" \
  bash -c "xprop -id $win _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0'"
check_soon "topmost" bash -c "xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"

read -r _ _ w h < <(geometry "$win")
read -r fw fh < <("$FIT_PROBE" "rain  |  la lluvia")
check "sized like the fit of the first word (${w}x${h} vs ${fw}x${fh})" test "$w" -eq "$fw" -a "$h" -eq "$fh"

# A second start brings the running copy forward and ends by itself, without so much as opening
# the settings.
before="$(md5sum "$settings_file")"
inotifywait -m -e open "$settings_file" >"$work/settings_opened" 2>"$work/inotifywait.log" &
watcher=$!
pids+=("$watcher")
for _ in $(seq 50); do grep -q "Watches established" "$work/inotifywait.log" && break; sleep 0.1; done
"$work/program/vorlix" >/dev/null 2>&1 &
second=$!
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill "$watcher"
check "the second copy ended" bash -c "! kill -0 $second 2>/dev/null"
check "one copy runs" test "$(running_copies)" -eq 1
check "the second copy wrote nothing" test "$before" = "$(md5sum "$settings_file")"
check "the second copy did not open the settings" test ! -s "$work/settings_opened"
check "the first copy still runs" kill -0 "$first_pid"
echo "all checks passed"
