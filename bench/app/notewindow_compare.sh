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

python3 - "$work" "$rounds" <<'EOF'
import json, statistics, sys
from collections import defaultdict

work, rounds = sys.argv[1], int(sys.argv[2])
figures = {"before": defaultdict(list), "after": defaultdict(list)}
order = []
for side in figures:
    for round in range(rounds):
        with open(f"{work}/{side}.{round}.json") as report:
            for run in json.load(report)["benchmarks"]:
                if run.get("run_type") != "iteration":
                    continue
                name = run["run_name"].split("/iterations:")[0]
                values = {"time_ms": run["real_time"] if run["time_unit"] == "ms" else run["real_time"] / 1e6}
                values.update({key: value for key, value in run.items()
                               if key.endswith("_ms") or key == "frames"})
                for figure, value in values.items():
                    if (name, figure) not in order:
                        order.append((name, figure))
                    figures[side][(name, figure)].append(value)

print(f"{'case':<44} {'figure':<14} {'before':>10} {'after':>10} {'ratio':>8}")
for key in order:
    old, new = figures["before"].get(key), figures["after"].get(key)
    if not old or not new:
        continue
    old, new = statistics.median(old), statistics.median(new)
    ratio = f"{old / new:7.1f}x" if new > 0 else "      -"
    print(f"{key[0]:<44} {key[1]:<14} {old:10.2f} {new:10.2f} {ratio}")
EOF
