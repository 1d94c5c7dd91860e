#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Say it and a double-click reach a speech-dispatcher of the test's own, at log level 5: the English
# in English, then the Spanish in Spanish. Its sound goes nowhere (libao's null output): once its
# audio has failed, speech-dispatcher 0.11 answers no later request.
source "$(dirname "$0")/x_session.sh"
speechd="$work/speechd"
mkdir -p "$speechd"
printf '%s\n' 'AudioOutputMethod "libao"' 'DefaultModule espeak-ng' \
  'AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"' >"$speechd/speechd.conf"
echo "default_driver=null" >"$HOME/.libao"
export SPEECHD_ADDRESS="unix_socket:$speechd/socket"
# start_speechd NAME: starts it, logging into $speechd/NAME; its pid in $speechd_pid, its log in $log.
start_speechd() {
  log="$speechd/$1/speech-dispatcher.log"
  mkdir -p "$speechd/$1"
  speech-dispatcher --run-single --log-level 5 --config-dir "$speechd" --log-dir "$speechd/$1" \
    --socket-path "$speechd/socket" --pid-file "$speechd/$1/pid" --timeout 0 >"$speechd/$1/out.log" 2>&1 &
  speechd_pid=$!
  pids+=("$speechd_pid")
  for _ in $(seq 100); do [ -S "$speechd/socket" ] && break; sleep 0.1; done
}
# told: the languages set, texts queued and "cancel"s, in order, from a log that keeps CRLFs.
told() {
  tr -d '\r' <"$log" | sed -n -e 's/.*DATA:|SET SELF LANGUAGE \(.*\)$/\1/p' -e 's/.*DATA:|CANCEL SELF$/cancel/p' \
    -e 's/.*Queueing message |\(.*\)| with priority 3$/\1/p' | tr '\n' ' '
}
# pair_told N: waits up to 30 s for the Spanish N times; at first it waits for the list of voices.
pair_told() { for _ in $(seq 300); do [ "$(grep -ac 'Queueing message |la lluvia|' "$log")" -ge "$1" ] && break; sleep 0.1; done; }
say_it() { xdotool mousemove $((x + 10)) $((y + 10)) click 3 sleep 0.5 key s; }
start_speechd first

write_settings xxx=1 n=18000
start_vorlix
win="$(word_window)" || fail "no word window appeared"
read -r x y w h < <(geometry "$win")
check "nothing is told before the first Say it" test -z "$(told)"
say_it
pair_told 1
check "Say it tells the English in English, then the Spanish in Spanish" test "$(told)" = "cancel en rain es la lluvia "

# A double-click held as a user holds a button: released before openbox has taken the pointer for
# the move the first press starts, openbox would take the second click for the end of that move.
xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.3 mousedown 1 sleep 0.15 mouseup 1 sleep 0.1 \
  mousedown 1 sleep 0.1 mouseup 1
pair_told 2
check "a double-click stops what is still said and tells the pair again" \
  test "$(told)" = "cancel en rain es la lluvia cancel en rain es la lluvia "
check "and leaves the window as it was" test "$(geometry "$win")" = "$x $y $w $h"

# speech-dispatcher ended and started again: the next Say it finds the connection gone, where a
# write would end a program that did not see to it, and makes a new one.
kill "$speechd_pid"; wait "$speechd_pid" 2>/dev/null || true; rm -f "$speechd/socket"
start_speechd second
say_it
pair_told 1
check "after a restart of speech-dispatcher, Say it reaches the new one" test "$(told)" = "cancel en rain es la lluvia "
check "and the program runs on" kill -0 "$vorlix_pid"
echo "all checks passed"
