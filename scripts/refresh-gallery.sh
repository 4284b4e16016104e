#!/usr/bin/env bash
# Copies the scripted session's pictures and gallery page into the documentation folder, so
# the README shows what the last `make demo` drew, and rewrites the README's table of them
# (between its gallery markers) from the session's captions. Pictures no scene writes any
# more go.
set -euo pipefail
from=${1:-build/demo}
to=${2:-docs/gallery}
readme=${3:-README.md}
if [[ ! -f "$from/index.html" ]]; then
  echo "refresh-gallery: $from/index.html is missing; run make demo first" >&2
  exit 1
fi
mkdir -p "$to"
rm -f "$to"/*.png
cp "$from"/*.png "$from/index.html" "$to/"
echo "refresh-gallery: $(ls "$to"/*.png | wc -l) pictures in $to"

[[ -f "$readme" ]] || exit 0
grep -q '^<!-- gallery -->$' "$readme" || exit 0
# One cell per picture, in the session's order, two to a row.
cells=()
while IFS=$'\t' read -r src caption; do
  cells+=("![${src%.png}]($to/$src) $caption")
done < <(grep -o '<img src="[^"]*" alt="[^"]*"' "$from/index.html" |
           sed -E 's/<img src="([^"]*)" alt="([^"]*)"/\1\t\2/' |
           sed -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&quot;/"/g' -e "s/&#39;/'/g" -e 's/&amp;/\&/g' |
           sed -e 's/|/\\|/g' -e 's/\*/\\*/g')
table=$'| | |\n|---|---|'
for ((i = 0; i < ${#cells[@]}; i += 2)); do
  table+=$'\n'"| ${cells[i]} | ${cells[i + 1]:-} |"
done
tmp=$(mktemp "$(dirname "$readme")/.readme.XXXXXX")
awk -v table="$table" '
  /^<!-- gallery -->$/ { print; print table; skip = 1; next }
  /^<!-- \/gallery -->$/ { skip = 0 }
  !skip { print }
' "$readme" > "$tmp"
mv "$tmp" "$readme"
echo "refresh-gallery: the table in $readme lists ${#cells[@]} pictures"
