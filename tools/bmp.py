"""Minimal writer of uncompressed palette BMP files (1, 4 or 8 bits per pixel).

The generators of the program's bitmaps use it so that their output is plain,
deterministic bytes that Qt's BMP reader loads.
"""
import struct


def write_bmp(path, width, height, palette, pixels, bits):
    """Writes a bottom-up palette BMP.

    palette: list of (r, g, b), at most 2**bits entries.
    pixels: list of rows, top row first, each a list of palette indexes.
    bits: 1, 4 or 8.
    """
    assert bits in (1, 4, 8)
    assert len(palette) <= 1 << bits
    assert len(pixels) == height and all(len(row) == width for row in pixels)
    colours = 1 << bits
    pal = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    row_bytes = ((width * bits + 31) // 32) * 4
    image = bytearray()
    for row in reversed(pixels):
        packed = bytearray(row_bytes)
        for x, index in enumerate(row):
            assert 0 <= index < colours
            bit = x * bits
            shift = 8 - bits - (bit % 8)
            packed[bit // 8] |= index << shift
        image += packed
    header_size = 14 + 40 + 4 * colours
    file_size = header_size + len(image)
    out = bytearray()
    out += struct.pack("<2sIHHI", b"BM", file_size, 0, 0, header_size)
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835, colours, 0)
    for r, g, b in pal:
        out += struct.pack("<BBBB", b, g, r, 0)
    out += image
    with open(path, "wb") as f:
        f.write(out)


def parse_root(argv, default_root):
    """The --root DIR argument that every generator accepts."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=default_root,
                        help="tree to write into (default: the repository)")
    return parser.parse_args(argv).root
