#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/vorlix-menu.png again, the README's picture: the real program, built as
# scripts/build.sh builds it, on the bundled words under Xvfb and openbox, with its menu open.
# Run it when the word window or its menu changes.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORLIX_BUILD_DIR:-$here/build}"
out="$here/docs/vorlix-menu.png"
bash "$here/scripts/build.sh" >/dev/null

export VORLIX_BIN="$build/bin/vorlix" VORLIX_TEST_DB="$build/bin/reg.ocx"
# shellcheck source=../tests/e2e/x_session.sh
source "$here/tests/e2e/x_session.sh"

# A plain desktop behind the window, as most are, rather than the X server's black.
convert -size 1280x800 xc:'#3b4252' "$work/desktop.png"
# display sets the root window's picture and then ends with status 1 all the same.
display -window root "$work/desktop.png" || true
# A marked word, so that the menu shows every item it can; the word showing is due again.
mkdir -p "$XDG_DATA_HOME/vorlix"
printf '2000-01-01\t1\tcloud\tla nube\n' >"$XDG_DATA_HOME/vorlix/known-words.txt"
write_settings xxx=1 n=18000 guage=29
start_vorlix
win="$(word_window)" || fail "no word window appeared"
read -r x y w h < <(geometry "$win")
# Near its lower right corner, so that the menu, which opens at the pointer, leaves the word line in sight.
xdotool mousemove $((x + w - 12)) $((y + h - 6)) click 3
menu=""
for _ in $(seq 50); do
  menu="$(xdotool search --onlyvisible --pid "$vorlix_pid" 2>/dev/null | grep -vx "$win" | head -n1 || true)"
  [ -n "$menu" ] && break
  sleep 0.1
done
[ -n "$menu" ] || fail "the menu did not open"
sleep 0.5
read -r mx my mw mh < <(geometry "$menu")
# The word window and the menu with a margin of desktop around them.
left=$((x - 24)); top=$((y - 24))
right=$(((mx + mw > x + w ? mx + mw : x + w) + 24)); bottom=$(((my + mh > y + h ? my + mh : y + h) + 24))
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -strip "$out"
echo "$out: $((right - left)) x $((bottom - top))"
