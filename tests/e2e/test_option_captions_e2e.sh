#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Every caption of the options dialog whole on the screen itself, at 100 and 150 %: each shows as
# much ink as its text drawn whole in the same font, to the pixel, so that a caption cut between
# two letters fails as well as one cut through a letter.
source "$(dirname "$0")/x_session.sh"
: "${CAPTION_PROBE:?the caption probe of the build}"
# The probe shows a dialog of its own; in the sanitizer build, what libdbus keeps is no leak of ours.
probe() { LSAN_OPTIONS="suppressions=$(dirname "$0")/dbus_leaks.supp" "$CAPTION_PROBE" "$@"; }

# captions_whole_at SCALE: opens the dialog from the menu of a program started at that scale and
# holds its captions against the probe's.
captions_whole_at() {
  export QT_SCALE_FACTOR="$1"
  start_vorlix
  win="$(word_window)" || fail "no word window appeared at $1"
  local x y dialog="" dx dy fx fy
  read -r x y _ _ < <(geometry "$win")
  xdotool mousemove $((x + 5)) $((y + 5)) click 3
  sleep 0.3
  xdotool key o
  for _ in $(seq 50); do
    dialog="$(xdotool search --all --onlyvisible --pid "$vorlix_pid" --name '^Setup Option$' 2>/dev/null | head -n1 || true)"
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || fail "Option showed no dialog at $1"
  settle "$dialog"
  read -r dx dy _ _ < <(geometry "$dialog")
  # The focus in the time box, so that no focus frame lies around a caption.
  read -r fx fy < <(probe text1)
  xdotool mousemove $((dx + fx)) $((dy + fy)) click 1
  xdotool mousemove 0 0
  sleep 0.5
  import -window root "$work/dialog.png"
  if [ -n "${VORLIX_SCREENSHOT_DIR:-}" ]; then cp "$work/dialog.png" "$VORLIX_SCREENSHOT_DIR/option_captions_$1.png"; fi
  check "every caption whole at $1" probe check "$work/dialog.png" "$dx" "$dy"
  kill -9 "$vorlix_pid"
  wait "$vorlix_pid" 2>/dev/null || true
}

captions_whole_at 1
captions_whole_at 1.5
echo "all checks passed"
