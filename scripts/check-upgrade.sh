#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# check-upgrade.sh OLD-INSTALLER NEW-INSTALLER NEW-ZIP: a learner's upgrade under Wine, in a Wine
# prefix and on an X server of its own, both removed afterwards. OLD-INSTALLER installs; the learner
# makes words of their own with its wordbase.exe, edits words.tsv in the program folder and leaves
# a file of their own there; NEW-INSTALLER upgrades. Then every program file must be the one in
# NEW-ZIP (the program folder the release ships), the learner's files as they left them, and the
# program must start and show its first word. Exits non-zero when any check fails.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
old="$1" new="$2" zip="$3"
# shellcheck source=windows-toolchain.sh
source "$here/scripts/windows-toolchain.sh"

wine_desktop
failed=0
check() {
  local what="$1"; shift
  if "$@"; then echo "upgrade: ok - $what"; else echo "upgrade: FAILED - $what"; failed=1; fi
}

local_app_data="$(winepath -u "$(wine cmd /c echo "%LOCALAPPDATA%" | tr -d '\r')")"
installed="$local_app_data/Programs/Vorlix"
own_words="$local_app_data/Vorlix"

echo "upgrade: installing $(basename "$old")"
wine "$old" /S
# Words of the learner's own, made as a learner makes them, and a list and a note in the folder.
printf 'Weather\train\tla lluvia\nKitchen\tkettle\tel hervidor\n' >"$run/mine.tsv"
wine "$installed/wordbase.exe" "$(winepath -w "$run/mine.tsv")" >"$run/wordbase.log" 2>&1 ||
  { cat "$run/wordbase.log" >&2; echo "upgrade: the old wordbase.exe made no words" >&2; exit 1; }
printf 'Kitchen\tkettle\tel hervidor\n' >>"$installed/words.tsv"
echo "my notes" >"$installed/notes.txt"
mkdir "$run/kept"
cp "$own_words/reg.ocx" "$installed/words.tsv" "$installed/notes.txt" "$run/kept/"

echo "upgrade: upgrading with $(basename "$new")"
wine "$new" /S
mkdir "$run/shipped"
unzip -q "$zip" -d "$run/shipped"
shipped="$run/shipped/Vorlix"
program_files_are_new() {
  local file
  while read -r file; do
    [ "$file" = words.tsv ] || cmp -s "$shipped/$file" "$installed/$file" || { echo "  not the new one: $file"; return 1; }
  done < <(cd "$shipped" && find . -type f -printf '%P\n')
}
nothing_else_left() {
  local file
  while read -r file; do
    case "$file" in uninstall.exe | notes.txt) continue ;; esac
    [ -f "$shipped/$file" ] || { echo "  left from the old release: $file"; return 1; }
  done < <(cd "$installed" && find . -type f -printf '%P\n')
}
check "every program file is the new release's" program_files_are_new
check "and no file of the old release's is left" nothing_else_left
check "the learner's own words are untouched" cmp -s "$run/kept/reg.ocx" "$own_words/reg.ocx"
check "the edited words.tsv is as the learner left it" cmp -s "$run/kept/words.tsv" "$installed/words.tsv"
check "and so is a file of the learner's" cmp -s "$run/kept/notes.txt" "$installed/notes.txt"
version="$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlix' /v DisplayVersion |
  tr -d '\r' | awk '$1 == "DisplayVersion" {print $3}')"
check "the installed programs list the new version ($version)" \
  test "$version" = "$(project_version "$here")"
status=0
VORLIX_QUIT_AFTER_FIRST_PAINT=1 timeout 120 wine "$installed/vorlix.exe" >"$run/vorlix.log" 2>&1 || status=$?
check "the program starts and shows its first word ($status)" test "$status" -eq 0
[ "$failed" -eq 0 ] || { echo "upgrade: the upgrade from $(basename "$old") failed" >&2; exit 1; }
echo "upgrade: the upgrade from $(basename "$old") passed"
