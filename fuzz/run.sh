#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a fuzz target with clang (ASan + UBSan + libFuzzer) and runs it for a bounded time.
# VORLIX_FUZZ_TARGET picks it: open_and_read (the default; seeded with the sample Access files and
# a built word database), word_stream, or word_list (seeded with the lists the word-list tests read
# and the bundled list). Crashing inputs land in fuzz-out/ (kept out of git until
# they are made regression tests). Arguments after SECONDS go to libFuzzer, e.g.
# -fork=1 -ignore_crashes=1 -ignore_timeouts=1 to collect more than the first.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-120}"
shift || true
target="${VORLIX_FUZZ_TARGET:-open_and_read}"
build="${VORLIX_FUZZ_BUILD_DIR:-$here/build-fuzz}"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DVORLIX_FUZZ=ON -DBUILD_TESTING=ON \
  -DVORLIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
seeds=wordbase
[ "$target" = word_list ] && seeds=test_wordbase
cmake --build "$build" -j2 --target "fuzz_$target" "$seeds"
corpus="$build/fuzz-corpus-$target"
mkdir -p "$corpus" "$here/fuzz-out"
if [ "$target" = open_and_read ]; then
  cp "$here"/tests/data/jet-samples/*.mdb "$corpus/"
  "$build/bin/vorlix-wordbase" "$here/tests/data/small_words.tsv" "$corpus/small_words.mdb"
elif [ "$target" = word_list ]; then
  cp "$here/data/words.tsv" "$here"/tests/data/*.tsv "$corpus/"
  ASAN_OPTIONS=detect_leaks=0 VORLIX_WORD_LIST_SEEDS="$corpus" QT_QPA_PLATFORM=offscreen \
    "$build/bin/test_wordbase" readsListsAsSpreadsheetsAndEditorsSaveThem >/dev/null
fi
ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$here/fuzz-out/$target-" "$@" "$corpus" || true
ls -1 "$here/fuzz-out"
