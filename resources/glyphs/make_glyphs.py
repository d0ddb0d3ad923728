#!/usr/bin/env python3
"""Writes the glyph bitmaps of the browsing lists from their pixel pictures.

Each NAME.txt beside this script holds one picture, a line per pixel row from top to bottom, one
character per pixel (see PALETTE). It becomes ../NAME.bmp, an uncompressed 4-bit (16-colour)
Windows bitmap with the standard 16-colour palette. The background is pure blue, so the bottom-left
pixel, which the lists draw as transparent, is blue.

Run: python3 resources/glyphs/make_glyphs.py
"""
import pathlib
import struct
import sys

# The standard 16-colour palette, in its usual order, and the character that stands for each colour.
PALETTE = [
    ("k", (0, 0, 0)),        # black
    ("m", (128, 0, 0)),      # maroon
    ("G", (0, 128, 0)),      # green
    ("o", (128, 128, 0)),    # olive
    ("n", (0, 0, 128)),      # navy
    ("p", (128, 0, 128)),    # purple
    ("t", (0, 128, 128)),    # teal
    ("s", (192, 192, 192)),  # silver
    ("g", (128, 128, 128)),  # grey
    ("r", (255, 0, 0)),      # red
    ("l", (0, 255, 0)),      # lime
    ("y", (255, 255, 0)),    # yellow
    (".", (0, 0, 255)),      # blue: the transparent background
    ("f", (255, 0, 255)),    # fuchsia
    ("c", (0, 255, 255)),    # aqua
    ("w", (255, 255, 255)),  # white
]
INDEX = {char: i for i, (char, _) in enumerate(PALETTE)}

# Name of the picture, and the size it must have.
GLYPHS = {
    "closedfolder": (16, 15),
    "openfolder": (16, 15),
    "currentfolder": (16, 15),
    "executable": (16, 15),
    "unknownfile": (16, 15),
    "floppy": (16, 11),
    "hard": (16, 11),
    "network": (16, 11),
    "cdrom": (16, 11),
    "ram": (16, 11),
}


def read_picture(path, width, height):
    rows = [line.rstrip("\n") for line in path.read_text().splitlines() if line.strip()]
    if len(rows) != height:
        sys.exit(f"{path.name}: {len(rows)} rows, expected {height}")
    for number, row in enumerate(rows, 1):
        if len(row) != width:
            sys.exit(f"{path.name} row {number}: {len(row)} pixels, expected {width}")
        unknown = set(row) - INDEX.keys()
        if unknown:
            sys.exit(f"{path.name} row {number}: unknown colours {sorted(unknown)}")
    if rows[-1][0] != ".":
        sys.exit(f"{path.name}: the bottom-left pixel must be the blue background")
    return rows


def bmp_bytes(rows, width, height):
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for x in range(0, width, 2):
            high = INDEX[row[x]]
            low = INDEX[row[x + 1]] if x + 1 < width else 0
            line.append(high << 4 | low)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main():
    here = pathlib.Path(__file__).resolve().parent
    for name, (width, height) in GLYPHS.items():
        rows = read_picture(here / f"{name}.txt", width, height)
        (here.parent / f"{name}.bmp").write_bytes(bmp_bytes(rows, width, height))
    print(f"wrote {len(GLYPHS)} glyphs")


if __name__ == "__main__":
    main()
