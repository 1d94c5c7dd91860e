#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# "Say it" and a double-click reach speech-dispatcher: the English word in English, then the
# Spanish in Spanish, from the real program, against a speech-dispatcher of the test's own that
# logs everything it is told.
source "$(dirname "$0")/x_session.sh"

# The test's own speech-dispatcher: its own socket, configuration and log, and no sound card. Its
# audio goes to libao's null output: once its audio has failed, speech-dispatcher 0.11 answers no
# later request (a CANCEL waits for ever), so a failing sound card would hide the second request.
speechd="$work/speechd"
mkdir -p "$speechd"
cat >"$speechd/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"
DefaultModule espeak-ng
EOF
echo "default_driver=null" >"$HOME/.libao"
export SPEECHD_ADDRESS="unix_socket:$speechd/socket"
# start_speechd NAME: starts it, logging into $speechd/NAME; its pid in $speechd_pid, its log in
# $log.
start_speechd() {
  mkdir -p "$speechd/$1"
  log="$speechd/$1/speech-dispatcher.log"
  speech-dispatcher --run-single --log-level 5 --config-dir "$speechd" --log-dir "$speechd/$1" \
    --socket-path "$speechd/socket" --pid-file "$speechd/$1/pid" --timeout 0 >"$speechd/$1/out.log" 2>&1 &
  speechd_pid=$!
  pids+=("$speechd_pid")
  for _ in $(seq 100); do [ -S "$speechd/socket" ] && break; sleep 0.1; done
}
start_speechd first
check "speech-dispatcher listens on the test's own socket" test -S "$speechd/socket"

# told: what the program handed to this speech-dispatcher, one line a command: "en", "rain", "es",
# "la lluvia" for the languages set and the texts queued, "cancel" for what was stopped. The log
# keeps the protocol's CRLF.
told() {
  tr -d '\r' <"$log" | sed -n -e 's/.*DATA:|SET SELF LANGUAGE \(.*\)$/\1/p' \
    -e 's/.*Queueing message |\(.*\)| with priority 3$/\1/p' -e 's/.*DATA:|CANCEL SELF$/cancel/p'
}
# pair_told N: the Spanish has come N times; cheap, as it is asked ten times a second of a log that
# grows by megabytes.
pair_told() { test "$(grep -ac 'Queueing message |la lluvia|' "$log")" -ge "$1"; }

# The pair stays for the whole test: the longest display time.
write_settings xxx=1 n=18000
start_vorlix
win="$(word_window)" || fail "no word window appeared"
read -r x y w h < <(geometry "$win")
check "nothing is told before the first Say it" bash -c "! grep -q 'SET SELF LANGUAGE' '$log'"

xdotool mousemove $((x + 10)) $((y + 10)) click 3
sleep 0.5
if [ -n "${VORLIX_SCREENSHOT_DIR:-}" ]; then xwd -root -silent >"$VORLIX_SCREENSHOT_DIR/say_it_menu.xwd" || true; fi
xdotool key s
# The first Say it connects, and the Spanish waits for the list of voices, which takes seconds at
# this log level on a loaded machine.
for _ in $(seq 300); do pair_told 1 && break; sleep 0.1; done
check "Say it tells the English in English, then the Spanish in Spanish" \
  test "$(told | tr '\n' ' ')" = "cancel en rain es la lluvia "

# A double-click on the word, held as a user holds a button: openbox's move, which the first press
# starts, must have taken the pointer before the button is up, or it takes the second click for
# the end of the move.
xdotool mousemove $((x + w / 2)) $((y + h / 2))
sleep 0.3
xdotool mousedown 1 sleep 0.15 mouseup 1 sleep 0.1 mousedown 1 sleep 0.1 mouseup 1
for _ in $(seq 100); do pair_told 2 && break; sleep 0.1; done
check "a double-click stops what is still said and tells the pair again" \
  test "$(told | tr '\n' ' ')" = "cancel en rain es la lluvia cancel en rain es la lluvia "
read -r x2 y2 _ _ < <(geometry "$win")
check "and leaves the window where it was" test "$x2,$y2" = "$x,$y"
check "the window shows the pair still" fitted_to "rain  |  la lluvia"

# A speech-dispatcher that ends and starts again, as after a restart of the session's: the next
# Say it finds the connection gone, where a write would end a program that did not see to it, and
# makes a new one.
kill "$speechd_pid"
wait "$speechd_pid" 2>/dev/null || true
rm -f "$speechd/socket"
start_speechd second
xdotool mousemove $((x + 10)) $((y + 10)) click 3
sleep 0.5
xdotool key s
for _ in $(seq 300); do pair_told 1 && break; sleep 0.1; done
check "after a restart of speech-dispatcher, Say it reaches the new one" \
  test "$(told | tr '\n' ' ')" = "cancel en rain es la lluvia "
check "and the program runs on" kill -0 "$vorlix_pid"
echo "all checks passed"
