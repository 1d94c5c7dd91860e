#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# An upgrade while the word-list tool runs, which holds the program's DLLs: the installer asks for
# it to be closed and changes nothing before; and a reg.ocx of another program's in the program
# folder, which stays where it is. Then a new user's way with the installer and their own words: an install into
# %LOCALAPPDATA%\Programs\Vorlix with its Start menu entries and an entry among the installed
# programs; an upgrade over the running program, which asks before its first page to end it and
# moves a reg.ocx the user made in the program folder to the user's own words; an uninstall that
# leaves the user's files; Excel's plain CSV dropped on wordbase.exe, whose window tells where the
# words went; the program showing them; and an install and an uninstall that leave them as they
# are, the program folder gone.
source "$(dirname "$0")/wine_session.sh"
: "${VORLIX_INSTALLER:?the installer}"
: "${VORLIX_TEST_DB:?a word database, as a user makes one}"
[ -f "$VORLIX_INSTALLER" ] || fail "no installer at $VORLIX_INSTALLER: build it with the target 'installer'"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlix'

installed="$(windows_folder LOCALAPPDATA)/Programs/Vorlix"
start_menu="$(windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs"
entries=("Vorlix.lnk" "Vorlix - Use My Own Words.lnk" "Vorlix Help.lnk")
own_database="$own_words/reg.ocx"
own_database_windows="$(winepath -w "$own_words")\\reg.ocx"
rm -rf "$installed"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true

install() { wine "$VORLIX_INSTALLER" /S; }
# The uninstaller runs on from a copy of itself: wait for it to finish.
uninstall() {
  wine "$(winepath -w "$installed/uninstall.exe")" /S
  for _ in $(seq 100); do [ -e "$installed/uninstall.exe" ] || break; sleep 0.2; done
  sleep 0.5
}
start_program() { wine "$(winepath -w "$installed/vorlix.exe")" >/dev/null 2>&1 & pids+=($!); }
# dialog_text TEXT: the texts of the shown dialog that holds TEXT, once it is there.
dialog_text() {
  local text=""
  for _ in $(seq 100); do
    text="$(probe texts "$1")"
    [ -n "$text" ] && break
    sleep 0.2
  done
  echo "$text"
}

# wordbase_running_holds_the_upgrade: with wordbase.exe's open-file dialog on the screen, the
# installer asks for it to be closed, and Cancel leaves the program folder as it was.
wordbase_running_holds_the_upgrade() {
  install
  rm "$installed/help.html"
  wine start /unix "$installed/wordbase.exe"
  for _ in $(seq 100); do [ -n "$(program_processes 'wordbase\.exe')" ] && break; sleep 0.1; done
  local status=0
  wine "$VORLIX_INSTALLER" /S || status=$?
  check "a silent upgrade while wordbase.exe runs fails ($status)" test "$status" -ne 0
  wine "$VORLIX_INSTALLER" >/dev/null 2>&1 & pids+=($!)
  local box
  box="$(dialog_text "Vorlix - Use My Own Words is running")"
  check "an upgrade while wordbase.exe runs asks to close it" test -n "$box"
  read -r box _ <<<"$(probe message "Use My Own Words is running")"
  # IDCANCEL
  probe answer "$box" 2
  for _ in $(seq 50); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.1; done
  check "and Cancel ends it" bash -c "! kill -0 ${pids[-1]} 2>/dev/null"
  check "having changed nothing" test ! -e "$installed/help.html"
  program_processes 'wordbase\.exe' | xargs -r kill -9
}

# another_programs_reg_ocx_stays: a reg.ocx that is no word database is neither moved to the
# user's own words nor replaced.
another_programs_reg_ocx_stays() {
  printf 'settings of another program\n' >"$installed/reg.ocx"
  cp "$installed/reg.ocx" "$work/foreign.ocx"
  install
  check "a reg.ocx that is no word database stays where it was" cmp -s "$work/foreign.ocx" "$installed/reg.ocx"
  check "and is not taken for the user's own words" test ! -e "$own_database"
  check "the program files are installed around it" test -f "$installed/help.html"
}

