#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a test run changed what belongs to the machine or to the user running it.

`record STATE` runs before every test and `check STATE` after the last (a ctest fixture); check
fails, naming each change, when:
- a device node the tests could be tempted to write to (/dev/null, /dev/full, ...) is no longer
  the same character device;
- the user's own settings, kept playlist, cache or runtime files of the program changed, appeared
  or went (tests have folders of their own);
- a temporary folder of a test executable was left behind.
"""
import hashlib
import json
import os
import pathlib
import stat
import sys
import tempfile

DEVICES = ["/dev/null", "/dev/full", "/dev/zero", "/dev/random", "/dev/urandom"]
# QTemporaryDir names its folders after the program that makes them.
TEMPORARY_PREFIXES = ("core_tests-", "main_window_tests-", "readers_tests-",
                      "entry_round_trip_tests-", "command_line_tests-", "media_tags_tests-",
                      "output_tests-", "write_playlist_probe-", "lyrantel-",
                      # Qt's runtime folder when XDG_RUNTIME_DIR is unset
                      "runtime-")


def user_folder(variable, default):
    value = os.environ.get(variable)
    return pathlib.Path(value) if value else pathlib.Path.home() / default


def user_paths():
    """The program's own places in the user's folders, as the program finds them."""
    paths = [user_folder("XDG_CONFIG_HOME", ".config") / "Lyrantel",
             user_folder("XDG_DATA_HOME", ".local/share") / "lyrantel",
             user_folder("XDG_CACHE_HOME", ".cache") / "lyrantel"]
    runtime = os.environ.get("XDG_RUNTIME_DIR")
    if runtime and os.path.isdir(runtime):
        paths += sorted(p for p in pathlib.Path(runtime).iterdir()
                        if p.name.lower().startswith("lyrantel"))
    return paths


def describe(path):
    """Type, mode and content of one path, without following a link."""
    try:
        info = os.lstat(path)
    except FileNotFoundError:
        return "absent"
    kind = stat.S_IFMT(info.st_mode)
    text = f"mode {info.st_mode:o} owner {info.st_uid}:{info.st_gid}"
    if stat.S_ISREG(kind):
        digest = hashlib.sha256(pathlib.Path(path).read_bytes()).hexdigest()
        return f"{text} file {digest}"
    if stat.S_ISLNK(kind):
        return f"{text} link to {os.readlink(path)}"
    if stat.S_ISCHR(kind):
        return f"{text} character device {os.major(info.st_rdev)},{os.minor(info.st_rdev)}"
    return text


def tree(root):
    found = {str(root): describe(root)}
    if root.is_dir() and not root.is_symlink():
        for folder, names, files in os.walk(root):
            for name in names + files:
                path = os.path.join(folder, name)
                found[path] = describe(path)
    return found


def snapshot():
    state = {device: describe(device) for device in DEVICES}
    for path in user_paths():
        state.update(tree(path))
    temporary = tempfile.gettempdir()
    state["temporary folders"] = sorted(
        name for name in os.listdir(temporary) if name.startswith(TEMPORARY_PREFIXES))
    return state


def check(before, after):
    faults = []
    for device in DEVICES:
        if "character device" not in after[device] and "character device" in before[device]:
            faults.append(f"{device} is no longer a character device: {after[device]}")
        elif after[device] != before[device]:
            faults.append(f"{device} changed: {before[device]} -> {after[device]}")
    for path in sorted(set(before) | set(after)):
        if path in DEVICES or path == "temporary folders":
            continue
        was, now = before.get(path, "absent"), after.get(path, "absent")
        if was != now:
            faults.append(f"{path} changed: {was} -> {now}")
    left = sorted(set(after["temporary folders"]) - set(before["temporary folders"]))
    if left:
        faults.append(f"left in {tempfile.gettempdir()}: {', '.join(left)}")
    return faults


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("record", "check"):
        sys.exit("usage: machine_guard.py record|check STATE")
    state_file = pathlib.Path(sys.argv[2])
    if sys.argv[1] == "record":
        state_file.write_text(json.dumps(snapshot(), indent=1))
        return 0
    faults = check(json.loads(state_file.read_text()), snapshot())
    for fault in faults:
        print(fault)
    if faults:
        print(f"machine_guard: the tests changed {len(faults)} thing(s) outside their own folders",
              file=sys.stderr)
        return 1
    print("machine_guard: devices, the user's own files and the temporary folder as they were")
    return 0


if __name__ == "__main__":
    sys.exit(main())
