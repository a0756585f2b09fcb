#!/usr/bin/env bash
# Usage: scripts/fuzz.sh <build-folder> [libFuzzer options ...]
# Runs every fuzz target of a fuzz build (make fuzz, make fuzz-ci) in turn, each
# with the given options, on a fresh working copy of its corpus: the seeds the
# build wrote and the files of fuzz/corpus/<target>/. New inputs go to that
# copy only, never into the repository; a crash, hang or leak is kept as
# <build-folder>/fuzz-artifacts/<target>-crash-..., and ends the run with an error.
# FUZZ_TARGETS="a b" runs only those targets.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=$1
shift

targets=${FUZZ_TARGETS:-$(cat "$build_dir/fuzz/targets.txt")}
work="$build_dir/fuzz-work"
artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$artifacts"

# Leaks end a run too; the readers must not keep what they read.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

for target in $targets; do
  corpus="$work/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  for seeds in "$build_dir/fuzz-seeds/$target" "fuzz/corpus/$target"; do
    if [[ -d $seeds ]]; then cp -r "$seeds/." "$corpus/"; fi
  done
  start=$(date +%s)
  log="$work/$target.log"
  if ! "$build_dir/fuzz/$target" -artifact_prefix="$artifacts/$target-" -print_final_stats=1 "$@" "$corpus" \
    >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$target: FAILED (log: $log, inputs: $artifacts/)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "$target: ${runs:-?} runs in $(($(date +%s) - start)) s, corpus $(ls "$corpus" | wc -l) inputs"
done
