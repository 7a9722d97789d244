#!/usr/bin/env python3
"""Draws resources/CHECK_GLYPH.bmp: the 13 x 13 check mark of the quick menu's options.

Black strokes on the teal key colour, which the menu button shows as transparent.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp import parse_root, write_bmp  # noqa: E402

MARK = [
    ".............",
    ".............",
    "..........#..",
    ".........##..",
    "........###..",
    "..#....###...",
    "..##..###....",
    "..#######....",
    "...#####.....",
    "....###......",
    ".....#.......",
    ".............",
    ".............",
]
PALETTE = [(0, 128, 128), (0, 0, 0)]


def main(argv):
    root = parse_root(argv, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = os.path.join(root, "resources", "CHECK_GLYPH.bmp")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    pixels = [[1 if c == "#" else 0 for c in row] for row in MARK]
    write_bmp(out, 13, 13, PALETTE, pixels, 1)


if __name__ == "__main__":
    main(sys.argv[1:])
