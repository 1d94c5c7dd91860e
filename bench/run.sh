#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures vorlix on this machine and prints one table: start-up time against a one-label Qt
# program, on Linux and, where the Windows build is at hand, under Wine; loading 100,000 rows
# against mdb-export; the cost of a tick, resident memory, and the CPU used while idle. Takes
# about four minutes once built.
#
#   bench/run.sh [BUILD_DIR]        (default: build-bench beside the work tree)
#   BENCH_PAIRS=30 BENCH_WINE_PAIRS=20 BENCH_IDLE_SECONDS=60 BENCH_TICKS=10000 bench/run.sh
#   BENCH_WINDOWS_BUILD=DIR         the Windows build to time under Wine (default: build-windows
#                                   in the work tree, as scripts/build-windows.sh makes it)
#
# Times are compared in interleaved pairs (time_pairs.sh). The raw figures stay in
# BUILD_DIR/bench-results. Nothing here asserts a time: it only reports.
set -euo pipefail
# Characters, not bytes, for the table's padding; "." for decimals.
export LC_ALL=C.UTF-8

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(dirname "$here")"
build="${1:-$(dirname "$repo")/build-bench}"
pairs="${BENCH_PAIRS:-30}"
wine_pairs="${BENCH_WINE_PAIRS:-20}"
warmups=3
windows_build="${BENCH_WINDOWS_BUILD:-$repo/build-windows}"
idle_seconds="${BENCH_IDLE_SECONDS:-60}"
ticks="${BENCH_TICKS:-10000}"
idle_interval_ms=18000

# shellcheck source=time_pairs.sh
source "$here/time_pairs.sh"
# shellcheck source=process_counters.sh
source "$here/process_counters.sh"

say() { echo "== $*" >&2; }
thousands() { sed ':a; s/\B[0-9]\{3\}\>/,&/; ta' <<<"$1"; }

# ---- tools and build ----

bash "$repo/scripts/setup.sh"

say "building into $build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vorlix vorlix-words bundled_words bench_words bench_words_1k bench_label_floor bench_load bench_tick >/dev/null
bin="$build/bin"
big_db="$build/bench-data/weather_100k.mdb"
known_db="$build/bench-data/weather_1k.mdb"
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
  [ -z "${WINEPREFIX:-}" ] || wine_session_end
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Without -noreset the server resets when its last client goes, and a program that starts then
# (the idle copies, after the tick benchmark) finds it refusing connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
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
say "timing start-up to the first paint: $pairs pairs with the floor, for each database"
time_pairs "$results/startup_bundled.txt" "$pairs" "$warmups" "$start_floor" "$start_bundled"
time_pairs "$results/startup_big.txt" "$pairs" "$warmups" "$start_floor" "$start_big"

# ---- the same under Wine, for the Windows build, when it is at hand ----

windows_measured=""
if [ -x "$windows_build/Vorlix/vorlix.exe" ] && [ -f "$windows_build/bin/bench_label_floor.exe" ] &&
  command -v wine >/dev/null; then
  # shellcheck source=../scripts/windows-toolchain.sh
  source "$repo/scripts/windows-toolchain.sh"
  say "timing the Windows build under Wine: $wine_pairs pairs with the floor built for Windows, for each database"
  # One held Wine session: a prefix of this run's own, made once here and left out of the timing.
  wine_session "$work/wine-prefix"
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
  windows_settings='HKCU\Software\VB and VBA Program Settings\kestry\vorlix1.0'
  # windows_program NAME DATABASE: the installed program folder, with DATABASE as its reg.ocx and
  # the floor beside it, so that both load the same DLLs.
  windows_program() {
    cp -r "$windows_build/Vorlix" "$work/$1"
    cp "$2" "$work/$1/reg.ocx"
    cp "$windows_build/bin/bench_label_floor.exe" "$work/$1/"
  }
  # windows_guage GUAGE: the one settings key of this Wine user, initialised, with that category.
  windows_guage() {
    local key value
    for key in xxx=1 n=5000 ontop=1 "guage=$1"; do
      value="${key#*=}"
      wine reg add "$windows_settings" /v "${key%%=*}" /t REG_SZ /d "$value" /f >/dev/null 2>&1
    done
  }
  windows_program win_bundled "$bin/reg.ocx"
  windows_program win_big "$big_db"
  export VORLIX_QUIT_AFTER_FIRST_PAINT=1
  for name in bundled big; do
    if [ "$name" = bundled ]; then windows_guage 0; else windows_guage 29; fi
    floor="wine $work/win_$name/bench_label_floor.exe"
    vorlix_exe="wine $work/win_$name/vorlix.exe"
    for command in "$floor" "$vorlix_exe"; do
      # shellcheck disable=SC2086 # the command is meant to be split into its words
      timeout 120 $command >/dev/null 2>&1 || { echo "did not end after its first paint: $command" >&2; exit 1; }
    done
    time_pairs "$results/wine_startup_$name.txt" "$wine_pairs" "$warmups" "$floor" "$vorlix_exe"
  done
  unset VORLIX_QUIT_AFTER_FIRST_PAINT
  wine_session_end
  unset WINEPREFIX
  windows_measured=1
