#!/usr/bin/env python3
"""Draws the program's icon and the two pictures of the Other Products dialog.

Writes, beside this script:
  tessellor.ico  the program icon, 32 x 32 and 16 x 16, 32-bit with an AND mask
  tilecraft.bmp  297 x 142, 8-bit (256 colours): a round mosaic of coloured tiles
  quiltwork.bmp  370 x 51, 4-bit (16 colours): a strip of tessellating triangles

Everything is computed here; the output is the same on every run. The dialog lays text over two
places of these pictures, so those stay black: the lower right corner of tilecraft.bmp (the web
address) and the upper left band of quiltwork.bmp (the subtitle).

Run: python3 resources/make_pictures.py
"""
import colorsys
import math
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent


# ---------------------------------------------------------------- file formats

def bmp_rows(pixels, width, bits):
    """The pixel rows bottom-up, each padded to four bytes; pixels are palette indexes."""
    out = bytearray()
    for row in reversed(pixels):
        if bits == 8:
            data = bytes(row)
        else:
            data = bytes((row[x] << 4) | (row[x + 1] if x + 1 < width else 0) for x in range(0, width, 2))
        out += data + b"\0" * (-len(data) % 4)
    return bytes(out)


def write_bmp(path, pixels, palette, bits):
    height, width = len(pixels), len(pixels[0])
    colours = 1 << bits
    assert len(palette) <= colours
    palette = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    data = bmp_rows(pixels, width, bits)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, colours, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    path.write_bytes(header + info + table + data)


def icon_image(rgba):
    """One icon image: BITMAPINFOHEADER (double height), 32-bit BGRA rows, then the AND mask."""
    size = len(rgba)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(rgba) for (r, g, b, a) in row)
    mask = bytearray()
    for row in reversed(rgba):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (size - 1 - x)
        line = bits.to_bytes((size + 7) // 8, "big")
        mask += line + b"\0" * (-len(line) % 4)
    return info + colour + bytes(mask)


def write_ico(path, images):
    blobs = [icon_image(rgba) for rgba in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rgba, blob in zip(images, blobs):
        size = len(rgba)
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    path.write_bytes(out + b"".join(blobs))


# ---------------------------------------------------------------- colours

def hsv(h, s, v):
    r, g, b = colorsys.hsv_to_rgb(h % 1.0, max(0.0, min(1.0, s)), max(0.0, min(1.0, v)))
    return (round(r * 255), round(g * 255), round(b * 255))


# 256 colours: a 6 x 6 x 6 colour cube and 40 greys.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
GREYS = [(round(i * 255 / 41),) * 3 for i in range(1, 41)]
PALETTE_256 = CUBE + GREYS


def nearest(palette, rgb):
    return min(range(len(palette)), key=lambda i: sum((p - c) ** 2 for p, c in zip(palette[i], rgb)))


# The standard 16 colours, in their usual order.
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)


# ---------------------------------------------------------------- tilecraft.bmp

def tilecraft():
    """Square tiles set in a disc: the hue turns with the angle, light fades towards the rim, a few
    tiles are missing and the grout is dark. Beside the disc a trail of smaller tiles runs out to the
    right and thins away before the lower right corner."""
    width, height = 297, 142
    rng = random.Random(1701)
    black = nearest(PALETTE_256, (0, 0, 0))
    grout = nearest(PALETTE_256, (40, 40, 40))
    pixels = [[black] * width for _ in range(height)]

    def tile(x0, y0, size, rgb):
        index = nearest(PALETTE_256, rgb)
        for y in range(y0, min(y0 + size, height)):
            for x in range(x0, min(x0 + size, width)):
                edge = x == x0 or y == y0 or x == x0 + size - 1 or y == y0 + size - 1
                pixels[y][x] = grout if edge else index

    cx, cy, radius = 74, 71, 66
    step = 11
    for ty in range(cy - radius - step, cy + radius + step, step):
        for tx in range(cx - radius - step, cx + radius + step, step):
            mx, my = tx + step / 2 - cx, ty + step / 2 - cy
            r = math.hypot(mx, my)
            if r > radius or tx < 0 or ty < 0 or rng.random() < 0.06:
                continue
            hue = math.atan2(my, mx) / (2 * math.pi) + rng.uniform(-0.02, 0.02)
            tile(tx, ty, step, hsv(hue, 0.35 + 0.6 * r / radius, 1.0 - 0.45 * r / radius))

    # The trail: two waves of tiles that shrink, cool and thin out towards the right.
    for wave in range(2):
        x = cx + radius + 6
        while x < width - 8:
            t = (x - cx - radius) / (width - cx - radius)
            size = max(3, round(10 - 7 * t))
            y = round(cy - 20 * t + (16 - 10 * t) * math.sin(x / 15.0 + wave * math.pi) - size / 2)
            if rng.random() > 0.15 + 0.5 * t and 0 <= y and y + size < 96:
                tile(x, y, size, hsv(0.5 + 0.3 * t + 0.1 * wave, 0.65, 0.95 - 0.35 * t))
            x += size + 1
    return pixels


# ---------------------------------------------------------------- quiltwork.bmp

def quiltwork():
    """Triangles in two rows that fill the strip without gaps, outlined in grey; the colours run in
    a repeating pattern. The top 14 rows stay black at the left, where the subtitle stands, and carry
    a thin rule further right."""
    width, height = 370, 51
    top = 15
    pixels = [[BLACK] * width for _ in range(height)]
    for x in range(170, width):
        pixels[6][x] = GREY if (x // 3) % 2 else TEAL
    colours = [NAVY, BLUE, TEAL, AQUA, SILVER, AQUA, TEAL, BLUE]
    side = 18  # a triangle is 18 wide and 18 high; row one and row two make the band
    for row in range(2):
        y0 = top + row * side
        for y in range(y0, min(y0 + side, height)):
            fy = (y - y0 + 0.5) / side  # 0 at the top edge of the row, 1 at the bottom
            for x in range(width):
                # Down-pointing triangles at even half steps, up-pointing ones in between.
                u = x / (side / 2) + (row % 2)
                cell = math.floor(u)
                frac = u - cell
                rising = frac if cell % 2 == 0 else 1 - frac
                inside_up = fy >= 1 - rising
                index = cell * 2 + (1 if inside_up else 0)
                distance = abs(fy - (1 - rising))
                if distance < 0.07 or y == y0:
                    pixels[y][x] = GREY
                else:
                    pixels[y][x] = colours[(index + 3 * row) % len(colours)]
    return pixels


# ---------------------------------------------------------------- tessellor.ico

def icon(size):
    """A diamond of square tiles in a turning gradient on a transparent ground."""
    cells = 5
    gap = 1 if size >= 32 else 0
    cell = size / cells
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = int(x // cell), int(y // cell)
            inside_x = x - cx * cell
            inside_y = y - cy * cell
            in_diamond = abs(cx - 2) + abs(cy - 2) <= 2
            on_gap = gap and (inside_x < gap or inside_y < gap)
            if not in_diamond or on_gap:
                row.append((0, 0, 0, 0))
                continue
            hue = 0.52 + 0.09 * (cx + cy)
            light = 1.0 - 0.25 * (inside_y / cell)
            r, g, b = hsv(hue, 0.75, light)
            row.append((r, g, b, 255))
        rows.append(row)
    return rows


def main():
    write_bmp(HERE / "tilecraft.bmp", tilecraft(), PALETTE_256, 8)
    write_bmp(HERE / "quiltwork.bmp", quiltwork(), PALETTE_16, 4)
    write_ico(HERE / "tessellor.ico", [icon(32), icon(16)])


if __name__ == "__main__":
    main()
