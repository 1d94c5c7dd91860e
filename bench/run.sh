#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures vorlix on this machine and prints one table: start-up time against a one-label Qt
# program, loading 100,000 rows against mdb-export, the cost of a tick, resident memory, and the
# CPU used while idle. Takes about two minutes once built.
#
#   bench/run.sh [BUILD_DIR]        (default: build-bench beside the work tree)
#   BENCH_RUNS=20 BENCH_IDLE_SECONDS=60 BENCH_TICKS=10000 bench/run.sh
#
# The raw figures stay in BUILD_DIR/bench-results. Nothing here asserts a time: it only reports.
set -euo pipefail
# Characters, not bytes, for the table's padding; "." for decimals.
export LC_ALL=C.UTF-8

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(dirname "$here")"
build="${1:-$(dirname "$repo")/build-bench}"
runs="${BENCH_RUNS:-20}"
idle_seconds="${BENCH_IDLE_SECONDS:-60}"
ticks="${BENCH_TICKS:-10000}"
idle_interval_ms=18000

# shellcheck source=time_commands.sh
source "$here/time_commands.sh"
# shellcheck source=process_counters.sh
source "$here/process_counters.sh"

say() { echo "== $*" >&2; }
thousands() { sed ':a; s/\B[0-9]\{3\}\>/,&/; ta' <<<"$1"; }

# ---- tools and build ----

bash "$repo/scripts/setup.sh"
if ! command -v hyperfine >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq hyperfine; } >&2 ||
    say "hyperfine could not be installed: timing with a loop of its own"
fi

say "building into $build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vorlix vorlix-words bundled_words bench_words bench_label_floor bench_load bench_tick >/dev/null
bin="$build/bin"
big_db="$build/bench-data/weather_100k.mdb"
big_rows=$("$bin/bench_load" "$big_db" 29 2>/dev/null)
results="$build/bench-results"
rm -rf "$results"
mkdir -p "$results"

# ---- a private session: X server, home, settings, program folders ----

work="$(mktemp -d)"
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

bundled_rows=$(awk -F'\t' '!/^#/ && NF == 3' "$repo/data/words.tsv" | wc -l)

# program NAME DATABASE GUAGE INTERVAL_MS: a program folder with its own settings folder (and so
# its own single-copy key, letting two copies run side by side).
program() {
  mkdir -p "$work/$1/program" "$work/$1/config/kestry"
  cp "$bin/vorlix" "$bin/vorlix-words" "$work/$1/program/"
  cp "$2" "$work/$1/program/reg.ocx"
  printf '[General]\nxxx=1\nn=%s\nguage=%s\nontop=1\n' "$4" "$3" >"$work/$1/config/kestry/vorlix1.0.ini"
}
program bundled "$bin/reg.ocx" 0 5000
program big "$big_db" 29 5000
program bundled_idle "$bin/reg.ocx" 0 "$idle_interval_ms"
program big_idle "$big_db" 29 "$idle_interval_ms"
floor_config="$work/floor/config"
mkdir -p "$floor_config"

# ---- start-up to the first paint ----

start_floor="env XDG_CONFIG_HOME=$floor_config $bin/bench_label_floor"
start_bundled="env XDG_CONFIG_HOME=$work/bundled/config VORLIX_QUIT_AFTER_FIRST_PAINT=1 $work/bundled/program/vorlix"
start_big="env XDG_CONFIG_HOME=$work/big/config VORLIX_QUIT_AFTER_FIRST_PAINT=1 $work/big/program/vorlix"
# Each must end by itself before it is timed without a limit (the first also fills font caches).
for command in "$start_floor" "$start_bundled" "$start_big"; do
  # shellcheck disable=SC2086 # the command is meant to be split into its words
  timeout 60 $command >/dev/null 2>&1 || { echo "did not end after its first paint: $command" >&2; exit 1; }
done
say "timing start-up to the first paint ($runs runs each)"
time_commands "$results/startup.csv" "$runs" floor "$start_floor" bundled "$start_bundled" big "$start_big"

# ---- opening and loading 100,000 rows ----