else
  say "no Windows build in $windows_build (scripts/build-windows.sh makes one): Wine left out"
fi

# ---- opening and loading 100,000 rows ----

# Five loads timed inside the process too, without its start and end; the median is reported.
for _ in 1 2 3 4 5; do "$bin/bench_load" "$big_db" 29 2>>"$results/refresh.txt" >/dev/null; done
say "timing the load of $(thousands "$big_rows") rows: $pairs pairs with mdb-export"
time_pairs "$results/load.txt" "$pairs" "$warmups" "mdb-export $big_db word" "$bin/bench_load $big_db 29"

# ---- one tick and resident memory: offscreen, and on the X server where a tick also talks to it ----

say "running $ticks ticks offscreen and on Xvfb"
QT_QPA_PLATFORM=offscreen "$bin/bench_tick" "$bin/reg.ocx" "$ticks" 0 >"$results/tick_bundled.txt" 2>"$results/tick_bundled.log"
QT_QPA_PLATFORM=offscreen "$bin/bench_tick" "$big_db" "$ticks" 29 >"$results/tick_big.txt" 2>"$results/tick_big.log"
QT_QPA_PLATFORM=xcb "$bin/bench_tick" "$big_db" "$ticks" 29 >"$results/tick_big_x.txt" 2>"$results/tick_big_x.log"
QT_QPA_PLATFORM=offscreen "$bin/bench_tick" "$known_db" "$ticks" 29 half-known >"$results/tick_known.txt" 2>"$results/tick_known.log"

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
ms() { awk -v s="$1" 'BEGIN { printf "%.1f", s * 1000 }'; }

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
memory=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo "?")

# Padding by characters, not bytes: the figures hold "±" and "µ".
pad() { printf '%s%*s' "$1" $(($2 > ${#1} ? $2 - ${#1} : 0)) ''; }
row() { echo "  $(pad "$1" 48) $(pad "$2" 24) $3"; }
heading() { echo "$(pad "$1" 50) $(pad "$2" 24) $3"; }
# pairs_row FILE LABEL [NOTE]: the medians of a time_pairs file and the median of its ratios.
pairs_row() {
  local a b r
  read -r a b r < <(pair_summary "$results/$1")
  row "$2" "$(ms "$a") / $(ms "$b") ms" "$(awk -v r="$r" 'BEGIN { printf "%.2fx", r }')${3-}"
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
  echo "Timed in interleaved pairs (A B A B ...) after $warmups warm-up pairs: medians of each side, and the"
  echo "median of the per-pair ratios B / A. The floor is a frameless, on-top tool-window Qt label that"
  echo "ends after its first paint."
  echo
  heading "Start-up to the first painted word, Xvfb" "floor / vorlix, medians" "median ratio, $pairs pairs"
  pairs_row startup_bundled.txt "$bundled" "  (goal ≤ 1.05x)"
  pairs_row startup_big.txt "$big" "  (goal ≤ 1.05x)"
  echo
  if [ -n "$windows_measured" ]; then
    heading "Windows build, Wine $(wine --version | sed "s/^wine-\([0-9.]*\).*/\1/")" "floor / vorlix.exe" "median ratio, $wine_pairs pairs"
    pairs_row wine_startup_bundled.txt "$bundled" "  (goal ≤ 1.10x)"
    pairs_row wine_startup_big.txt "$big" "  (goal ≤ 1.10x)"
    echo
  fi
  heading "Open and load $(thousands "$big_rows") rows" "mdb-export / bench_load" "median ratio, $pairs pairs"
  pairs_row load.txt "DataControl::Refresh against mdb-export DB word" "  (goal ≤ 1.00x)"
  row "Refresh alone, inside bench_load" "$(sed 's/refresh_ms=//' "$results/refresh.txt" | sort -n | sed -n 3p) ms" "median of 5"
  echo
  heading "One tick: move + fit" "mean" "spread"
  tick_row tick_bundled.txt "offscreen, $bundled"
  tick_row tick_big.txt "offscreen, $big"
  tick_row tick_big_x.txt "Xvfb, $big"
  row "offscreen, 1,000 rows: none / half of them known" \
    "$(value "$results/tick_known.txt" tick_us_plain) / $(value "$results/tick_known.txt" tick_us_half_known) µs" \
    "$(value "$results/tick_known.txt" half_known_ratio)x, median of 20 rounds side by side  (goal ≤ 1.5x)"
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
