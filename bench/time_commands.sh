# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by run.sh. time_commands OUT.csv RUNS NAME COMMAND [NAME COMMAND ...] times each
# COMMAND (split on blanks, run without a shell) RUNS times after three warm-up runs, and writes
# "name,mean,stddev" in seconds to OUT.csv. hyperfine does it where installed; a loop otherwise.

time_commands() {
  local out="$1" runs="$2"
  shift 2
  if command -v hyperfine >/dev/null; then
    local args=() names=()
    while (($#)); do
      names+=("$1")
      args+=(-n "$1" "$2")
      shift 2
    done
    hyperfine -N --style basic --warmup 3 --runs "$runs" --export-csv "$out.raw" "${args[@]}" >&2
    # hyperfine's columns: command,mean,stddev,median,user,system,min,max
    awk -F, 'NR > 1 { print $1 "," $2 "," $3 }' "$out.raw" >"$out"
  else
    : >"$out"
    while (($#)); do
      local name="$1" command="$2" i start samples=()
      shift 2
      for ((i = 0; i < runs + 3; i++)); do
        start=$(date +%s%N)
        # shellcheck disable=SC2086 # the command is meant to be split into its words
        $command >/dev/null 2>&1
        ((i < 3)) || samples+=($(($(date +%s%N) - start)))
      done
      printf '%s\n' "${samples[@]}" |
        awk -v name="$name" '{ s += $1; q += $1 * $1; n++ }
          END { m = s / n; sd = n > 1 ? sqrt((q - n * m * m) / (n - 1)) : 0
                printf "%s,%.9f,%.9f\n", name, m / 1e9, sd / 1e9 }' >>"$out"
    done
  fi
}
