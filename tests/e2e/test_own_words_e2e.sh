#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's own words: a list saved by a spreadsheet, made into a database by the builder and
# put among the user's data, is what the program shows instead of the words beside it; a damaged
# or dangling one there is reported with its path, and without it the bundled words come back.
source "$(dirname "$0")/x_session.sh"
: "${FIT_PROBE:?path of fit_probe}"
: "${WORDBASE:?path of vorlix-wordbase}"

write_settings xxx=1 guage=0

# shows TEXT WHAT: a fresh start shows TEXT as its first line.
shows() {
  start_vorlix
  win="$(word_window)" || fail "no word window: $2"
  check "$2" fitted_to "$1"
  kill -9 "$vorlix_pid"
  wait "$vorlix_pid" 2>/dev/null || true
}

# As a spreadsheet saves "CSV UTF-8": a byte-order mark, a header in its own order, quotes, CRLF.
printf '\xef\xbb\xbfEnglish,Spanish,Category\r\n"kettle, electric",el hervidor,Kitchen\r\n' >"$work/my words.csv"
printf 'Weather\tfog\tla niebla\n' >"$work/fog.tsv"

export XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_DATA_HOME/vorlix"
"$WORDBASE" "$work/my words.csv" "$XDG_DATA_HOME/vorlix/reg.ocx" >/dev/null
shows "kettle, electric  |  el hervidor" "\$XDG_DATA_HOME/vorlix/reg.ocx is read, a database without a password"

unset XDG_DATA_HOME
own="$HOME/.local/share/vorlix/reg.ocx"
mkdir -p "$(dirname "$own")"
"$WORDBASE" "$work/fog.tsv" "$own" >/dev/null
shows "fog  |  la niebla" "without \$XDG_DATA_HOME, ~/.local/share/vorlix/reg.ocx is read"

rm "$own"
ln -s "$work/gone.ocx" "$own"
shows "No words: reg.ocx not found in $HOME/.local/share/vorlix" "a link to nowhere there is reported with its folder"

rm "$own"
head -c 8192 "$work/data/vorlix/reg.ocx" >"$own"
start_vorlix
win="$(word_window)" || fail "no word window with a damaged database of the user's"
read -r _ _ w _ < <(geometry "$win")
read -r word_width _ < <("$FIT_PROBE" "rain  |  la lluvia")
check "a damaged one there is said in the window, not passed over (width $w)" test "$w" -gt "$word_width"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

rm "$own"
shows "rain  |  la lluvia" "without it, the database beside the program is read"
echo "all checks passed"
