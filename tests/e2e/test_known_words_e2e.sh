#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Words the learner knows, in the real program: marked from the menu, passed over after a restart
# until their day comes, and a damaged file of them that leaves the window running.
source "$(dirname "$0")/x_session.sh"
: "${KNOWN_WORDS_DB:?word database whose words and notice each have a size of their own}"
cp "$KNOWN_WORDS_DB" "$work/program/reg.ocx"
known_file="$XDG_DATA_HOME/vorlix/known-words.txt"
storm="a sudden thunderstorm  |  una tormenta repentina"
rain="rain  |  la lluvia"
drizzle="light drizzle in the morning  |  la llovizna de la mañana"

# restart INTERVAL_MS TODAY: the program again, with that display time on that day.
restart() {
  if [ -n "${vorlix_pid:-}" ]; then kill -9 "$vorlix_pid"; wait "$vorlix_pid" 2>/dev/null || true; fi
  write_settings xxx=1 "n=$1"
  VORLIX_TODAY="$2" start_vorlix
  win="$(word_window)" || fail "no word window on $2"
}
# sizes TEXT...: the window's sizes for these lines; shown_over SECONDS: those it takes meanwhile.
sizes() { local text; for text in "$@"; do "$FIT_PROBE" "$text"; done | sort -u; }
shown_over() { for _ in $(seq $(($1 * 10))); do geometry "$win" | cut -d' ' -f3-; sleep 0.1; done | sort -u; }

restart 5000 2027-01-15
xdotool windowactivate --sync "$win" key Menu
sleep 0.3
xdotool key k
check_soon "I know it says when the word comes back" fitted_to "a sudden thunderstorm: back in 1 day"
check_soon "then the next word follows" fitted_to "$rain"
check "the mark is in the learner's folder" \
  grep -qxF "$(printf '2027-01-16\t1\ta sudden thunderstorm\tuna tormenta repentina')" "$known_file"

restart 1000 2027-01-15
check "after a restart the marked word is passed over" test "$(shown_over 3)" = "$(sizes "$drizzle" "$rain")"
restart 1000 2027-01-16
check "on its day it shows again" test "$(shown_over 3)" = "$(sizes "$storm" "$drizzle" "$rain")"

# A damaged file: what reads still counts, the rest is kept aside, and the window says so once.
{ printf '2027-01-16\t1\train\tla lluvia\n'; head -c 300 /dev/urandom; printf '\n2027-01-20\t2\tdriz'; } >"$known_file"
restart 3000 2027-01-15
kept="$XDG_DATA_HOME/vorlix/known-words-unreadable.txt"
check_soon "a damaged file is said" fitted_to "Some of the words you know could not be read; those lines are kept in $kept"
check "its unreadable lines are kept aside" test -s "$kept"
check_soon "then the words come" fitted_to "$storm"
restart 1000 2027-01-15
check "once, and the known rain is passed over" test "$(shown_over 3)" = "$(sizes "$storm" "$drizzle")"
echo "all checks passed"
