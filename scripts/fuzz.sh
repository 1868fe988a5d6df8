#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz, clang with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each on a copy of its checked-in
# corpus, two at a time (FUZZ_JOBS at a time when set). Fails when a target
# finds a fault; the input that shows it is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS]    seconds per target (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
seconds="${1:-60}"
jobs="${FUZZ_JOBS:-2}"
targets=(fuzz_dom_load fuzz_value_conversion fuzz_catalogue_loader fuzz_object_load
         fuzz_project_file fuzz_csv fuzz_configuration_tree)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]}" tq_data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build-fuzz/findings
mkdir -p "$findings"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1

run() {
  local target=$1
  mkdir -p "$work/$target"
  cp tests/fuzz/corpus/"$target"/* "$work/$target/"
  if build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
      "$work/$target" >"$work/$target.log" 2>&1; then
    local runs cover
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    cover=$(grep -o 'cov: [0-9]*' "$work/$target.log" | tail -n 1)
    echo "fuzz: $target: ${runs:-?} runs in ${seconds} s, ${cover:-cov: ?}, nothing found"
  else
    echo "fuzz: $target found a fault (input in $findings):"
    tail -n 60 "$work/$target.log"
    return 1
  fi
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
  pids=()
  for target in "${targets[@]:i:jobs}"; do
    run "$target" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
done
exit "$failed"
