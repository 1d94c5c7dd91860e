#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The program folder's notices cover what it ships: every DLL in it is named in
# THIRD-PARTY-NOTICES.txt, every licence text the notices name is there, and none is there that
# they do not name.
set -euo pipefail
folder="${VORLIX_PROGRAM_FOLDER:?}"
[ -d "$folder" ] || { echo "SKIP: no program folder at $folder (scripts/build-windows.sh makes it)"; exit 77; }
notices="$folder/THIRD-PARTY-NOTICES.txt"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$folder/LICENSE.txt" ] || fail "no LICENSE.txt: the program's own licence"
[ -f "$notices" ] || { fail "no THIRD-PARTY-NOTICES.txt"; exit 1; }

while IFS= read -r dll; do
  name="${dll//\//\\}"
  grep -q -F -- "$name" "$notices" || fail "$name is shipped but THIRD-PARTY-NOTICES.txt does not name it"
done < <(cd "$folder" && find . -iname '*.dll' -printf '%P\n' | sort)

# The licence texts: those the notices name, against those the folder holds.
named="$(grep -o -E 'licenses\\[A-Za-z0-9._\\-]+\.txt' "$notices" | tr '\\' '/' | sort -u)"
held="$(cd "$folder" && find licenses -type f | sort)"
while IFS= read -r text; do
  [ -f "$folder/$text" ] || fail "THIRD-PARTY-NOTICES.txt names $text, which the folder lacks"
done <<<"$named"
while IFS= read -r text; do
  grep -q -x -F -- "$text" <<<"$named" || fail "$text is shipped but THIRD-PARTY-NOTICES.txt does not name it"
done <<<"$held"

[ "$failures" -eq 0 ] && echo "PASS: $(grep -c . <<<"$held") licence texts cover every DLL of $folder"
[ "$failures" -eq 0 ]
