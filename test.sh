#!/usr/bin/env bash
# Installs what is missing, checks the format, builds, and runs the whole suite with ctest; then the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
#   ./test.sh             the suite, then the core tests under the sanitizers
#   ./test.sh --quick     the suite only
#   ./test.sh --sanitize  the whole suite under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-}
scripts/deps.sh
scripts/check_format.sh
if [ "$mode" != "--sanitize" ]; then
  scripts/build.sh
  (cd build && ctest --output-on-failure -j"$(nproc)" --timeout 120)
  [ "$mode" = "--quick" ] && exit 0
fi
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRISK_SANITIZE=ON >/dev/null
fi
if [ "$mode" = "--sanitize" ]; then
  scripts/build.sh build-asan
  (cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 300)
else
  echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  find build-asan -path "*_autogen/timestamp" -delete
  cmake --build build-asan --target core_tests -- -j"$(nproc)"
  (cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 300 -L core)
fi
