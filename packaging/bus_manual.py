#!/usr/bin/python3
"""Writes the manual page's description of the bus interface from docs/bus-interface.md, so that the two say
the same and the page lists whatever that document lists.

Usage: bus_manual.py BUS_INTERFACE_MD PAGE_IN PAGE_OUT
Each line '.\\" From docs/bus-interface.md: <heading>' of PAGE_IN is replaced by the table under that "## "
heading, one .TP item a row: the first cell's names in bold with what the middle columns say of them (a
property's type and access, a method's arguments), then the last column. A heading without a table fails."""

import re
import sys
from pathlib import Path

MARKER = re.compile(r'\.\\" From docs/bus-interface\.md: (.+)')
# The few characters the document uses beyond ASCII, as roff writes them; any other fails the build.
SPECIAL = {"…": "\\&...", "µ": "\\(mc", "—": "\\(em", "°": "\\(de"}


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    text = re.sub(r"`([^`]+)`", r"\\fB\1\\fR", text)
    for character, written in SPECIAL.items():
        text = text.replace(character, written)
    if not text.isascii():
        sys.exit(f"bus_manual.py: no roff for a character of: {text}")
    return "\\&" + text if text.startswith((".", "'")) else text


def tables(markdown):
    """The rows of the first table under each "## " heading, header row included."""
    found, heading = {}, None
    for line in markdown.splitlines():
        if line.startswith("## "):
            heading = line[3:].strip()
        elif heading and line.startswith("|") and not re.fullmatch(r"[|\-\s]+", line):
            found.setdefault(heading, []).append([cell.strip() for cell in line.strip("|").split("|")])
    return found


def items(rows):
    header, lines = rows[0], []
    for row in rows[1:]:
        names = ", ".join(f"\\fB{name}\\fR" for name in re.findall(r"`([^`]+)`", row[0]))
        # A column of a kind goes in as it stands; any other is named.
        said = ", ".join(roff(cell) if header[index] in ("Type", "Access", "Arguments")
                         else f"{header[index].lower()} {roff(cell)}"
                         for index, cell in enumerate(row[1:-1], 1) if cell != "none")
        meaning = roff(row[-1]) if header[-1] == "Meaning" else f"{roff(header[-1])}: {roff(row[-1])}"
        lines += [".TP", names + (f" ({said})" if said else ""), meaning]
    return lines


def main():
    markdown, page_in, page_out = (Path(argument) for argument in sys.argv[1:4])
    found = tables(markdown.read_text(encoding="utf-8"))
    page = []
    for line in page_in.read_text(encoding="utf-8").splitlines():
        marker = MARKER.fullmatch(line)
        if marker and marker[1] not in found:
            sys.exit(f"bus_manual.py: {markdown} has no table under '## {marker[1]}'")
        page += items(found[marker[1]]) if marker else [line]
    page_out.write_text("\n".join(page) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
