#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time (WENDAX_FUZZ_SECONDS, 50 by default):
#     run_fuzzer.sh PROGRAM NAME SOURCE_DIR WORK_DIR
# It starts from the seed corpus SOURCE_DIR/corpus/NAME and the regression inputs in
# SOURCE_DIR/regressions/NAME; new inputs go to WORK_DIR/corpus/NAME, never into the
# checkout. A failing input is written to WORK_DIR/crashes/ and fails the run.
set -euo pipefail
program=$1
name=$2
source=$3
work=$4
seconds=${WENDAX_FUZZ_SECONDS:-50}

mkdir -p "$work/corpus/$name" "$work/crashes"
inputs=("$work/corpus/$name" "$source/corpus/$name")
[[ -d "$source/regressions/$name" ]] && inputs+=("$source/regressions/$name")

if ! "$program" -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/crashes/$name-" "${inputs[@]}"; then
    echo "fuzz target $name failed; keep the input named above as a regression input:"
    echo "    cp INPUT tests/fuzz/regressions/$name/  (then mend the fault)"
    exit 1
fi
