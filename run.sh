#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests and benchmarks) and starts it on a
# working copy of the sample data folder, made on first start outside the checkout:
# ${XDG_DATA_HOME:-~/.local/share}/sorvenika/Data. Delete that folder for a fresh copy;
# SORVENIKA_DATA names another data folder, used as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "Sorvenika is a desktop program and needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  exit 1
fi
"$root/scripts/setup.sh"
BUILD_TARGET=sorvenika "$root/scripts/build.sh" build
if [ -z "${SORVENIKA_DATA:-}" ]; then
  SORVENIKA_DATA=${XDG_DATA_HOME:-$HOME/.local/share}/sorvenika/Data
  if [ ! -d "$SORVENIKA_DATA" ]; then
    mkdir -p "$(dirname "$SORVENIKA_DATA")"
    rm -rf "$SORVENIKA_DATA.tmp"
    cp -R "$root/Data" "$SORVENIKA_DATA.tmp"
    mv "$SORVENIKA_DATA.tmp" "$SORVENIKA_DATA"
    echo "Working copy of the sample data: $SORVENIKA_DATA"
  fi
  # The settings hold the user's passwords: the working copy is his alone.
  chmod -R go= "$SORVENIKA_DATA"
fi
export SORVENIKA_DATA
exec "$root/build/sorvenika" "$@"
