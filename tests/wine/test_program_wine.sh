#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The real Windows program under Wine, seen from Windows itself and driven with the X pointer:
# the first word, a frameless window on top in the desktop colour, the drag, the menu, the options
# dialog, a word marked as known, one copy, Exit, the settings in the registry, and a word reader
# that ends with the program.
source "$(dirname "$0")/wine_session.sh"
: "${VORLIX_TEST_DB:?word database to install as reg.ocx}"

folder="$work/Vorlix"
make_program_folder "$folder" "$VORLIX_TEST_DB"
program="$(winepath -w "$folder/vorlix.exe")"
start_vorlix() { wine "$program" >/dev/null 2>&1 & pids+=($!); }
# This test's own copies, by their folder: a process of the QtTest suite beside it that has only
# just started may not show its own folder yet.
ours="$(basename "$work")"
running() { test -n "$(program_processes "$ours.*vorlix\.exe")"; }
stopped() { ! running; }
reader_runs() { test -n "$(program_processes "$ours.*vorlix-words\.exe")"; }
no_reader() { ! reader_runs; }

# A damaged file keeps the reader busy; the program killed outright takes it along.
cp "$VORLIX_DAMAGED_DIR/hangs-1.mdb" "$folder/reg.ocx"
start_vorlix
for _ in $(seq 300); do reader_runs && break; sleep 0.05; done
check "the word reader runs" reader_runs
program_processes 'vorlix\.exe' | xargs -r kill -9
for _ in $(seq 50); do reader_runs || break; sleep 0.1; done
check "the reader ended with the program" no_reader
forget_the_program
cp "$VORLIX_TEST_DB" "$folder/reg.ocx"

started=$(date +%s%N)
start_vorlix
read -r hwnd style exstyle left top right bottom < <(word_window) || fail "no word window appeared"
echo "word window $hwnd at $left,$top-$right,$bottom, shown after $(( ($(date +%s%N) - started) / 1000000 )) ms"

check "a windowed program: no console opens with it" \
  bash -c "x86_64-w64-mingw32-objdump -p '$folder/vorlix.exe' | grep -q 'Windows GUI'"
check "frameless: no caption" test $(( 0x$style & 0x00C00000 )) -eq 0
check "on top of other windows" test $(( 0x$exstyle & 0x8 )) -ne 0
read -r fit_w fit_h < <(wine "$VORLIX_BIN_DIR/fit_probe.exe" "rain  |  la lluvia" | tr -d '\r')
check "sized to the first word (${right}-${left} x ${bottom}-${top} vs ${fit_w}x${fit_h})" \
  test $((right - left)) -eq "$fit_w" -a $((bottom - top)) -eq "$fit_h"
check "in the desktop colour" test "$(probe pixel $((left + 2)) $((bottom - 3)))" = "$(probe desktop-colour)"
check "first start stored the first-run settings" \
  test "$(settings_value n)" = "REG_SZ 5000" -a "$(settings_value guage)" = "REG_SZ 29" -a "$(settings_value xxx)" = "REG_SZ 1"

# A left drag moves the window by exactly the pointer's way.
cx=$(( (left + right) / 2 )); cy=$(( (top + bottom) / 2 ))
xdotool mousemove "$cx" "$cy"; sleep 0.3
xdotool mousedown 1; sleep 0.3
for step in 1 2 3 4 5; do xdotool mousemove $((cx + step * 20)) $((cy + step * 10)); sleep 0.1; done
xdotool mouseup 1; sleep 0.5
read -r _ _ _ left2 top2 _ _ < <(word_window)
check "a left drag moves the window by (100, 50): moved by ($((left2 - left)), $((top2 - top)))" \
  test $((left2 - left)) -eq 100 -a $((top2 - top)) -eq 50

# right_click_menu: right-clicks the word window's corner and prints the menu window that opens.
right_click_menu() {
  local menu=""
  xdotool mousemove $((left2 + 10)) $((top2 + 10)) click 3
  for _ in $(seq 30); do menu="$(program_windows Popup)"; [ -n "$menu" ] && break; sleep 0.1; done
  echo "$menu"
}

# A right click opens the menu; Escape closes it.
menu="$(right_click_menu)"
check "a right click opens the menu" test -n "$menu"
xdotool key Escape; sleep 0.3
check "Escape closes it" test -z "$(program_windows Popup)"

# Option opens the dialog where Windows puts a new window: clear of the word window, and on top
# of the others as the word window is.
# Qt gives a window with an icon of its own, as the dialog has, a window class of its own.
dialog_class='QWindowIcon$'
read -r _ _ _ word_left word_top word_right word_bottom < <(word_window)
right_click_menu >/dev/null
xdotool key o
dialog=""
for _ in $(seq 50); do dialog="$(program_windows "$dialog_class" | head -n1)"; [ -n "$dialog" ] && break; sleep 0.1; done
check "Option opens the dialog" test -n "$dialog"
read -r _ dialog_style dialog_exstyle dialog_left dialog_top dialog_right dialog_bottom <<<"$dialog"
echo "dialog at $dialog_left,$dialog_top-$dialog_right,$dialog_bottom"
check "clear of the word window" test "$dialog_right" -le "$word_left" -o "$word_right" -le "$dialog_left" \
  -o "$dialog_bottom" -le "$word_top" -o "$word_bottom" -le "$dialog_top"
