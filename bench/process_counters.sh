# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by run.sh. process_counters PID prints what the process has used so far, as
# "cpu_ms run_ns wakeups rss_kb": utime+stime from /proc/PID/stat (in clock ticks, turned into
# ms), the nanoseconds its threads ran (schedstat, finer than the clock ticks), the times its
# threads were switched in (voluntary and not), and its resident memory.

process_counters() {
  local pid="$1" hz stat cpu_ticks run_ns=0 wakeups=0 task n v nv rss
  hz=$(getconf CLK_TCK)
  stat=$(cat "/proc/$pid/stat")
  # Fields 14 and 15 counted after the closing parenthesis of the name, which may hold blanks.
  cpu_ticks=$(awk '{ print $12 + $13 }' <<<"${stat##*) }")
  for task in /proc/"$pid"/task/*; do
    read -r n _ <"$task/schedstat"
    v=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")
    nv=$(awk '/^nonvoluntary_ctxt_switches/ { print $2 }' "$task/status")
    run_ns=$((run_ns + n))
    wakeups=$((wakeups + v + nv))
  done
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  echo "$((cpu_ticks * 1000 / hz)) $run_ns $wakeups $rss"
}
