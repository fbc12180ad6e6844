#!/usr/bin/env bash
# Builds the libFuzzer targets with CMake (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for SECONDS (default 60), two at a time: ./fuzz.sh [SECONDS [TARGET...]], all targets
# when none is named (zrk_path, mortgage_path, ...).
# Findings are written to fuzz/findings/<target>/; add each one to the tests.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
scripts/deps.sh
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq "$p"
  }
done
out=build-fuzz
if [ ! -f "$out/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISK_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DBRISK_TESTS=OFF -DBRISK_BENCH=OFF >/dev/null
fi
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=($(ls fuzz/fuzz_*.cpp | sed 's|fuzz/fuzz_||; s|\.cpp$||'))
fi
cmake --build "$out" --target "${targets[@]/#/fuzz_}" -- -j"$(nproc)"
run() {
  local t=$1
  mkdir -p "fuzz/findings/$t" "$out/corpus_$t"
  "$out/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="fuzz/findings/$t/" "$out/corpus_$t" "fuzz/corpus/$t" > "$out/$t.log" 2>&1 || echo "FOUND: $t (see $out/$t.log)"
  echo "$t: $(grep -E 'stat::number_of_executed_units' "$out/$t.log" | awk '{print $2}') runs in ${seconds}s"
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[$i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run "${targets[$((i + 1))]}" &
  wait
done