wordbase_running_holds_the_upgrade
another_programs_reg_ocx_stays
rm -rf "$installed"

install
for file in vorlix.exe vorlix-words.exe wordbase.exe reg.ocx help.html words.tsv Qt6Core.dll libstdc++-6.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll LICENSE.txt THIRD-PARTY-NOTICES.txt uninstall.exe; do
  check "installed $file" test -f "$installed/$file"
done
for entry in "${entries[@]}"; do check "the Start menu entry $entry" test -f "$start_menu/$entry"; done
check "listed among the installed programs" test "$(registry_value "$uninstall_key" DisplayName)" = "REG_SZ Vorlix"
check "with its version" test "$(registry_value "$uninstall_key" DisplayVersion)" = "REG_SZ 1.1.0"
check "and its uninstaller" bash -c "[[ '$(registry_value "$uninstall_key" UninstallString)' == *uninstall.exe* ]]"
bundled="$work/bundled.ocx"
cp "$installed/reg.ocx" "$bundled"

started=$(date +%s%N)
start_program
word_window >/dev/null || fail "the installed program shows no word window"
echo "the installed program showed its first word after $(( ($(date +%s%N) - started) / 1000000 )) ms"
check "it found its word database" test "$(settings_value xxx)" = "REG_SZ 1"

# An upgrade, the user having made a reg.ocx and changed words.tsv in the program folder as the
# old help page said. Before its first page it asks, in front of the word window, for the running
# program to be ended, having changed nothing.
cp "$VORLIX_TEST_DB" "$installed/reg.ocx"
printf 'Kitchen\tkettle\tel hervidor\n' >>"$installed/words.tsv"
cp "$installed/words.tsv" "$work/words.tsv"
wine "$VORLIX_INSTALLER" >/dev/null 2>&1 & setup=$!
pids+=("$setup")
message=""
for _ in $(seq 100); do
  message="$(probe message "Vorlix is running")"
  [ -n "$message" ] && break
  sleep 0.2
done
read -r message_box message_exstyle message_in_front <<<"$message"
check "an upgrade over the running program asks to end it before its first page" test -n "$message"
check "on top of other windows" test $(( 0x${message_exstyle:-0} & 0x8 )) -ne 0
check "in front" test "$message_in_front" = 1
check "having changed nothing" cmp -s "$VORLIX_TEST_DB" "$installed/reg.ocx"
check "nor removed the program" test -f "$installed/vorlix.exe"
program_processes 'vorlix(-words)?\.exe' | xargs -r kill -9
for _ in $(seq 50); do [ -z "$(program_processes 'vorlix(-words)?\.exe')" ] && break; sleep 0.1; done
# Retry, chosen in the box itself, since the keyboard may have gone with the killed program's
# window, and again should Wine not have let go of the program's file yet; then the licence's
# Next, then Install.
for _ in $(seq 10); do
  probe answer "$message_box" 4
  sleep 1
  message="$(probe message "Vorlix is running")"
  [ -n "$message" ] || break
  read -r message_box _ <<<"$message"
done
next_on() {
  [ -n "$(dialog_text "$1")" ] || fail "$2"
  read -r page _ <<<"$(probe message "$1")"
  probe answer "$page" 1
}
next_on "You need not accept this licence" "no licence page after Retry"
next_on "Destination Folder" "no folder page after the licence"
finish="$(dialog_text "Completing")"
check "the upgrade's last page says where the user's reg.ocx went" \
  bash -c "[[ \"\$1\" == *\"are now in $own_database_windows,\"* ]]" _ "$finish"
