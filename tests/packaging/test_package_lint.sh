#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# The package holds the program and its desktop integration and nothing else, and Debian's and
# freedesktop.org's checkers find no fault in it.
set -euo pipefail
source "$(dirname "$0")/package.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
check() { local what="$1"; shift; if "$@"; then echo "ok - $what"; else fail "$what"; fi; }

check "named as Debian names a package" test "$(basename "$deb")" = "vorlix_1.1.0_$(dpkg --print-architecture).deb"

# Sorted as the contents are, whatever the locale's order.
expected="$(sort <<<"./usr/bin/vorlix -> ../lib/vorlix/vorlix
./usr/bin/vorlix-wordbase
./usr/lib/vorlix/help.html
./usr/lib/vorlix/reg.ocx
./usr/lib/vorlix/vorlix
./usr/lib/vorlix/vorlix-words
./usr/share/applications/com.kestry.Vorlix.desktop
./usr/share/doc/vorlix/changelog.gz
./usr/share/doc/vorlix/copyright
./usr/share/doc/vorlix/examples/words.tsv
./usr/share/icons/hicolor/128x128/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/16x16/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/256x256/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/32x32/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/48x48/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/64x64/apps/com.kestry.Vorlix.png
./usr/share/icons/hicolor/scalable/apps/com.kestry.Vorlix.svg
./usr/share/man/man1/vorlix-wordbase.1.gz
./usr/share/man/man1/vorlix.1.gz
./usr/share/metainfo/com.kestry.Vorlix.metainfo.xml")"
contents="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort)"
if [ "$contents" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$contents") >&2 || true
  fail "the package holds exactly the program, its files and its desktop integration"
fi
echo "ok - the package holds exactly the program, its files and its desktop integration"

depends="$(dpkg-deb -f "$deb" Depends)"
check "its dependencies come from the binaries: Qt, the Jet library, speech-dispatcher's client" \
  bash -c "grep -q 'libqt6widgets6' <<<'$depends' && grep -q 'libmdb3' <<<'$depends' && grep -q 'libspeechd2' <<<'$depends'"
check "and it recommends speech-dispatcher's espeak-ng voices" grep -q speech-dispatcher-espeak-ng <(dpkg-deb -f "$deb" Recommends)
check "no maintainer scripts" bash -c "! dpkg-deb -I '$deb' | grep -Eq ' (pre|post)(inst|rm) '"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
check "desktop-file-validate accepts the desktop entry" \
  desktop-file-validate "$root/usr/share/applications/com.kestry.Vorlix.desktop"
check "appstreamcli accepts the metainfo" \
  appstreamcli validate --no-net "$root/usr/share/metainfo/com.kestry.Vorlix.metainfo.xml"
# lintian warns that root should not run it; what it finds goes to standard output.
check "lintian finds no error and no warning" \
  bash -c "lintian --fail-on error,warning '$deb' 2>/dev/null | tee /dev/stderr | { ! grep -q .; }"
echo "all checks passed"
