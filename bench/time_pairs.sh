# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by run.sh. Timings are compared in interleaved pairs, A B A B ...: on a machine whose
# speed drifts from one minute to the next, the two of a pair meet the same conditions, and the
# median of the per-pair ratios is what the drift leaves alone.

# time_pairs OUT PAIRS WARMUPS COMMAND_A COMMAND_B: runs A then B, PAIRS times after WARMUPS pairs
# left out, each COMMAND split on blanks and run without a shell, and writes one "a_s b_s" line a
# pair to OUT (seconds). Fails when a command fails.
time_pairs() {
  local out="$1" pairs="$2" warmups="$3" a="$4" b="$5" i t0 t1 t2
  : >"$out"
  for ((i = 0; i < warmups + pairs; i++)); do
    # shellcheck disable=SC2086 # the commands are meant to be split into their words
    {
      t0=$EPOCHREALTIME
      $a >/dev/null 2>&1 || return 1
      t1=$EPOCHREALTIME
      $b >/dev/null 2>&1 || return 1
      t2=$EPOCHREALTIME
    }
    ((i < warmups)) || awk -v t0="$t0" -v t1="$t1" -v t2="$t2" 'BEGIN { printf "%.6f %.6f\n", t1 - t0, t2 - t1 }' >>"$out"
  done
}

# median: the median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# pair_summary FILE: "median_a median_b median_ratio" of a time_pairs file, the ratio being b / a
# within each pair.
pair_summary() {
  echo "$(awk '{ print $1 }' "$1" | median) $(awk '{ print $2 }' "$1" | median) $(awk '{ print $2 / $1 }' "$1" | median)"
}
