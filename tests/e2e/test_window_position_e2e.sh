#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The word window stays where it stands while the words change size under it: after many starts
# under openbox (some right after the window manager itself started, as at log-on), and after a
# drag. Only a window that sticks out sideways is pulled back onto the screen.
source "$(dirname "$0")/x_session.sh"
: "${CHANGING_WIDTHS_DB:?word database whose words change the size of the window}"

cp "$CHANGING_WIDTHS_DB" "$work/program/reg.ocx"
# A word every 0.2 s: three words within a second.
write_settings xxx=1 n=200
words_time=0.7

# The window is centred on the 1280x800 screen at its design size, 5100 x 2625 twips (340 x 175
# pixels at 96 DPI), and the words that follow keep its top-left corner.
centre="$(((1280 - 340) / 2)),$(((800 - 175) / 2))"

place() { local x y; read -r x y _ _ < <(geometry "$1"); echo "$x,$y"; }
stop_vorlix() { kill -9 "$vorlix_pid"; wait "$vorlix_pid" 2>/dev/null || true; }

starts=20
stayed=0
for i in $(seq "$starts"); do
  if ((i % 4 == 1)); then restart_openbox; fi
  start_vorlix
  win="$(shown_window)" || fail "no word window at start $i"
  sleep "$words_time"
  now="$(place "$win")"
  if [ "$now" = "$centre" ]; then
    stayed=$((stayed + 1))
  else
    echo "start $i: at $now after three words, not $centre"
  fi
  stop_vorlix
done
echo "the window stood where it was placed after $stayed of $starts starts"
check "after three words the window stands where it was placed, in every start" test "$stayed" -eq "$starts"

# A drag: the window stays where it was put while the words go on. A word a second, so that the
# pull back below is seen before the next word changes the width.
write_settings xxx=1 n=1000
restart_openbox
start_vorlix
win="$(word_window)" || fail "no word window for the drag"
drag() {
  local x y
  read -r x y _ _ < <(geometry "$win")
  xdotool mousemove $((x + 10)) $((y + 10)) mousedown 1
  sleep 0.1
  for step in 1 2 3 4; do xdotool mousemove $((x + 10 + step * $1 / 4)) $((y + 10 + step * $2 / 4)); sleep 0.05; done
  xdotool mouseup 1
  sleep 0.1
}
read -r x0 y0 _ _ < <(geometry "$win")
drag 200 -150
sleep 2.2
check "after a drag by (200,-150) and two words the window stands there (at $(place "$win"))" \
  test "$(place "$win")" = "$((x0 + 200)),$((y0 - 150))"

# Dragged half off the right edge: at the next word it is pulled back, its right edge on the
# screen's, its top where it was.
read -r x0 y0 w0 _ < <(geometry "$win")
drag $((1280 - x0 - w0 / 2)) 0
read -r dropped _ _ _ < <(geometry "$win")
check "the drag took the window past the right edge (left edge at $dropped)" test $((dropped + w0)) -gt 1280
for _ in $(seq 30); do read -r x y w _ < <(geometry "$win"); [ "$x" != "$dropped" ] && break; sleep 0.05; done
check "at the next word it comes back to the edge (right edge at $((x + w)), top $y)" \
  test $((x + w)) -eq 1280 -a "$y" -eq "$y0"
stop_vorlix
echo "all checks passed"
