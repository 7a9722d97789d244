#!/usr/bin/env python3
"""Draws resources/LED_PICS.bmp: the LED control's eight cells, 16 colours, 24 x 52.

Two columns of 12-pixel cells (unlit, lit) by four rows of 13-pixel cells (red, green,
yellow, disabled). Every cell is the same drawing; t is the transparent key teal,
g grey, k black, o white, B the body colour, H the highlight colour.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp import parse_root, write_bmp  # noqa: E402

CELL = [
    "ttttggggtttt",
    "ttggkkkkggtt",
    "tgtkBBBBktgt",
    "tgkBBHHBBkot",
    "gkBBHBBBBBgo",
    "gkBHBBBBBBgo",
    "gkBHBBBBBBgo",
    "gkBBBBBBBBgo",
    "gkBBBBBBBBgo",
    "tgkBBBBBBgot",
    "tgtgBBBBgtot",
    "ttooggggoott",
    "ttttooootttt",
]

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, TEAL, GREY = 0, 1, 2, 3, 6, 7
RED, LIME, YELLOW, WHITE = 9, 10, 11, 15

# (body, highlight) per row, unlit then lit.
CELL_COLOURS = [
    ((MAROON, RED), (RED, WHITE)),
    ((GREEN, LIME), (LIME, WHITE)),
    ((OLIVE, YELLOW), (YELLOW, WHITE)),
    ((TEAL, WHITE), (TEAL, WHITE)),
]


def draw():
    width, height = 24, 52
    pixels = [[TEAL] * width for _ in range(height)]
    for row, pair in enumerate(CELL_COLOURS):
        for lit, (body, highlight) in enumerate(pair):
            letters = {"t": TEAL, "g": GREY, "k": BLACK, "o": WHITE, "B": body, "H": highlight}
            for y, line in enumerate(CELL):
                for x, letter in enumerate(line):
                    pixels[row * 13 + y][lit * 12 + x] = letters[letter]
    return width, height, pixels


def main(argv):
    root = parse_root(argv, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = os.path.join(root, "resources", "LED_PICS.bmp")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    width, height, pixels = draw()
    write_bmp(out, width, height, PALETTE, pixels, 4)


if __name__ == "__main__":
    main(sys.argv[1:])
