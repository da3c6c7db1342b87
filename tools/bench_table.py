"""Prints one table of the benchmark figures: measured median against the target of bench/targets.tsv.

Usage: bench_table.py TARGETS.tsv RESULT.json...  (Google Benchmark JSON with repetitions)
Exits 0 whether or not the targets hold; the table says which do. Benchmarks without a target are
listed after the others, for context (the floors measured next to a figure).
"""
import json
import re
import sys

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_targets(path):
    targets = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            pattern, target_ms, figure = line.rstrip("\n").split("\t")
            targets.append((re.compile(pattern), float(target_ms), figure))
    return targets


def read_medians(paths):
    """Median wall time in ms of every benchmark, by name, in the order they ran."""
    medians = {}
    for path in paths:
        with open(path, encoding="utf-8") as result:
            for run in json.load(result)["benchmarks"]:
                if run.get("aggregate_name") == "median":
                    medians[run["run_name"]] = run["real_time"] * UNIT_TO_MS[run["time_unit"]]
    return medians


def main():
    targets = read_targets(sys.argv[1])
    medians = read_medians(sys.argv[2:])
    rows = []
    unmatched_targets = []
    listed = set()
    for pattern, target_ms, figure in targets:
        names = [name for name in medians if pattern.fullmatch(name)]
        if not names:
            unmatched_targets.append(pattern.pattern)
        for name in names:
            holds = "yes" if medians[name] < target_ms else "no"
            rows.append((figure, name, f"< {target_ms:g} ms", f"{medians[name]:.2f} ms", holds))
            listed.add(name)
    for name, median in medians.items():
        if name not in listed:
            rows.append(("(no target)", name, "-", f"{median:.2f} ms", "-"))

    header = ("figure", "benchmark", "target", "median", "holds")
    widths = [max(len(row[i]) for row in [header, *rows]) for i in range(len(header))]
    for row in [header, tuple("-" * w for w in widths), *rows]:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    for pattern in unmatched_targets:
        print(f"warning: no benchmark matches target '{pattern}'", file=sys.stderr)
    return 1 if unmatched_targets else 0


if __name__ == "__main__":
    sys.exit(main())
