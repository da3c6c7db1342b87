# SPDX-License-Identifier: MIT
"""Prints one table of the benchmark figures: measured median against the target of bench/targets.tsv.

Usage: bench_table.py TARGETS.tsv RESULT.json...
A result is Google Benchmark JSON with repetitions (wall times, targets in ms), or the one object
bench/playlist_memory_probe prints (memory of a step, named PeakMemory/<step>, its target "Nx": N
times the size of the file the step wrote or read).
Exits 0 whether or not the targets hold; the table says which do. Benchmarks without a target are
listed after the others, for context (the floors measured next to a figure).
"""
import json
import re
import sys

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
MB = 1e6


class Figure:
    """One measured figure: the value compared with the target, and how to show it."""

    def __init__(self, value, shown):
        self.value = value
        self.shown = shown


def time_figure(milliseconds):
    return Figure(milliseconds, f"{milliseconds:.2f} ms")


def memory_figure(probe):
    """Memory the step added over what the process held before it, against the file's size."""
    if not probe["done"] or probe["file_bytes"] <= 0:
        return Figure(float("inf"), "failed")
    added = probe["peak_bytes"] - probe["before_bytes"]
    ratio = added / probe["file_bytes"]
    return Figure(ratio, f"{ratio:.2f}x ({added / MB:.0f} MB for {probe['file_bytes'] / MB:.0f} MB)")


def shown_target(target, unit):
    return f"< {target:g}x file" if unit == "x" else f"< {target:g} ms"


def read_targets(path):
    targets = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            pattern, target, figure = line.rstrip("\n").split("\t")
            unit = "x" if target.endswith("x") else "ms"
            targets.append((re.compile(pattern), float(target.rstrip("x")), unit, figure))
    return targets


def read_figures(paths):
    """The figure of every benchmark, by name, in the order they ran: median wall time, or memory."""
    figures = {}
    for path in paths:
        with open(path, encoding="utf-8") as result:
            data = json.load(result)
        if "step" in data:
            figures[f"PeakMemory/{data['step']}"] = memory_figure(data)
            continue
        for run in data["benchmarks"]:
            if run.get("aggregate_name") == "median":
                milliseconds = run["real_time"] * UNIT_TO_MS[run["time_unit"]]
                figures[run["run_name"]] = time_figure(milliseconds)
    return figures


def main():
    targets = read_targets(sys.argv[1])
    figures = read_figures(sys.argv[2:])
    rows = []
    unmatched_targets = []
    listed = set()
    for pattern, target, unit, figure in targets:
        names = [name for name in figures if pattern.fullmatch(name)]
        if not names:
            unmatched_targets.append(pattern.pattern)
        for name in names:
            measured = figures[name]
            holds = "yes" if measured.value < target else "no"
            rows.append((figure, name, shown_target(target, unit), measured.shown, holds))
            listed.add(name)
    for name, measured in figures.items():
        if name not in listed:
            rows.append(("(no target)", name, "-", measured.shown, "-"))

    header = ("figure", "benchmark", "target", "measured", "holds")
    widths = [max(len(row[i]) for row in [header, *rows]) for i in range(len(header))]
    for row in [header, tuple("-" * w for w in widths), *rows]:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    for pattern in unmatched_targets:
        print(f"warning: no benchmark matches target '{pattern}'", file=sys.stderr)
    return 1 if unmatched_targets else 0


if __name__ == "__main__":
    sys.exit(main())
