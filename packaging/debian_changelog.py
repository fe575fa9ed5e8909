#!/usr/bin/python3
"""Writes CHANGELOG.md as a Debian changelog, the form Debian's tools read from a native package.

Usage: debian_changelog.py CHANGELOG.md MAINTAINER OUTPUT
Each "## <version> (<year>-<month>-<day>)" heading starts an entry; "- " lines become its items and
lines indented by two spaces continue them. Text above the first heading is left out."""

import datetime
import email.utils
import re
import sys
from pathlib import Path


def main():
    source, maintainer, output = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3])
    entries = []
    for line in source.read_text(encoding="utf-8").splitlines():
        heading = re.fullmatch(r"## (\S+) \((\d{4}-\d{2}-\d{2})\)", line)
        if heading:
            entries.append((heading[1], datetime.date.fromisoformat(heading[2]), []))
        elif entries and line.startswith("- "):
            entries[-1][2].append("  * " + line[2:])
        elif entries and line.startswith("  "):
            entries[-1][2].append("    " + line[2:])
    if not entries:
        sys.exit(f"{source}: no release heading")
    blocks = []
    for version, day, changes in entries:
        released = datetime.datetime.combine(day, datetime.time(), datetime.timezone.utc)
        blocks.append(f"tessaly ({version}) unstable; urgency=medium\n\n" + "\n".join(changes) +
                      f"\n\n -- {maintainer}  {email.utils.format_datetime(released)}\n")
    output.write_text("\n".join(blocks), encoding="utf-8")


if __name__ == "__main__":
    main()
