#!/usr/bin/env bash
# build.sh <folder> [cmake options...]: configures once and builds with all cores (SORVENIKA_JOBS
# caps the parallel jobs); BUILD_TARGET
# names the one target to build (run.sh builds only the program). Warnings are errors unless an
# option says otherwise: run.sh and test.sh share `build`, and one set of options keeps either
# from rebuilding what the other built.
set -euo pipefail
dir=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/$dir/build.ninja" ]; then
  cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVENIKA_WERROR=ON "$@"
elif [ $# -gt 0 ]; then
  cmake "$root/$dir" "$@" > /dev/null
fi
# Qt's moc step does not notice a newly added Q_OBJECT class in an existing build folder:
# start it afresh whenever the set of such files changes.
stamp="$root/$dir/.qobject-files"
now=$(cd "$root" && grep -rl --include='*.h' --include='*.cpp' 'Q_OBJECT' src tests 2>/dev/null | sort | md5sum)
if [ "$(cat "$stamp" 2>/dev/null)" != "$now" ]; then
  find "$root/$dir" -maxdepth 3 -type d -name '*_autogen' -prune -exec rm -rf {} +
  echo "$now" > "$stamp"
fi
cmake --build "$root/$dir" --parallel "${SORVENIKA_JOBS:-$(nproc)}" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