# Five loads timed inside the process too, without its start and end; the median is reported.
for _ in 1 2 3 4 5; do "$bin/bench_load" "$big_db" 29 2>>"$results/refresh.txt" >/dev/null; done
say "timing the load of $(thousands "$big_rows") rows ($runs runs each)"
time_commands "$results/load.csv" "$runs" refresh "$bin/bench_load $big_db 29" mdb_export "mdb-export $big_db word"

# ---- one tick and resident memory: offscreen, and on the X server where a tick also talks to it ----

say "running $ticks ticks offscreen and on Xvfb"
QT_QPA_PLATFORM=offscreen "$bin/bench_tick" "$bin/reg.ocx" "$ticks" 0 >"$results/tick_bundled.txt" 2>"$results/tick_bundled.log"
QT_QPA_PLATFORM=offscreen "$bin/bench_tick" "$big_db" "$ticks" 29 >"$results/tick_big.txt" 2>"$results/tick_big.log"
QT_QPA_PLATFORM=xcb "$bin/bench_tick" "$big_db" "$ticks" 29 >"$results/tick_big_x.txt" 2>"$results/tick_big_x.log"

# ---- idle, the real program under Xvfb ----

# Both copies start together, so their ticks fall about k * interval after the start. The counters
# are read once the windows are up (3 s), over a stretch between the second and third tick
# (2 * interval + 1 s to 3 * interval - 1 s), and at the end (3 s + idle_seconds). The stretch is
# not the first one: Qt's pixmap cache flushes what start-up left in it once, about 30 s in.
interval_s=$((idle_interval_ms / 1000))
((idle_seconds + 3 >= 3 * interval_s - 1)) ||
  { echo "BENCH_IDLE_SECONDS must be at least $((3 * interval_s - 4))" >&2; exit 1; }
say "watching two idle copies for $idle_seconds s (a tick every $interval_s s)"
declare -A idle_pid counters sampled
launch=$(date +%s%N)
for name in bundled_idle big_idle; do
  XDG_CONFIG_HOME="$work/$name/config" "$work/$name/program/vorlix" >"$work/$name.log" 2>&1 &
  idle_pid[$name]=$!
  pids+=($!)
done
for name in bundled_idle big_idle; do
  for _ in $(seq 300); do
    xdotool search --onlyvisible --pid "${idle_pid[$name]}" >/dev/null 2>&1 && break
    sleep 0.1
  done
done
# sample LABEL AT_SECONDS: reads both copies' counters AT_SECONDS after the start.
sample() {
  local now target=$((launch + $2 * 1000000000)) name
  now=$(date +%s%N)
  ((target <= now)) || sleep "$(awk -v ns=$((target - now)) 'BEGIN { printf "%.3f", ns / 1e9 }')"
  sampled[$1]=$(date +%s%N)
  for name in bundled_idle big_idle; do counters[$name:$1]="$(process_counters "${idle_pid[$name]}")"; done
}
sample start 3
sample quiet_from $((2 * interval_s + 1))
sample quiet_to $((3 * interval_s - 1))
sample end $((3 + idle_seconds))
interval_ns=$((idle_interval_ms * 1000000))
ticks_seen=$(((sampled[end] - launch) / interval_ns - (sampled[start] - launch) / interval_ns))
for name in bundled_idle big_idle; do
  read -r cpu0 run0 wake0 rss0 <<<"${counters[$name:start]}"
  read -r cpu1 run1 wake1 rss1 <<<"${counters[$name:end]}"
  read -r _ quiet_run0 quiet_wake0 _ <<<"${counters[$name:quiet_from]}"
  read -r _ quiet_run1 quiet_wake1 _ <<<"${counters[$name:quiet_to]}"
  echo "cpu_ms=$((cpu1 - cpu0)) run_us=$(((run1 - run0) / 1000)) wakeups=$((wake1 - wake0)) ticks=$ticks_seen" \
    "rss_start_kb=$rss0 rss_end_kb=$rss1 quiet_s=$((interval_s - 2)) quiet_run_us=$(((quiet_run1 - quiet_run0) / 1000))" \
    "quiet_wakeups=$((quiet_wake1 - quiet_wake0))" >"$results/idle_$name.txt"
  kill "${idle_pid[$name]}"
done

# ---- the table ----