check "and which files it kept" bash -c "[[ \"\$1\" == *'Kept as you changed them: words.tsv.'* ]]" _ "$finish"
kill -9 "$setup"
check "the user's reg.ocx is now their own words" cmp -s "$VORLIX_TEST_DB" "$own_database"
check "the bundled one is back in the program folder" cmp -s "$bundled" "$installed/reg.ocx"
check "the changed words.tsv is as the user left it" cmp -s "$work/words.tsv" "$installed/words.tsv"

# Set to start at log-on, as the options dialog leaves it.
wine reg add "$run_key" /v vorlix1.0 /t REG_SZ /d "$(winepath -w "$installed/vorlix.exe")" /f >/dev/null
wine reg add "$settings_key" /v mark /t REG_SZ /d 1 /f >/dev/null
uninstall
check "an uninstall leaves the user's file" cmp -s "$work/words.tsv" "$installed/words.tsv"
check "and nothing else in the program folder" test "$(ls -A "$installed")" = words.tsv
check "nor its words" cmp -s "$VORLIX_TEST_DB" "$own_database"
for entry in "${entries[@]}"; do check "the Start menu entry $entry is gone" test ! -e "$start_menu/$entry"; done
check "no longer listed among the installed programs" bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
check "the start-at-log-on value is gone" test -z "$(registry_value "$run_key" vorlix1.0)"
check "the settings stay" test "$(settings_value xxx)" = "REG_SZ 1"
check "but no longer say the program starts at log-on" test "$(settings_value mark)" = "REG_SZ 0"

# A new user's own words: Excel's plain CSV from a Spanish-locale Excel (Windows-1252,
# semicolons, and the empty columns it keeps once a column to their right was used), dropped on
# wordbase.exe, which then has a console of its own.
rm "$installed/words.tsv"
forget_the_program
install
list="$work/mis palabras.csv"
printf 'category;english;spanish;;\r\nweather;girl;la ni\xf1a;;\r\nWeather;rain;la lluvia;;\r\n' >"$list"
wine start /unix "$installed/wordbase.exe" "$(winepath -w "$list")"
outcome="$(dialog_text "went into")"
program_processes 'wordbase\.exe' | xargs -r kill -9
check "the tool's window says where the words went" \
  bash -c "[[ \"\$1\" == *\"2 pairs in 1 category went into $own_database_windows\"* ]]" _ "$outcome"
check "what to do next" bash -c "[[ \"\$1\" == *'end it (Exit in its menu) and start it again'* ]]" _ "$outcome"
check "and how to go back" bash -c "[[ \"\$1\" == *\"delete $own_database_windows\"* ]]" _ "$outcome"
check "and which character set it took" bash -c "[[ \"\$1\" == *'read as Windows-1252 text'* ]]" _ "$outcome"
start_program
read -r _ _ _ left top right bottom < <(word_window) || fail "no word window with the user's own words"
read -r fit_w fit_h < <(wine "$VORLIX_BIN_DIR/fit_probe.exe" "girl  |  la niña" | tr -d '\r')
check "the program shows them, \"la niña\" intact, under Weather" \
  test $((right - left)) -eq "$fit_w" -a $((bottom - top)) -eq "$fit_h"

# give_list FILE: FILE dropped on wordbase.exe, as the first list was.
give_list() { wine start /unix "$installed/wordbase.exe" "$(winepath -w "$1")"; }
# choose ANSWER: Add or Replace, once the tool asks which.
choose() {
  [ -n "$(dialog_text "Add the words of")" ] || fail "a list given again does not ask add or replace"
  read -r box _ <<<"$(probe message "Add the words of")" && probe press "$box" "$1"
}
# outcome_of TEXT: the texts of the tool's window that holds TEXT, which is then closed.
outcome_of() { dialog_text "$1" && read -r box _ <<<"$(probe message "$1")" && probe press "$box" OK; }
# words_held: the fields of the learner's words, a line each, as the word reader gives them.
words_held() {
  printf ';pwd=\n' | wine "$installed/vorlix-words.exe" "$(winepath -w "$own_database")" "select * from word " |
    tr '\0' '\n'
}

