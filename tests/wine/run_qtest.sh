#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# How ctest runs a QtTest program of the Windows build under Wine:  run_qtest.sh PROGRAM [ARGS...]
# Two things differ from running it directly. Wine hands no variable named QT_... to Windows
# programs, so they are set again on the Windows side; and Qt Test, finding no console, reports
# to the debugger's channel, so its report goes to a file that is printed from here.
set -u
program="$(winepath -w "$1")"
shift
report="$(mktemp --suffix=.txt)"
trap 'rm -f "$report"' EXIT
settings=""
while IFS= read -r setting; do settings+="set $setting&& "; done < <(env | grep '^QT_' || true)
wine cmd /c "$settings$program -o $(winepath -w "$report"),txt $*"
status=$?
cat "$report"
exit "$status"
