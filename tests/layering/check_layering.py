#!/usr/bin/env python3
"""Fails on an include that runs against the direction the libraries link in, and on a property's name
spelled outside the one table of properties.

Every folder of the tree is a library that may use only the folders below it. The include root is the whole
tree, so the compiler alone would let an upward include through; this check does not.
Usage: check_layering.py SOURCE_ROOT
"""
import pathlib
import re
import sys

# What each folder may include besides itself. ctl, the bus client, sees the bus's names and what the values
# mean, headers alone, and nothing else.
ALLOWED = {
    "state": set(),
    "companion": set(),
    "device": {"state", "companion"},
    "core": {"device", "state"},
    "sound": {"device", "state"},
    "web": {"state"},
    "bus": {"core", "sound", "web", "device", "state"},
    "service": {"bus", "core", "sound", "web", "device", "state"},
    "res": set(),
    "skin": {"res"},
    "panels": {"skin", "res", "core", "state"},
    "app": {"service", "panels", "skin", "res", "bus", "core", "sound", "device", "state", "web"},
    "ctl": {
        "bus/BusNames.h",
        "state/TransmitterValues.h",
        "state/Properties.h",
        "state/PropertyValues.h",
        "state/SoundStateValue.h",
        "state/HearingLimits.h",
        "state/HearingWords.h",
        "state/HearingTexts.h",
        "state/PersonText.h",
        "state/PersonTextMatch.h",
        "state/Translations.h",
        "state/Frequency.h",
        "state/Power.h",
    },
}
TABLE = "state/Properties.h"
ROW = re.compile(r'inline constexpr Row \w+\{\s*\.name = "(\w+)"')
# The same word meaning something else: an HTTP header.
ELSEWHERE = {("web/HttpHead.cpp", "Connection"), ("web/WebServer.cpp", "Connection")}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.MULTILINE)


def violations(root):
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in {".h", ".c", ".cpp"}:
                continue
            for target, rest in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if target != folder and target not in allowed and f"{target}/{rest}" not in allowed:
                    yield f"{path.relative_to(root)}: includes {target}/{rest}, above or beside {folder}/"


def spelled_names(root):
    names = ROW.findall((root / TABLE).read_text(encoding="utf-8"))
    literal = re.compile(r'"(%s)"' % "|".join(names))
    # res/ holds the windows' own labels, which name the controls as people read them.
    for folder in set(ALLOWED) - {"res"}:
        for path in sorted((root / folder).rglob("*")):
            relative = str(path.relative_to(root))
            if path.suffix not in {".h", ".c", ".cpp"} or relative == TABLE:
                continue
            for name in literal.findall(path.read_text(encoding="utf-8")):
                if (relative, name) not in ELSEWHERE:
                    yield f"{relative}: spells the property {name}, which only {TABLE} names"


def main():
    root = pathlib.Path(sys.argv[1])
    found = list(violations(root)) + list(spelled_names(root))
    for line in found:
        print(line)
    print(f"{len(ALLOWED)} folders checked, {len(found)} includes against the link direction or names spelled twice")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
