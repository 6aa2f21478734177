#!/usr/bin/env bash
# build.sh <folder> [cmake options...]: configures once and builds with all cores.
set -euo pipefail
dir=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/$dir/build.ninja" ]; then
  cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$root/$dir" --parallel "$(nproc)"
