#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (widget tests offscreen). In CI also runs
# the core tests under the address and undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
"$root/scripts/build.sh" build -DSORVENIKA_WERROR=ON
ctest --test-dir "$root/build" --output-on-failure --parallel "${SORVENIKA_JOBS:-$(nproc)}" --timeout 600
if [ "${CI:-}" = "true" ] || [ "${SANITIZE:-}" = "1" ]; then
  "$root/scripts/build.sh" build-asan -DSORVENIKA_WERROR=ON -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF
  ASAN_OPTIONS=detect_leaks=0 ctest --test-dir "$root/build-asan" --output-on-failure --parallel "${SORVENIKA_JOBS:-$(nproc)}" --timeout 900
fi
