#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Crashes, crowds of starts, a settings folder that cannot be written and a damaged database:
# the program keeps one copy, never touches its database and always says what is wrong.
source "$(dirname "$0")/x_session.sh"
: "${FIT_PROBE:?path of fit_probe}"

database_sum="$(md5sum <"$work/program/reg.ocx")"

# The word reader ends once it has sent every word; with 18 s between words the first tick is far
# off, and it is reaped within a second of its end all the same.
write_settings xxx=1 n=18000 guage=0
start_vorlix
win="$(word_window)" || fail "no word window appeared"
sleep 1
check "the word reader has ended and is reaped, no zombie left" test -z "$(ps --ppid "$vorlix_pid" -o pid=,stat=)"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
rm -f "$settings_file"

# A copy killed outright leaves its lock and socket behind; the next start must not mind.
start_vorlix
win="$(word_window)" || fail "no word window appeared"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
start_vorlix
win="$(word_window)" || fail "no word window after a copy was killed"
check "a start after kill -9 shows the first word" fitted_to "rain  |  la lluvia"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

# Ten starts at once: exactly one copy stays.
for _ in $(seq 10); do "$work/program/vorlix" >/dev/null 2>&1 & pids+=($!); done
for _ in $(seq 100); do [ "$(running_copies)" -le 1 ] && break; sleep 0.1; done
sleep 1
check "ten starts at once leave one copy" test "$(running_copies)" -eq 1
pkill -9 -f "^$work/program/vorlix" || true
sleep 0.3

# A settings folder that cannot be written: the program runs and says nothing is saved.
rm -rf "$XDG_CONFIG_HOME/kestry"
touch "$XDG_CONFIG_HOME/kestry"
start_vorlix
win="$(word_window)" || fail "no word window with unwritable settings"
check "unwritable settings are said in the window" fitted_to "Settings not saved: the settings store cannot be written"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
rm -f "$XDG_CONFIG_HOME/kestry"

check "the database is byte for byte as it was" test "$database_sum" = "$(md5sum <"$work/program/reg.ocx")"

# A damaged database: half of it cut away.
head -c 8192 "$VORLIX_TEST_DB" >"$work/program/reg.ocx"
start_vorlix
win="$(word_window)" || fail "no word window with a damaged database"
sleep 0.5
check "a damaged database does not end the program" kill -0 "$vorlix_pid"
read -r _ _ w _ < <(geometry "$win")
read -r word_width _ < <("$FIT_PROBE" "rain  |  la lluvia")
check "and is said in the window (width $w, wider than a word's $word_width)" test "$w" -gt "$word_width"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

# Files whose word table libmdb reads as blank rows: said to be damaged, not taken for an empty
# category.
for damaged in bad-row-offsets-2 bad-row-offsets-3; do
  cp "$VORLIX_SOURCE_DIR/tests/data/damaged/$damaged.mdb" "$work/program/reg.ocx"
  start_vorlix
  win="$(word_window)" || fail "no word window with $damaged"
  check "$damaged is said to be damaged" fitted_to "No words: reg.ocx cannot be read (damaged Access database: \
table word: its column spanish lies outside its rows): $work/program/reg.ocx"
  kill -9 "$vorlix_pid"
  wait "$vorlix_pid" 2>/dev/null || true
done
echo "all checks passed"
