#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer as a user meets it: a silent install into %LOCALAPPDATA%\Programs\Vorlix with a
# Start menu entry and an entry among the installed programs, the installed program showing its
# first word, an install over the running program that asks in front of it to end it first, and
# a silent uninstall that leaves nothing behind but the user's settings.
source "$(dirname "$0")/wine_session.sh"
: "${VORLIX_INSTALLER:?the installer}"
[ -f "$VORLIX_INSTALLER" ] || fail "no installer at $VORLIX_INSTALLER: build it with the target 'installer'"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlix'

windows_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
installed="$(windows_folder LOCALAPPDATA)/Programs/Vorlix"
start_menu_entry="$(windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Vorlix.lnk"
rm -rf "$installed"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true

wine "$VORLIX_INSTALLER" /S
for file in vorlix.exe vorlix-words.exe wordbase.exe reg.ocx help.html words.tsv Qt6Core.dll libstdc++-6.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll LICENSE.txt THIRD-PARTY-NOTICES.txt uninstall.exe; do
  check "installed $file" test -f "$installed/$file"
done
check "a Start menu entry" test -f "$start_menu_entry"
check "listed among the installed programs" test "$(registry_value "$uninstall_key" DisplayName)" = "REG_SZ Vorlix"
check "with its version" test "$(registry_value "$uninstall_key" DisplayVersion)" = "REG_SZ 1.0"
check "and its uninstaller" bash -c "[[ '$(registry_value "$uninstall_key" UninstallString)' == *uninstall.exe* ]]"

started=$(date +%s%N)
wine "$(winepath -w "$installed/vorlix.exe")" >/dev/null 2>&1 & pids+=($!)
word_window >/dev/null || fail "the installed program shows no word window"
echo "the installed program showed its first word after $(( ($(date +%s%N) - started) / 1000000 )) ms"
check "it found its word database" test "$(settings_value xxx)" = "REG_SZ 1"

# An install over the running program asks for it to be ended, in front of its word window.
wine "$VORLIX_INSTALLER" >/dev/null 2>&1 & setup=$!
pids+=("$setup")
message=""
for _ in $(seq 100); do
  # The first page stands until its Install button is pressed.
  xdotool key Return
  sleep 0.3
  message="$(probe message "Vorlix is running")"
  [ -n "$message" ] && break
done
read -r _ message_exstyle message_in_front <<<"$message"
check "an install over the running program asks to end it" test -n "$message"
check "on top of other windows" test $(( 0x${message_exstyle:-0} & 0x8 )) -ne 0
check "in front" test "$message_in_front" = 1
kill -9 "$setup"

# Set to start at log-on, as the options dialog leaves it.
wine reg add "$run_key" /v vorlix1.0 /t REG_SZ /d "$(winepath -w "$installed/vorlix.exe")" /f >/dev/null
wine reg add "$settings_key" /v mark /t REG_SZ /d 1 /f >/dev/null
program_processes 'vorlix\.exe' | xargs -r kill -9 || true
sleep 0.5

# The uninstaller runs on from a copy of itself: wait for it to finish.
wine "$(winepath -w "$installed/uninstall.exe")" /S
for _ in $(seq 100); do [ -e "$installed" ] || break; sleep 0.2; done
check "the program folder is gone" test ! -e "$installed"
check "the Start menu entry is gone" test ! -e "$start_menu_entry"
check "no longer listed among the installed programs" bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
check "the start-at-log-on value is gone" test -z "$(registry_value "$run_key" vorlix1.0)"
check "the settings stay" test "$(settings_value xxx)" = "REG_SZ 1"
check "but no longer say the program starts at log-on" test "$(settings_value mark)" = "REG_SZ 0"
echo "all checks passed"
