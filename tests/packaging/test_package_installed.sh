#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The package unpacked into a folder of its own and started through its command, under Xvfb and
# openbox: the program finds its word reader and word database beside itself and shows the first
# word of the database it was installed with; the word-database builder finds the reader too.
here="$(dirname "$0")"
# The session also lays out a program folder from the build; this test starts the packaged one.
source "$here/../e2e/x_session.sh"
source "$here/package.sh"
: "${FIT_PROBE:?path of fit_probe}"

root="$work/root"
dpkg-deb -x "$deb" "$root"
command="$root/usr/bin/vorlix"
check "the command links to the program folder" test "$(readlink -f "$command")" = "$root/usr/lib/vorlix/vorlix"

# Category All: the first word is the table's first row, as Access's own order gives it.
write_settings xxx=1 guage=0
IFS=$'\t' read -r _ english spanish < <(mdb-export -H -d $'\t' -q '' "$root/usr/lib/vorlix/reg.ocx" word | head -n1)
line="$english  |  $spanish"

"$command" >"$work/vorlix.log" 2>&1 &
vorlix_pid=$!
pids+=("$vorlix_pid")
win="$(word_window)" || fail "the installed program shows no window"
read -r _ _ w h < <(geometry "$win")
read -r fw fh < <("$FIT_PROBE" "$line")
check "it shows the first word, \"$line\" (${w}x${h} vs ${fw}x${fh})" test "$w" -eq "$fw" -a "$h" -eq "$fh"
check "it runs on" kill -0 "$vorlix_pid"

# The builder, among the system's commands, reads the words it adds to with the program's reader.
printf 'Weather,rain,la lluvia\n' >"$work/first.csv" && printf 'Kitchen,spoon,la cuchara\n' >"$work/second.csv"
XDG_DATA_HOME="$work/data" "$root/usr/bin/vorlix-wordbase" "$work/first.csv" >/dev/null
XDG_DATA_HOME="$work/data" "$root/usr/bin/vorlix-wordbase" --add "$work/second.csv" >/dev/null
check "the installed builder adds a list to the learner's words" test "$(mdb-count "$work/data/vorlix/reg.ocx" word)" = 2
echo "all checks passed"
