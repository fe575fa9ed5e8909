#!/usr/bin/env python3
"""Fails on a room grown too big: a product class pair (NAME.h with NAME.cpp) of more than 400 lines, or a
function of more than 60 lines between its braces.

A function is taken as clang-format writes one: its opening brace alone at the start of a line after its
signature, its closing brace alone at the start of a line; classes, enums and namespaces are not functions.
Usage: check_sizes.py SOURCE_ROOT
"""
import pathlib
import re
import sys

FOLDERS = ("app", "bus", "companion", "core", "ctl", "device", "panels", "res", "service", "skin", "sound",
           "state", "web")
PAIR_LINES = 400
FUNCTION_LINES = 60
NOT_A_FUNCTION = re.compile(r"(class|struct|enum|union|namespace)\b")


def long_functions(lines):
    """(first line, body lines) of each function body longer than FUNCTION_LINES."""
    start = None
    for number, line in enumerate(lines):
        if line == "{" and start is None and number > 0 and not NOT_A_FUNCTION.match(lines[number - 1]):
            start = number
        elif line == "}" and start is not None:
            if number - start - 1 > FUNCTION_LINES:
                yield start + 1, number - start - 1
            start = None


def main():
    root = pathlib.Path(sys.argv[1])
    faults = []
    pairs = {}
    for folder in FOLDERS:
        for path in sorted((root / folder).glob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            lines = path.read_text(encoding="utf-8").split("\n")
            name = f"{folder}/{path.stem}"
            pairs[name] = pairs.get(name, 0) + len(lines)
            faults += [f"{folder}/{path.name}:{first}: a function of {length} lines"
                       for first, length in long_functions(lines)]
    faults += [f"{name}.h/.cpp: {count} lines" for name, count in pairs.items() if count > PAIR_LINES]
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
