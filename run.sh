#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brisklane.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset); here is brisklane-calc instead:"
  set -x
  build/brisklane-calc format --mask '####,,###.00' 1234567.5
  build/brisklane-calc --help
  exit 0
fi
exec build/brisklane "$@"
