#!/usr/bin/env bash
# Copies the scripted session's pictures and gallery page into the documentation folder, so
# the README shows what the last `make demo` drew. Pictures no scene writes any more go.
set -euo pipefail
from=${1:-build/demo}
to=${2:-docs/gallery}
if [[ ! -f "$from/index.html" ]]; then
  echo "refresh-gallery: $from/index.html is missing; run make demo first" >&2
  exit 1
fi
mkdir -p "$to"
rm -f "$to"/*.png
cp "$from"/*.png "$from/index.html" "$to/"
echo "refresh-gallery: $(ls "$to"/*.png | wc -l) pictures in $to"
