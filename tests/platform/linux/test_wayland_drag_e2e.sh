#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging and the menu on native Wayland. Weston's headless backend has no pointer, so here weston
# runs as a window of the test's X server and takes its pointer from there: xdotool drives it.
here="$(dirname "$0")"
source "$here/../../e2e/x_session.sh"
source "$here/wayland_session.sh"
: "${FIT_PROBE:?path of fit_probe}"

start_weston x11-backend.so --fullscreen
write_settings xxx=1 n=18000 guage=29
DISPLAY= WAYLAND_DISPLAY="$wayland_socket" XDG_SESSION_TYPE=wayland start_vorlix
check_soon "the first word shows on Wayland" shows_line "rain  |  la lluvia"
read -r x y w h < <(window_box)

# Weston sees the pointer only once it has come into its window.
xdotool mousemove 5 5 mousemove 40 40
sleep 0.2
# Towards the middle of the screen, wherever the compositor put the window first.
dx=150 dy=200
[ "$x" -lt 640 ] || dx=-150
[ "$y" -lt 400 ] || dy=-200
xdotool mousemove $((x + 20)) $((y + h / 2))
sleep 0.2
xdotool mousedown 1
for step in $(seq 10); do xdotool mousemove $((x + 20 + dx * step / 10)) $((y + h / 2 + dy * step / 10)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
read -r x2 y2 w2 h2 < <(window_box)
check "a left drag moves the window with the pointer ($dx,$dy: from $x,$y to $x2,$y2)" \
  test "$((x2 - x))" -eq "$dx" -a "$((y2 - y))" -eq "$dy" -a "$w2" -eq "$w" -a "$h2" -eq "$h"

# The menu opens as a pop-up of the word window and closes again.
menu_open() { views "$vorlix_pid" | grep -q '^xdg_popup '; }
menu_closed() { ! menu_open; }
xdotool mousemove $((x2 + 20)) $((y2 + h / 2)) click 3
check_soon "a right click opens the menu" menu_open
xdotool key Escape
check_soon "Escape closes it" menu_closed
check "the program runs on" kill -0 "$vorlix_pid"
echo "all checks passed"
