#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers and parsers (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60), two at a time.
# Findings are written to fuzz/findings/<target>/; add each one to the tests.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
scripts/deps.sh
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq "$p"
  }
done
out=build-fuzz
mkdir -p "$out"
core=$(ls app/core/*.cpp mortgage/core/*.cpp growth/core/*.cpp retirement/core/*.cpp charts/core/*.cpp valuedb/core/*.cpp 2>/dev/null)
targets=(zrk mortgage_file settings numeric_parse date_parse)
for t in "${targets[@]}"; do
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I. \
    "fuzz/fuzz_$t.cpp" $core -o "$out/fuzz_$t" &
done
wait
run() {
  local t=$1
  mkdir -p "fuzz/findings/$t" "$out/corpus_$t"
  "$out/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="fuzz/findings/$t/" "$out/corpus_$t" "fuzz/corpus/$t" > "$out/$t.log" 2>&1 || echo "FOUND: $t (see $out/$t.log)"
  echo "$t: $(grep -E 'stat::number_of_executed_units' "$out/$t.log" | awk '{print $2}') runs in ${seconds}s"
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[$i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run "${targets[$((i + 1))]}" &
  wait
done
