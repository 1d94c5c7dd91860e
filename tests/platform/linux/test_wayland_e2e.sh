#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in Wayland sessions, on weston's headless backend: where the session also offers
# X11 it runs there, so that it can keep itself on top and place itself; on Wayland alone, or when
# the user asks for Wayland, it runs natively and still shows its words.
here="$(dirname "$0")"
source "$here/../../e2e/x_session.sh"
source "$here/wayland_session.sh"
: "${FIT_PROBE:?path of fit_probe}"

start_weston headless-backend.so --width=1024 --height=768
write_settings xxx=1 n=2000 guage=29

# Both offered, nothing chosen: an X11 window, above the others and placed by the program, centred
# on the X screen at its design size of 340 x 175 pixels.
WAYLAND_DISPLAY="$wayland_socket" XDG_SESSION_TYPE=wayland start_vorlix
win="$(word_window)" || fail "no X11 window in a Wayland session with XWayland"
check_soon "on X11 it stays on top" bash -c "xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
read -r x y w h < <(geometry "$win")
check "on X11 it is placed in the middle of the screen (${w}x${h} at $x,$y)" \
  test "$x,$y" = "$(((1280 - 340) / 2)),$(((800 - 175) / 2))"
check "and nothing is shown on Wayland" test -z "$(window_box)"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

# Both offered, Wayland chosen by the user: that choice stands.
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$wayland_socket" XDG_SESSION_TYPE=wayland start_vorlix
check_soon "the user's choice of Wayland stands: the first word on weston" shows_line "rain  |  la lluvia"
check "and no X11 window" test -z "$(xdotool search --pid "$vorlix_pid" 2>/dev/null)"
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true

# Wayland alone: the words show and move on.
DISPLAY= WAYLAND_DISPLAY="$wayland_socket" XDG_SESSION_TYPE=wayland start_vorlix
check_soon "on Wayland alone the first word shows" shows_line "rain  |  la lluvia"
check_soon "and the next after the display time" shows_line "snow  |  la nieve"
check "the program runs on" kill -0 "$vorlix_pid"
echo "all checks passed"
