#!/usr/bin/python3
"""Runs the artwork generator into a temporary folder and compares its output with the committed
images. Usage: art_reproducible.py GENERATOR RES_DIR"""

import filecmp
import subprocess
import sys
import tempfile
from pathlib import Path

from PIL import Image, ImageChops

# Pillow's releases fill the edges of a polygon a little differently (Debian 12's and Debian 13's differ by
# up to 14 levels in a few edge pixels), so images drawn by another release than the committed ones'
# may differ that much; a change of the drawing moves edges and differs by far more.
EDGE_TOLERANCE = 20


def same_drawing(drawn, committed):
    if filecmp.cmp(drawn, committed, shallow=False):
        return True
    with Image.open(drawn) as a, Image.open(committed) as b:
        if a.mode != b.mode or a.size != b.size:
            return False
        extrema = ImageChops.difference(a.convert("RGBA"), b.convert("RGBA")).getextrema()
        return max(high for _, high in extrema) <= EDGE_TOLERANCE


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
        problems += [f"differs: {p}" for p in sorted(drawn & stored) if not same_drawing(fresh / p, committed / p)]
    for problem in problems:
        print(problem)
    print(f"{len(drawn & stored)} images compared, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
