#!/usr/bin/env python3
"""Prints the benchmark's table from the output of its runs: RESULTS_DIR ITERATIONS.

Each run's output holds "name value" lines; a figure is the median over the runs of each run's
value (for click and article times, the run's median over its iterations).
Exit status 0 when every target is met, 1 otherwise.
"""
import glob
import os
import re
import statistics
import sys

RATIO_TARGET = 1.05
SHOWN_TARGET = 0.50
GROWTH_TARGET = 10.0


def read_run(path):
    values, series = {}, {}
    with open(path) as f:
        for line in f:
            name, _, value = line.strip().partition(" ")
            if name in ("click", "article", "reclick"):
                series.setdefault(name, []).append(float(value))
            elif name:
                values[name] = float(value)
    run = dict(values)
    run["click"] = statistics.median(series["click"])
    run["article"] = statistics.median(series["article"])
    run["growth"] = (values["pss_end"] - values["pss_20"]) / values["pss_20"] * 100.0
    run["reclicks"] = len(series.get("reclick", []))
    return run


def read_program(results, name):
    paths = sorted(glob.glob(os.path.join(results, name + "-*.out")),
                   key=lambda p: int(re.search(r"-(\d+)\.out$", p).group(1)))
    return [read_run(p) for p in paths]


def median(runs, key):
    return statistics.median(run[key] for run in runs)


def main():
    results, iterations = sys.argv[1], sys.argv[2]
    reader, baseline = read_program(results, "lumora"), read_program(results, "baseline")
    rows = [
        ("Start to window shown (ms)", "shown", SHOWN_TARGET),
        ("Start to both panes' placeholder completed (ms)", "panes", RATIO_TARGET),
        ("PSS after start-up (MiB)", "pss_start", RATIO_TARGET),
        ("Category click to headline page completed (ms)", "click", RATIO_TARGET),
        ("New-window link to article completed (ms)", "article", RATIO_TARGET),
        (f"PSS after {iterations} switches and {iterations} articles (MiB)", "pss_end", RATIO_TARGET),
    ]
    met = True
    print(f"Median of {len(reader)} runs each, measured in the same session.\n")
    print("| Figure | Lumora | Baseline | Lumora / baseline | Target | |")
    print("|---|---:|---:|---:|---|---|")
    for title, key, target in rows:
        ours, theirs = median(reader, key), median(baseline, key)
        ratio = ours / theirs
        ok = ratio <= target
        met &= ok
        print(f"| {title} | {ours:.1f} | {theirs:.1f} | {ratio:.2f} | ≤ {target:.2f} | {'met' if ok else 'NOT MET'} |")
    ours, theirs = median(reader, "growth"), median(baseline, "growth")
    ok = ours <= GROWTH_TARGET
    met &= ok
    print(f"| PSS growth from switch 20 to {iterations} (%) | {ours:+.1f} | {theirs:+.1f} | | "
          f"≤ {GROWTH_TARGET:.0f} % | {'met' if ok else 'NOT MET'} |")
    reclicks = sum(run["reclicks"] for run in reader), sum(run["reclicks"] for run in baseline)
    if any(reclicks):
        print(f"\nLinks clicked again after a dropped click: Lumora {reclicks[0]}, baseline {reclicks[1]}.")
    print("\nEvery target met." if met else "\nSome targets are not met.")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
