#!/usr/bin/env bash
# Runs each fuzz target of the fuzz build for a set time: scripts/fuzz.sh SECONDS TARGET...
# With FUZZ_RUNS set, each runs that many inputs instead, however long it takes (SECONDS 0).
# Each target starts from its seeds (fuzz/corpus/<name>) and the inputs earlier runs found
# (build/fuzz/corpus/<name>, kept out of the repository), with its dictionary
# (fuzz/dict/<name>.dict). A crashing input lands in build/fuzz/findings/<name>/; the last line
# of each run (executions, coverage, corpus) goes to build/fuzz/summary.txt. Exits non-zero
# when any target found a crash.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?seconds}
shift
bin=build/fuzz/bin
summary=build/fuzz/summary.txt
mkdir -p build/fuzz
: > "$summary"
failed=()
for target in "$@"; do
  name=${target%_fuzzer}
  name=${name//_/-}
  corpus=build/fuzz/corpus/$name
  findings=build/fuzz/findings/$name
  log=build/fuzz/$name.log
  mkdir -p "$corpus" "$findings"
  limit=(-max_total_time="$seconds")
  if [[ -n ${FUZZ_RUNS:-} ]]; then
    limit=(-runs="$FUZZ_RUNS" -max_total_time=0)
    echo "fuzz: $target for $FUZZ_RUNS inputs"
  else
    echo "fuzz: $target for ${seconds}s"
  fi
  started=$SECONDS
  # No allocation stacks: the sanitizer keeps every distinct one for good, which over a long
  # run grows the process by kilobytes an input until the memory limit stops it. A finding
  # run again alone (build/fuzz/bin/<target> <input>) reports them in full.
  ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0} \
  "$bin/$target" "${limit[@]}" -dict="fuzz/dict/$name.dict" \
    -artifact_prefix="$findings/" -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 \
    "$corpus" "fuzz/corpus/$name" > "$log" 2>&1
  status=$?
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  printf '%-24s execs %-12s %6ds %s\n' "$target" "${execs:-?}" $((SECONDS - started)) "$last" |
    tee -a "$summary"
  if ((status != 0)); then
    echo "fuzz: $target failed (exit $status), see $log and $findings/" | tee -a "$summary"
    failed+=("$target")
  fi
done
if ((${#failed[@]} > 0)); then
  echo "fuzz: crashes in ${failed[*]}"
  exit 1
fi