value() { sed -n "s/.*\b$2=\([^ ]*\).*/\1/p" "$1"; }
csv() { awk -F, -v n="$2" -v c="$3" '$1 == n { print $c }' "$1"; }
ms() { awk -v s="$1" 'BEGIN { printf "%.1f", s * 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
memory=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo "?")
timer=$(command -v hyperfine >/dev/null && echo "hyperfine, $runs runs after 3 warm-ups" || echo "shell loop, $runs runs after 3 warm-ups")

# Padding by characters, not bytes: the figures hold "±" and "µ".
pad() { printf '%s%*s' "$1" $(($2 > ${#1} ? $2 - ${#1} : 0)) ''; }
row() { echo "  $(pad "$1" 48) $(pad "$2" 24) $3"; }
heading() { echo "$(pad "$1" 50) $(pad "$2" 24) $3"; }
startup_row() {
  row "$2" "$(ms "$(csv "$results/startup.csv" "$1" 2)") ± $(ms "$(csv "$results/startup.csv" "$1" 3)") ms" \
    "$(ratio "$(csv "$results/startup.csv" "$1" 2)" "$(csv "$results/startup.csv" floor 2)")${3-}"
}
load_row() {
  row "$2" "$(ms "$(csv "$results/load.csv" "$1" 2)") ± $(ms "$(csv "$results/load.csv" "$1" 3)") ms" \
    "$(ratio "$(csv "$results/load.csv" "$1" 2)" "$(csv "$results/load.csv" mdb_export 2)")${3-}"
}
tick_row() {
  local f="$results/$1"
  row "$2" "$(value "$f" tick_us_mean) µs" "median $(value "$f" tick_us_median) µs, p99 $(value "$f" tick_us_p99) µs"
}
rss_row() {
  local f="$results/$1"
  row "$2" "$(thousands "$(value "$f" rss_start_kb)") kB" "$(thousands "$(value "$f" rss_after_ticks_kb)") kB after $(thousands "$(value "$f" ticks)") ticks"
}
idle_row() {
  local f="$results/$1"
  row "$2" "$(value "$f" cpu_ms) ms" \
    "ran $(value "$f" run_us) µs, woke $(value "$f" wakeups) times, in $(value "$f" ticks) ticks"
  row "" "" "between two ticks ($(value "$f" quiet_s) s): ran $(value "$f" quiet_run_us) µs, woke $(value "$f" quiet_wakeups) times"
  row "" "" "RSS $(thousands "$(value "$f" rss_start_kb)") → $(thousands "$(value "$f" rss_end_kb)") kB"
}

big="$(thousands "$big_rows") rows, Weather"
bundled="bundled reg.ocx, All ($(thousands "$bundled_rows") rows)"
{
  echo
  echo "Vorlix benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "Machine: $(nproc) cores, $cpu_model, $memory; Qt $qt; Linux $(uname -r)"
  echo "Timed with $timer"
  echo
  heading "Start-up to the first painted word (Xvfb)" "mean ± sd" "vs. the floor"
  startup_row floor "Qt floor: one label"
  startup_row bundled "vorlix, $bundled"
  startup_row big "vorlix, $big" "  (goal ≤ 1.30x)"
  echo
  heading "Open and load $(thousands "$big_rows") rows" "mean ± sd" "vs. mdb-export"
  load_row refresh "DataControl::Refresh (bench_load)" "  (goal ≤ 1.00x)"
  load_row mdb_export "mdb-export DB word"
  row "Refresh alone, inside bench_load" "$(sed 's/refresh_ms=//' "$results/refresh.txt" | sort -n | sed -n 3p) ms" "median of 5"
  echo
  heading "One tick: move + fit" "mean" "spread"
  tick_row tick_bundled.txt "offscreen, $bundled"
  tick_row tick_big.txt "offscreen, $big"
  tick_row tick_big_x.txt "Xvfb, $big"
  echo
  heading "Resident memory, VmRSS" "after start" "after the ticks"
  rss_row tick_bundled.txt "offscreen, $bundled"
  rss_row tick_big.txt "offscreen, $big"
  rss_row tick_big_x.txt "Xvfb, $big"
  echo
  heading "Idle $idle_seconds s, n=$idle_interval_ms (Xvfb)" "CPU (utime+stime)" "in detail"
  idle_row idle_bundled_idle.txt "$bundled"
  idle_row idle_big_idle.txt "$big"
  echo
  echo "Raw figures: $results"
} | tee "$results/table.txt"
