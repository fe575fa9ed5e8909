#!/usr/bin/python3
"""Runs the artwork generator into a temporary folder and compares its output with the committed
images byte for byte. Usage: art_reproducible.py GENERATOR RES_DIR"""

import filecmp
import subprocess
import sys
import tempfile
from pathlib import Path


def images(root):
    return {p.relative_to(root) for sub in ("bitmaps", "icons") for p in (root / sub).rglob("*.png")}


def main():
    generator, committed = Path(sys.argv[1]), Path(sys.argv[2])
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch)
        subprocess.run([sys.executable, str(generator), str(fresh)], check=True)
        drawn, stored = images(fresh), images(committed)
        problems = [f"not committed: {p}" for p in sorted(drawn - stored)]
        problems += [f"not drawn by the generator: {p}" for p in sorted(stored - drawn)]
        problems += [f"differs: {p}" for p in sorted(drawn & stored)
                     if not filecmp.cmp(fresh / p, committed / p, shallow=False)]
    for problem in problems:
        print(problem)
    print(f"{len(drawn & stored)} images compared, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