check "on top of other windows" test $(( 0x$dialog_exstyle & 0x8 )) -ne 0
# With the word window's icon. Wine cannot ask another program's window for its icon (WM_GETICON),
# but gives each window's X window the icon the window answers with, else its class's generic one.
x_icon() { xprop -id "$(xdotool search --name "$1" | head -n1)" _NET_WM_ICON; }
check "with the word window's icon" \
  test -n "$(x_icon '^vorlix$')" -a "$(x_icon '^Setup Option$')" = "$(x_icon '^vorlix$')"
# Windows draws it in the title bar of a window with a system menu (WS_SYSMENU), but not in the
# modal dialog frame (WS_EX_DLGMODALFRAME) Qt gives a dialog with a close box and no system menu.
check "in its title bar" test $(( 0x$dialog_style & 0x80000 )) -ne 0 -a $(( 0x$dialog_exstyle & 0x1 )) -eq 0
xdotool key Escape
for _ in $(seq 30); do [ -z "$(program_windows "$dialog_class")" ] && break; sleep 0.1; done
check "Esc closes it" test -z "$(program_windows "$dialog_class")"

# I know it keeps the mark among the user's own words, whichever word shows.
right_click_menu >/dev/null
xdotool key k
for _ in $(seq 50); do [ -s "$own_words/known-words.txt" ] && break; sleep 0.1; done
check "I know it keeps the mark in %LOCALAPPDATA%\\Vorlix" \
  grep -qP '^\d{4}-\d\d-\d\d\t1\t(rain|snow|wind)\t' "$own_words/known-words.txt"

# A second start, with another window in front, ends at once and brings the first forward.
wine notepad >/dev/null 2>&1 & pids+=($!)
sleep 2
second_started=$(date +%s)
wine "$program" >/dev/null 2>&1 || true
check "the second copy ended within 10 s" test $(( $(date +%s) - second_started )) -le 10
check "one word window" test "$(program_windows Tool | wc -l)" -eq 1
foreground=""
for _ in $(seq 30); do foreground="$(probe foreground)"; [ "$foreground" = "$hwnd" ] && break; sleep 0.1; done
check "the first copy came to the front" test "$foreground" = "$hwnd"
program_processes 'notepad\.exe' | xargs -r kill || true

# Help where no program is registered for the help page: the window says so, naming it.
# (A new prefix may have none to begin with.)
wine reg export 'HKCR\.html' "$work/html.reg" /y >/dev/null 2>&1 && wine reg delete 'HKCR\.html' /f >/dev/null 2>&1
right_click_menu >/dev/null
xdotool key h
read -r fit_w fit_h < <(wine "$VORLIX_BIN_DIR/fit_probe.exe" \
  "The help page could not be opened: $(winepath -w "$folder/help.html")" | tr -d '\r')
said() {
  read -r _ _ _ left top right bottom < <(word_window)
  test $((right - left)) -eq "$fit_w" -a $((bottom - top)) -eq "$fit_h"
}
# Wine may take seconds to find that it has none.
for _ in $(seq 200); do said && break; sleep 0.1; done
check "Help with no program for the page says which page it could not open" said
[ ! -e "$work/html.reg" ] || wine reg import "$work/html.reg" >/dev/null 2>&1

# Say it and a double-click (its first press starts Windows' move) once the help notice has gone:
# Wine's SAPI does not implement Speak, and the window says so in place of the pair, then goes on.
for _ in $(seq 100); do said || break; sleep 0.1; done
read -r fit_w fit_h < <(wine "$VORLIX_BIN_DIR/fit_probe.exe" 'Nothing could be said: Windows speech answered '\
'"Not implemented" (0x80004001). See the voices in Settings > Time & language > Speech' | tr -d '\r')
gone() { ! said; }
for way in "the menu" "a double-click"; do
  for _ in $(seq 100); do gone && break; sleep 0.1; done
  if [ "$way" = "the menu" ]; then right_click_menu >/dev/null && xdotool key s; else
    xdotool mousemove $((left2 + 20)) $((top2 + 10)) sleep 0.3 mousedown 1 sleep 0.15 mouseup 1 sleep 0.1 \
      mousedown 1 sleep 0.1 mouseup 1
  fi
  for _ in $(seq 50); do said && break; sleep 0.1; done
  check "Say it from $way says that Windows speech said nothing, and where the voices are" said
done
for _ in $(seq 100); do gone && break; sleep 0.1; done
check "the window goes on with its words" gone

# Exit, the menu's last item, ends the program.
read -r _ _ _ menu_left _ _ menu_bottom <<<"$(right_click_menu)"
xdotool mousemove $((menu_left + 30)) $((menu_bottom - 10)); sleep 0.3
xdotool click 1
for _ in $(seq 50); do running || break; sleep 0.1; done
check "Exit ends the program" stopped

echo "all checks passed"
