#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging, the pop-up menu and stacking of the real program, driven with xdotool.
source "$(dirname "$0")/x_session.sh"

# visible windows of the program other than the word window
other_windows() { xdotool search --onlyvisible --pid "$vorlix_pid" 2>/dev/null | grep -vx "$win" || true; }

start_vorlix
win="$(word_window)" || fail "no word window appeared"
read -r x y w h < <(geometry "$win")
echo "word window $win at $x,$y size ${w}x$h"

# A left drag moves the window by the drag distance.
xdotool mousemove $((x + w / 2)) $((y + h / 2))
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do xdotool mousemove $((x + w / 2 + step * 20)) $((y + h / 2 + step * 10)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
read -r x2 y2 _ _ < <(geometry "$win")
echo "after the drag at $x2,$y2"
check "a left drag moves the window by (100, 50): moved by ($((x2 - x)), $((y2 - y)))" \
  test $((x2 - x)) -eq 100 -a $((y2 - y)) -eq 50

# A middle click does nothing.
xdotool mousemove $((x2 + 10)) $((y2 + 10)) click 2
sleep 0.3
read -r x3 y3 _ _ < <(geometry "$win")
check "a middle click neither moves" test "$x3" -eq "$x2" -a "$y3" -eq "$y2"
check "nor opens a menu" test -z "$(other_windows)"

# A right click opens the menu at the pointer.
px=$((x2 + 10)); py=$((y2 + 10))
xdotool mousemove "$px" "$py" click 3
menu=""
for _ in $(seq 30); do menu="$(other_windows | head -n1)"; [ -n "$menu" ] && break; sleep 0.1; done
check "a right click opens the menu" test -n "$menu"
read -r mx my mw mh < <(geometry "$menu")
check "the menu's corner is at the pointer ($mx,$my vs $px,$py)" \
  test $((mx - px)) -ge -2 -a $((mx - px)) -le 2 -a $((my - py)) -ge -2 -a $((my - py)) -le 2
check "the menu holds eight rows" test "$mh" -gt 100
if [ -n "${VORLIX_SCREENSHOT_DIR:-}" ]; then
  xwd -root -silent >"$VORLIX_SCREENSHOT_DIR/word_menu.xwd" || true
fi
xdotool key Escape
sleep 0.2
check "Escape closes the menu" test -z "$(other_windows)"

# From the keyboard, with the word window active: the Menu key and Shift+F10.
for keys in Menu shift+F10; do
  xdotool windowactivate --sync "$win"
  xdotool key "$keys"
  menu=""
  for _ in $(seq 30); do menu="$(other_windows | head -n1)"; [ -n "$menu" ] && break; sleep 0.1; done
  check "$keys opens the menu" test -n "$menu"
  read -r wx wy ww wh < <(geometry "$win")
  read -r mx my _ _ < <(geometry "$menu")
  check "on the word window ($mx,$my in $wx,$wy ${ww}x$wh)" \
    test "$mx" -ge "$wx" -a "$mx" -lt $((wx + ww)) -a "$my" -ge "$wy" -a "$my" -lt $((wy + wh))
  xdotool key Escape
  sleep 0.2
done

# Help where the desktop has no program for the help page: its opener fails, as xdg-open does when
# it finds none (exit status 3), and the window says so in place of the word.
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
mkdir -p "$work/no-opener"
printf '#!/bin/sh\nexit 3\n' >"$work/no-opener/xdg-open"
chmod +x "$work/no-opener/xdg-open"
PATH="$work/no-opener:$PATH" start_vorlix
win="$(word_window)" || fail "no word window appeared"
xdotool windowactivate --sync "$win"
xdotool key Menu
sleep 0.3
xdotool key h
check_soon "Help with no opener says which page it could not open" \
  fitted_to "The help page could not be opened: $work/program/help.html"
kill -9 "$vorlix_pid"

# Stacking follows "ontop" as read at start.
for value in 0 2; do
  write_settings xxx=1 "ontop=$value"
  start_vorlix
  win="$(word_window)" || fail "no word window with ontop=$value"
  if [ "$value" = 0 ]; then
    check "ontop=0 leaves the window below others" bash -c "! xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
  else
    check_soon "ontop=2 keeps it above" bash -c "xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
  fi
  kill -9 "$vorlix_pid"
  wait "$vorlix_pid" 2>/dev/null || true
done
echo "all checks passed"
