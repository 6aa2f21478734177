#!/usr/bin/env bash
# Draws the sample pictures under Data/Pict, named as Data/Sorvenika.ini names them (run
# tools/gen_settings.py first when the names change). Authoring time only: it needs Qt 6 Gui and
# ImageMagick's convert (Qt writes no GIF); the generated files are committed.
#   tools/gen_pictures.sh [SHEET.png]   SHEET: all pictures read back onto one contact sheet
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TMPDIR:-/tmp}/sorvenika-pict-build
cmake -S "$root/tools/pict" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$build/kresli" "$stage" "$root/Data"

rm -rf "$root/Data/Pict"
(cd "$stage" && find . -type f | sort) | while read -r f; do
  f=${f#./}
  case $f in
    *.gif.png)
      out=$root/Data/${f%.png}
      mkdir -p "$(dirname "$out")"
      # Few colours, no dithering: outlines and flat fills stay crisp and the files small.
      convert "$stage/$f" -strip +dither -colors 96 "gif:$out" ;;
    *)
      install -D -m 644 "$stage/$f" "$root/Data/$f" ;;
  esac
done
if [ $# -ge 1 ]; then
  "$build/kresli" --sheet "$root/Data" "$1"
fi
