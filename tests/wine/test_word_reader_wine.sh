#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows word reader gives, byte for byte, the word stream the Linux reader gives: the bundled
# words (accents, ñ, ¿), the Access-made samples (Cyrillic, Finnish, Greek, CJK, compressed text),
# and a database in a folder whose name the system's code page cannot hold.
source "$(dirname "$0")/wine_session.sh"
: "${VORLIX_JET_SAMPLES_DIR:?folder of the Access-made samples}"
: "${VORLIX_BUNDLED_DB:?the bundled word database}"
if [ -z "${VORLIX_LINUX_WORD_READER:-}" ] || [ ! -x "$VORLIX_LINUX_WORD_READER" ]; then
  echo "the Linux word reader to compare with is not at hand (configure with VORLIX_LINUX_WORD_READER)"
  exit 77
fi

# read_with READER DATABASE QUERY PASSWORD: the reader's output, then its exit code on a line.
read_with() {
  local out status=0
  out="$(mktemp -p "$work")"
  printf ';pwd=%s\n' "$4" | "$1" "$2" "$3" >"$out" 2>/dev/null || status=$?
  cat "$out"
  printf '\nexit %s\n' "$status"
}
windows_reader() { wine "$VORLIX_BIN_DIR/vorlix-words.exe" "$(winepath -w "$1")" "$2"; }

same_stream() {
  local database="$1" query="$2" password="$3"
  cmp -s <(read_with windows_reader "$database" "$query" "$password") \
    <(read_with "$VORLIX_LINUX_WORD_READER" "$database" "$query" "$password")
}

samples="$VORLIX_JET_SAMPLES_DIR"
check "the bundled words, all" same_stream "$VORLIX_BUNDLED_DB" "select * from word " Vbnk53917026
check "the bundled words, one category" \
  same_stream "$VORLIX_BUNDLED_DB" "select * from word where category= 'Electronics& Computers'" Vbnk53917026
check "the bundled words, a wrong password" same_stream "$VORLIX_BUNDLED_DB" "select * from word " Vbnk53917027
check "non-Latin and compressed text" same_stream "$samples/access2003-unicode-compressed.mdb" "select * from [Table]" ""
check "a password-protected Access file" same_stream "$samples/access2003-password-is-password.mdb" "select * from Table1" password
check "an Access file without a password" same_stream "$samples/access2003-no-password.mdb" "select * from Table1" ""
for table in Table1 Table2 Table3 Table4; do
  check "Jet3 text, $table" same_stream "$samples/access97-jet3.mdb" "select * from $table" ""
done
check "a query the engine rejects" same_stream "$samples/access97-jet3.mdb" "select * from NoSuchTable" ""

# A user name in another script puts the program in a folder the code page cannot name.
folder="$work/Словарь 詞典"
mkdir -p "$folder"
cp "$VORLIX_BUNDLED_DB" "$folder/reg.ocx"
check "a folder named outside the code page" \
  cmp -s <(read_with windows_reader "$folder/reg.ocx" "select * from word " Vbnk53917026) \
  <(read_with "$VORLIX_LINUX_WORD_READER" "$VORLIX_BUNDLED_DB" "select * from word " Vbnk53917026)
echo "all checks passed"
