#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when an #include runs against the layers: app -> ui -> {platform, output} -> playlist.

A file may include its own folder and any folder of a lower layer; platform and output stand side
by side and don't include each other. Below ui nothing includes a Qt Widgets header, so those
folders build without widgets. Tests, benchmarks and tools are not layers and are not checked.
"""
import pathlib
import re
import subprocess
import sys

LAYER = {"app": 3, "ui": 2, "platform": 1, "output": 1, "playlist": 0}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def widgets_headers():
    """The header names Qt Widgets installs (QWidget, qlabel.h, ...), from qmake's include path."""
    query = subprocess.run(["qmake6", "-query", "QT_INSTALL_HEADERS"], capture_output=True,
                           text=True, check=False)
    folder = pathlib.Path(query.stdout.strip() or "/usr/include/x86_64-linux-gnu/qt6")
    widgets = folder / "QtWidgets"
    if not widgets.is_dir():
        sys.exit(f"layer-check: no Qt Widgets headers under {folder}")
    return {p.name for p in widgets.iterdir()} | {"QtWidgets"}


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    files = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=root, capture_output=True,
                           text=True, check=True).stdout.split()
    widgets = widgets_headers()
    faults = []
    for name in files:
        layer = name.split("/", 1)[0]
        if layer not in LAYER:
            continue
        for number, line in enumerate((root / name).read_text().splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, target = match.groups()
            where = f"{name}:{number}: {target}"
            if bracket == '"':
                target_layer = target.split("/", 1)[0]
                if target_layer == layer or target_layer not in LAYER:
                    continue
                if LAYER[target_layer] >= LAYER[layer]:
                    faults.append(f"{where} ({layer} may not include {target_layer})")
            elif LAYER[layer] < LAYER["ui"] and target.split("/")[-1] in widgets:
                faults.append(f"{where} (a widget below ui)")
    for fault in faults:
        print(fault)
    if faults:
        print(f"layer-check: {len(faults)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
