#!/usr/bin/env bash
# How much of this repository's code each fuzz target's corpus reaches:
# scripts/fuzz-coverage.sh TARGET...
# Runs every input of the target's seeds and grown corpus once (no fuzzing) in the fuzz build
# and reads libFuzzer's coverage listing: the edges (branches between basic blocks) of every
# instrumented function, covered or not. Writes build/fuzz/coverage/<name>.txt, the covered and
# total edges of each repository source file the corpus enters, the files sorted by their
# total edges, and prints each target's totals to build/fuzz/coverage/summary.txt. Code of
# system libraries (libxml2, jsoncpp, cairo, pango) is not instrumented and not counted;
# functions inlined into several of the build's libraries count once, by their best copy.
set -uo pipefail
cd "$(dirname "$0")/.."

bin=build/fuzz/bin
out=build/fuzz/coverage
mkdir -p "$out"
summary=$out/summary.txt
: > "$summary"
for target in "$@"; do
  name=${target%_fuzzer}
  name=${name//_/-}
  mkdir -p "build/fuzz/corpus/$name"
  raw=$out/$name.raw
  ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0} \
  "$bin/$target" -runs=0 -print_coverage=1 -timeout=60 -rss_limit_mb=4096 \
    "build/fuzz/corpus/$name" "fuzz/corpus/$name" > "$raw" 2>&1
  status=$?
  inputs=$(grep -Eo '^#[0-9]+' "$raw" | tail -1 | tr -d '#')
  # COVERED_FUNC: hits: H edges: C/T <function> <file>:<line>; the function may have spaces.
  grep -E '^(UN)?COVERED_FUNC: ' "$raw" | awk -v root="$PWD/" -v target="$target" \
    -v inputs="${inputs:-0}" -v status="$status" '
    {
      split($5, e, "/")
      where = $NF
      file = where
      sub(/:[0-9]+$/, "", file)
      n = split(file, parts, "/")
      # Paths come as <build>/../../<file>; keep the part inside the repository.
      path = ""
      for (i = 1; i <= n; ++i) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { sub(/\/[^\/]*$/, "", path); continue }
        path = path "/" parts[i]
      }
      if (index(path, root) != 1) next
      path = substr(path, length(root) + 1)
      if (path ~ /^build\//) next
      signature = $0
      sub(/^(UN)?COVERED_FUNC: hits: [0-9]+ edges: [0-9]+\/[0-9]+ /, "", signature)
      key = path SUBSEP signature
      if (!(key in best) || e[1] + 0 > best[key]) { best[key] = e[1] + 0; total[key] = e[2] + 0 }
      fileOf[key] = path
    }
    END {
      for (k in best) {
        f = fileOf[k]; covered[f] += best[k]; edges[f] += total[k]
      }
      for (f in covered) if (covered[f] > 0) {
        printf "%7d %7d %5.1f%% %s\n", covered[f], edges[f], 100 * covered[f] / edges[f], f
        sumC += covered[f]; sumT += edges[f]; ++files
      }
      printf "%-24s inputs %-6d files %-4d edges %d/%d (%.1f%%)%s\n", target, inputs, files, \
        sumC, sumT, sumT ? 100 * sumC / sumT : 0, status ? " (run failed)" : "" > "/dev/stderr"
    }' 2>> "$summary" | sort -k2,2nr > "$out/$name.txt"
  rm -f "$raw"
  tail -1 "$summary"
done
