#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the sample data folder.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
export SORVENIKA_DATA=${SORVENIKA_DATA:-$root/Data}
exec "$root/build/sorvenika" "$@"
