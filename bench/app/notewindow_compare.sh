#!/usr/bin/env bash
# The note window's figures of two builds side by side: their bench_note_window runs in turns,
# ROUNDS times each, and every figure is the median over all repetitions of all rounds, printed
# with the ratio of the first build to the second. Nothing passes or fails.
#   bench/app/notewindow_compare.sh BUILD_BEFORE BUILD_AFTER [ROUNDS] [FILTER]
set -euo pipefail
before=${1:?usage: notewindow_compare.sh BUILD_BEFORE BUILD_AFTER [ROUNDS] [FILTER]}
after=${2:?usage: notewindow_compare.sh BUILD_BEFORE BUILD_AFTER [ROUNDS] [FILTER]}
rounds=${3:-3}
filter=${4:-.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ((round = 0; round < rounds; round++)); do
    for side in before after; do
        build=${!side}
        "$build/bench/app/bench_note_window" --benchmark_filter="$filter" \
            --benchmark_out="$work/$side.$round.json" --benchmark_out_format=json >/dev/null 2>&1
    done
done

python3 "$(dirname "$0")/notewindow_summary.py" "$work" "$rounds" before after
