#!/usr/bin/env bash
# Configures (once) and builds the project into build/ (or the folder given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
# Let moc look at every header again: a new Q_OBJECT header is otherwise missed by an old build tree.
find "$dir" -path "*_autogen/timestamp" -delete
cmake --build "$dir" -- -j"$(nproc)"
