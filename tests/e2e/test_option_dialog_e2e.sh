#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The options dialog as openbox shows it: the close box alone, above the word window and clear of
# it, always brought back by Option, and closed by Esc as by its close box.
source "$(dirname "$0")/x_session.sh"

start_vorlix
win="$(word_window)" || fail "no word window appeared"

# option: chooses Option from the word window's menu.
option() {
  local x y
  read -r x y _ _ < <(geometry "$win")
  xdotool mousemove $((x + 5)) $((y + 5)) click 3
  sleep 0.3
  xdotool key o
}

# dialog_window: the X id of the shown options dialog, once it shows.
dialog_window() {
  local id
  for _ in $(seq 50); do
    id="$(xdotool search --all --onlyvisible --pid "$vorlix_pid" --name '^Setup Option$' 2>/dev/null | head -n1)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# above ID OTHER: ID comes after OTHER in the window manager's stacking order, bottom to top.
above() {
  local order
  order="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g')"
  [ "$(grep -n -x "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)" -gt \
    "$(grep -n -x "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)" ]
}
allowed() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
# clear_of ID OTHER: the two windows do not overlap.
clear_of() {
  local ax ay aw ah bx by bw bh
  read -r ax ay aw ah < <(geometry "$1")
  read -r bx by bw bh < <(geometry "$2")
  [ $((ax + aw)) -le "$bx" ] || [ $((bx + bw)) -le "$ax" ] || [ $((ay + ah)) -le "$by" ] || [ $((by + bh)) -le "$ay" ]
}

option
dialog="$(dialog_window)" || fail "Option showed no dialog"
check_soon "the dialog offers closing" \
  bash -c "xprop -id $dialog _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_CLOSE"
check "but neither minimising nor maximising: $(allowed "$dialog")" \
  bash -c "! xprop -id $dialog _NET_WM_ALLOWED_ACTIONS | grep -q -E 'MINIMIZE|MAXIMIZE'"
check "it opens above the word window, which stays on top of the rest" above "$dialog" "$win"
check_soon "where the window manager puts it, clear of the word window" clear_of "$dialog" "$win"
if [ -n "${VORLIX_SCREENSHOT_DIR:-}" ]; then
  xwd -root -silent >"$VORLIX_SCREENSHOT_DIR/option_dialog.xwd" || true
fi

# Asked to minimise from outside (openbox refuses now; the unit test has a dialog that did
# minimise): Option still shows it, in front.
xdotool windowminimize "$dialog"
sleep 0.5
option
check_soon "Option brings the dialog back" viewable "$dialog"
check "in front of the word window" above "$dialog" "$win"
check "as the same dialog" test "$(dialog_window)" = "$dialog"

# Esc closes it, and the settings are stored as by the close box.
rm -f "$settings_file"
xdotool windowactivate --sync "$dialog"
xdotool key Escape
check_soon "Esc closes the dialog" bash -c "! xwininfo -id $dialog 2>/dev/null | grep -q IsViewable"
check_soon "and closing stored the settings" test -s "$settings_file"

# Renamed with a dot in its name and set to start at log-on: the entry starts that very file.
kill -9 "$vorlix_pid"
wait "$vorlix_pid" 2>/dev/null || true
program_file="$work/program/vorlix.bin"
mv "$work/program/vorlix" "$program_file"
write_settings xxx=1 ssave=1 mark=1
start_vorlix
win="$(word_window)" || fail "no word window from vorlix.bin"
option
dialog="$(dialog_window)" || fail "Option showed no dialog in vorlix.bin"
xdotool windowactivate --sync "$dialog"
xdotool key Escape
autostart="$XDG_CONFIG_HOME/autostart/vorlix1.0.desktop"
check_soon "closing the dialog wrote the autostart entry" test -s "$autostart"
command="$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$autostart")"
check "which starts the program itself ($command)" test "$command" = "$program_file" -a -x "$command"
echo "all checks passed"
