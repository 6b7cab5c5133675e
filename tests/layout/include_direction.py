#!/usr/bin/env python3
"""Checks the direction of use between the program's folders: every
#include in a folder's files must name a file of the same folder or of one
the folder may use. Usage: include_direction.py SOURCE_ROOT. Prints one line
per include against the direction (file:line: the include and the rule it
breaks) and fails if there is any."""

import os
import re
import sys

# What the files of each folder may include besides their own folder's
# files: whole folders, or single files (a path with a file name). A
# subfolder counts as its top folder (chart/demo is chart). Folders not
# listed here (tests, bench) may include anything and are not checked.
ANY = "anything"
MAY_USE = {
    "app": ANY,
    "history": ("recording", "chart", "toolkit"),
    "recording": ("chart", "toolkit"),
    "desktop": ("toolkit",),
    "chart": ("toolkit",),
    "toolkit": (),
    "hooklib": ("toolkit/Handle.h",),
}

SOURCE_SUFFIXES = (".h", ".hpp", ".inl", ".c", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def relative(path, root):
    return os.path.relpath(path, root).replace(os.sep, "/")


def resolve(root, including_file, quote, name):
    """The repository file an include names, as the compiler finds it: a
    quoted name first beside the including file, then (quoted or not) from
    the source root, the one include folder of the program's code. None for
    a file from elsewhere (the system's, the build folder's)."""
    candidates = [os.path.join(root, name)]
    if quote == '"':
        candidates.insert(0, os.path.join(os.path.dirname(including_file), name))
    for candidate in candidates:
        if os.path.isfile(candidate):
            found = relative(os.path.realpath(candidate), os.path.realpath(root))
            return None if found.startswith("../") else found
    return None


def allowed(folder, target):
    rule = MAY_USE[folder]
    if rule == ANY or target.split("/")[0] == folder:
        return True
    return any(target == entry or target.startswith(entry + "/") for entry in rule)


def describe(rule):
    if rule == ANY:
        return "anything"
    return ", ".join(rule) if rule else "nothing of ours"


def source_files(root):
    for folder in MAY_USE:
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, folder)):
            dirnames.sort()
            for filename in sorted(filenames):
                if filename.endswith(SOURCE_SUFFIXES):
                    yield folder, os.path.join(dirpath, filename)


def violations(root):
    """(file count, the lines that break the direction of use)."""
    found = []
    count = 0
    for folder, path in source_files(root):
        count += 1
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, start=1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                quote, name = match.groups()
                target = resolve(root, path, quote, name)
                if target is None or allowed(folder, target):
                    continue
                closing = '"' if quote == '"' else ">"
                found.append(f"{relative(path, root)}:{number}: #include {quote}{name}{closing}: "
                             f"{folder} may not use {target} "
                             f"({folder} may use {describe(MAY_USE[folder])})")
    return count, found


def main(argv):
    if len(argv) != 2:
        print("usage: include_direction.py SOURCE_ROOT", file=sys.stderr)
        return 2
    root = argv[1]
    count, found = violations(root)
    if count == 0:
        # A wrong root must not pass as a clean tree.
        print(f"no source files under {', '.join(MAY_USE)} in {root}", file=sys.stderr)
        return 2
    for line in found:
        print(line)
    if found:
        print(f"includes against the direction of use: {len(found)}, in {count} files checked")
        return 1
    print(f"{count} files, every include in the direction of use")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