# 81 lines the tool cannot take, given while the word window is on top: the outcome fits the screen
# above the word window, the lines scrolling in a box of their own, its last line and button in sight.
bad="$work/bad lines.csv"
{
  printf 'category;english;spanish\r\n'
  for n in $(seq 81); do printf 'Kitchen;;la ni\xf1a %d\r\n' "$n"; done
} >"$bad"
cp "$own_database" "$work/own.ocx"
give_list "$bad"
[ -n "$(dialog_text "nothing was written")" ] || fail "no window tells what became of a list of bad lines"
read -r outcome_box _ <<<"$(probe message "nothing was written")"
probe layout "$outcome_box" >"$work/layout"
read -r left top right bottom work_left work_top work_right work_bottom above <"$work/layout"
echo "the outcome of 81 bad lines: $((right - left)) x $((bottom - top)) at $left,$top"
check "the outcome of 81 bad lines fits the screen" test "$left" -ge "$work_left" -a "$top" -ge "$work_top" \
  -a "$right" -le "$work_right" -a "$bottom" -le "$work_bottom"
check "and would fit one of 1024 x 768 with its task bar" test $((right - left)) -le 1024 -a $((bottom - top)) -le 728
check "above the word window" test "$above" = 1
scrolls=0
while read -r class style _; do [ "$class" = Edit ] && (( 0x$style & 0x200000 )) && scrolls=1; done < <(tail -n +2 "$work/layout")
check "its lines scroll" test "$scrolls" = 1  # WS_VSCROLL
check "its last line and its button lie within it" test -z "$(tail -n +2 "$work/layout" |
  awk -v l="$left" -v t="$top" -v r="$right" -v b="$bottom" '$3 < l || $4 < t || $5 > r || $6 > b')"
probe press "$outcome_box" OK
check "nothing was written" cmp -s "$work/own.ocx" "$own_database"

# A second list from the desktop asks whether to add it to the words there or to replace them;
# "Add" keeps the first list's words.
quizlet="$work/quizlet set.txt"
printf 'sun\tel sol\nrain\tla lluvia\n' >"$quizlet"
give_list "$quizlet"
choose Add
outcome="$(outcome_of "were added to")"
check "the outcome says how many pairs were added" \
  bash -c "[[ \"\$1\" == *\"2 pairs were added to $own_database_windows, which now holds 4 pairs\"* ]]" _ "$outcome"
held="$(words_held)"
check "the first list's words stay" grep -qx 'la niña' <<<"$held"
check "beside the second's" grep -qx 'el sol' <<<"$held"

# "Replace" keeps the words it replaces, byte for byte, under the installer's series of names.
cp "$own_database" "$work/added.ocx"
give_list "$list"
choose Replace
outcome="$(outcome_of "went into")"
check "the outcome names the copy of the words replaced" \
  bash -c "[[ \"\$1\" == *\"kept in ${own_database_windows%reg.ocx}reg-previous.ocx\"* ]]" _ "$outcome"
check "which are those words" cmp -s "$work/added.ocx" "$own_words/reg-previous.ocx"

# Started from the Start menu, the tool asks for a list among the learner's documents.
(cd "$installed" && wine start /unix "$installed/wordbase.exe")
check "the open-file dialog starts among the documents" \
  bash -c "[[ \"\$1\" == *\$'Look &in:\n\nDocuments\n'* ]]" _ "$(dialog_text "Look &in:")"
read -r chooser _ <<<"$(probe message "Look &in:")"
probe answer "$chooser" 2
program_processes '(vorlix(-words)?|wordbase)\.exe' | xargs -r kill -9
cp "$own_database" "$work/own.ocx"

install
check "an install again leaves the user's words as they are" cmp -s "$work/own.ocx" "$own_database"
uninstall
check "so does an uninstall" cmp -s "$work/own.ocx" "$own_database"
check "the program folder, with nothing of the user's in it, is gone" test ! -e "$installed"
echo "all checks passed"
