#!/usr/bin/env bash
# Benchmarks. ./bench.sh runs them all; ./bench.sh startup or ./bench.sh mortgage runs one.
#   startup:  Brisklane from launch to the main menu drawn, against a bare Qt program that shows
#             one empty window, in the same run.
#   mortgage: the 40-year weekly schedule, engine alone and Calculate to grid filled, against a
#             plain loop of as many iterations.
#   growth:   40 years of monthly contributions, calculation and grid fill, against a plain loop.
#   valuedb:  a 1,000-record file loaded, its sheet computed, a reversed table sorted.
#   chart:    a 41-bar 3D chart drawn onto a 300 dpi printer page.
#   cli:      brisklane-calc --help and a full CSV schedule (400,000 at 9%, 40 years, semi-annual
#             compounding, weekly payments, 363 days, 10,000 more in years 5 and 10) against a bare
#             QtCore program, medians of interleaved runs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh >/dev/null
runs=${RUNS:-15}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  if command -v xvfb-run >/dev/null; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi
  export QT_QPA_PLATFORM=offscreen
fi
export BRISKLANE_HELP_DIR="$PWD/build/help"
median_ms() { # command... ; prints the median wall time in milliseconds over $runs runs
  local times=()
  "$@" >/dev/null 2>&1 # warm the file cache
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}
startup() {
  local bare menu
  bare=$(median_ms build/bench/bench_bare_window)
  menu=$(median_ms build/brisklane --exit-when-shown)
  echo "== startup (platform: ${QT_QPA_PLATFORM:-xcb}, runs: $runs)"
  echo "bare Qt window shown:   ${bare} ms (median)"
  echo "Brisklane menu shown:   ${menu} ms (median)"
  awk -v a="$menu" -v b="$bare" 'BEGIN {printf "ratio:                  %.2fx (goal: within 1.5x)\n", a/b}'
}
mortgage() {
  echo "== mortgage"
  QT_QPA_PLATFORM=offscreen build/bench/bench_mortgage 2>/dev/null
}
growth() {
  echo "== growth"
  QT_QPA_PLATFORM=offscreen build/bench/bench_growth 2>/dev/null
}
valuedb() {
  echo "== valuedb"
  build/bench/bench_valuedb
}
chart() {
  echo "== chart"
  build/bench/bench_chart 2>/dev/null
}
interleaved_ms() { # name=command ...; prints "name median" for each, the runs interleaved
  local names=() i
  declare -A times
  for pair in "$@"; do names+=("${pair%%=*}"); done
  for _ in $(seq "$runs"); do
    for pair in "$@"; do
      local name=${pair%%=*} start end
      start=$(date +%s%N)
      eval "${pair#*=}" >/dev/null 2>&1
      end=$(date +%s%N)
      times[$name]+="$(( (end - start) / 1000 )) "
    done
  done
  for name in "${names[@]}"; do
    echo "$name $(printf '%s\n' ${times[$name]} | sort -n | awk '{a[NR]=$1} END {printf "%.2f", a[int((NR+1)/2)]/1000}')"
  done
}
cli() {
  local schedule="build/brisklane-calc mortgage --principal 400000 --rate 9 --term 40 --compounding semiannual"
  schedule+=" --frequency 1week --days 363 --extra 5=10000 --extra 10=10000 --format csv"
  local result bare help csv
  result=$(runs=$(( runs * 4 )) interleaved_ms "bare=build/bench/bench_bare_core" "help=build/brisklane-calc --help" \
           "csv=$schedule")
  bare=$(awk '/^bare/ {print $2}' <<<"$result")
  help=$(awk '/^help/ {print $2}' <<<"$result")
  csv=$(awk '/^csv/ {print $2}' <<<"$result")
  echo "== cli (runs: $(( runs * 4 )), $($schedule | wc -l) CSV lines)"
  echo "bare QtCore program:    ${bare} ms (median)"
  echo "brisklane-calc --help:  ${help} ms (median)"
  echo "CSV schedule:           ${csv} ms (median)"
  awk -v h="$help" -v b="$bare" 'BEGIN {printf "help ratio:             %.2fx (goal: at most 2.5x)\n", h/b}'
  awk -v c="$csv" -v h="$help" 'BEGIN {printf "schedule over help:     %.2f ms (goal: at most 1 ms)\n", c-h}'
}
case "${1:-all}" in
  startup) startup ;;
  mortgage) mortgage ;;
  growth) growth ;;
  valuedb) valuedb ;;
  chart) chart ;;
  cli) cli ;;
  all)
    # Every benchmark, then one table of their figures.
    report=$( { startup; mortgage; growth; valuedb; chart; cli; } | tee /dev/stderr )
    echo
    echo "| benchmark | figure |"
    echo "| --- | --- |"
    printf '%s\n' "$report" | awk '
      /^== / { section = substr($0, 4); sub(/ \(.*/, "", section); next }
      /:/ { split($0, part, ":"); value = substr($0, length(part[1]) + 2); gsub(/^ +/, "", value)
            printf "| %s: %s | %s |\n", section, part[1], value }'
    ;;
  *) echo "usage: ./bench.sh [startup|mortgage|growth|valuedb|chart|cli]" >&2; exit 2 ;;
esac
