#!/usr/bin/env bash
# Reading figures of two builds of rtf_bench side by side: they run in turns, ROUNDS times each,
# and each figure is the median over the rounds of each run's median CPU time, printed with the
# ratio of the first build to the second. Nothing passes or fails.
#   bench/rtf/rtf_compare.sh RTF_BENCH_BEFORE RTF_BENCH_AFTER [ROUNDS] [FILTER]
set -euo pipefail
before=${1:?usage: rtf_compare.sh RTF_BENCH_BEFORE RTF_BENCH_AFTER [ROUNDS] [FILTER]}
after=${2:?usage: rtf_compare.sh RTF_BENCH_BEFORE RTF_BENCH_AFTER [ROUNDS] [FILTER]}
rounds=${3:-5}
filter=${4:-^(readRtf|tokenizeRtf|writeRtf)/}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ((round = 0; round < rounds; round++)); do
    for side in before after; do
        "${!side}" --benchmark_filter="$filter" >"$work/$side.$round.txt" 2>&1
    done
done

python3 - "$work" "$rounds" <<'PY'
import re, statistics, sys
from collections import defaultdict

work, rounds = sys.argv[1], int(sys.argv[2])
figures = {"before": defaultdict(list), "after": defaultdict(list)}
for side, runs in figures.items():
    for round in range(rounds):
        for line in open(f"{work}/{side}.{round}.txt"):
            # name/iterations:N/repeats:N_median  TIME ms  CPU ms ...
            found = re.match(r"(\w+)/\S*_median\s+\S+ ms\s+(\S+) ms", line)
            if found:
                runs[found.group(1)].append(float(found.group(2)))
            elif "rtfconv" in line or "unrtf" in line:
                print(f"{side} round {round}: {line.strip()}")
for name in sorted(set(figures["before"]) | set(figures["after"])):
    cells = []
    for side in ("before", "after"):
        times = figures[side].get(name)
        cells.append(f"{statistics.median(times):8.1f} ms" if times else "       -   ")
    ratio = ""
    if figures["before"].get(name) and figures["after"].get(name):
        ratio = f"{statistics.median(figures['before'][name]) / statistics.median(figures['after'][name]):.2f}x"
    print(f"{name:14} before {cells[0]}  after {cells[1]}  {ratio}")
PY
