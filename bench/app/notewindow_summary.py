"""The medians of bench_note_window's JSON reports of two sides, SIDE.ROUND.json in WORK, side by
side with the ratio of the first to the second.
    notewindow_summary.py WORK ROUNDS FIRST SECOND
"""
import json, statistics, sys
from collections import defaultdict

work, rounds, first, second = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
figures = {first: defaultdict(list), second: defaultdict(list)}
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
                               if key.endswith("_ms") or key in ("frames", "accessible")})
                for figure, value in values.items():
                    if (name, figure) not in order:
                        order.append((name, figure))
                    figures[side][(name, figure)].append(value)

print(f"{'case':<44} {'figure':<14} {first:>10} {second:>10} {'ratio':>8}")
for key in order:
    old, new = figures[first].get(key), figures[second].get(key)
    if not old or not new:
        continue
    old, new = statistics.median(old), statistics.median(new)
    ratio = f"{old / new:7.2f}x" if new > 0 else "      -"
    print(f"{key[0]:<44} {key[1]:<14} {old:10.2f} {new:10.2f} {ratio}")
