#!/usr/bin/env python3
"""Draws the program's icon, the two pictures of the Other Products dialog and the sample images.

Writes, beside this script:
  tessellor.ico  the program icon, 32 x 32, 16 x 16 and 48 x 48, 32-bit with an AND mask, and
                 256 x 256 as PNG (the form Windows Vista and later read for that size)
  tilecraft.bmp  297 x 142, 8-bit (256 colours): a round mosaic of coloured tiles
  quiltwork.bmp  370 x 51, 4-bit (16 colours): a strip of tessellating triangles
  samples/       a few GIF and JPG images, which `make run` starts among (the build copies them),
                 so that a first page shows pictures

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
import zlib

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


def png(rgba):
    """A PNG file of 8-bit RGBA rows, unfiltered."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    height, width = len(rgba), len(rgba[0])
    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rgba)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def write_ico(path, images):
    """The 256-pixel image as PNG (a bitmap that size would be 260 KiB), the others as bitmaps; the
    directory writes 256 as 0."""
    blobs = [png(rgba) if len(rgba) == 256 else icon_image(rgba) for rgba in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rgba, blob in zip(images, blobs):
        size = len(rgba) % 256
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    path.write_bytes(out + b"".join(blobs))


def lzw(indexes, min_size):
    """GIF's LZW code stream of palette indexes, packed into bytes from the low bit up."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, bits, count = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bits, count
        bits |= code << count
        count += size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8

    size, table, free = min_size + 1, {}, end + 1
    emit(clear, size)
    prefix = indexes[0]
    for index in indexes[1:]:
        if (prefix, index) in table:
            prefix = table[prefix, index]
            continue
        emit(prefix, size)
        if free < 4096:
            table[prefix, index] = free
            free += 1
            # The reader widens its codes one entry later than the writer adds them.
            if free > 1 << size and size < 12:
                size += 1
        else:
            emit(clear, size)
            size, table, free = min_size + 1, {}, end + 1
        prefix = index
    emit(prefix, size)
    emit(end, size)
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, pixels, palette):
    """A GIF89a of palette indexes with one global colour table of 2 ** bits colours."""
    height, width = len(pixels), len(pixels[0])
    bits = max(2, (len(palette) - 1).bit_length())
    palette = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF0 | (bits - 1), 0, 0)
    out += b"".join(bytes(rgb) for rgb in palette)
    out += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes([bits])
    data = lzw([i for row in pixels for i in row], bits)
    for start in range(0, len(data), 255):
        block = data[start:start + 255]
        out += bytes([len(block)]) + block
    path.write_bytes(out + b"\0;")


# The DC code lengths of the JPEG standard's luminance table (Annex K), for the categories 0 to 11.
JPEG_DC_LENGTHS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]


def huffman_codes(lengths):
    """The canonical codes of a JPEG Huffman table: symbol number -> (code, length)."""
    codes, code, symbol = [], 0, 0
    for length, count in enumerate(lengths, 1):
        for _ in range(count):
            codes.append((code, length))
            code += 1
            symbol += 1
        code <<= 1
    return codes


def write_jpg(path, tiles):
    """A baseline JPEG (JFIF, YCbCr, no subsampling) whose every 8 x 8 block is one flat colour: the
    tile of the same place in `tiles`, rows of RGB. A flat block has only its average left (8 times
    the level-shifted value, quantised by 1), so each block is its DC difference and an end of block,
    which is a one-bit code of a table of its own."""
    height, width = len(tiles) * 8, len(tiles[0]) * 8
    dc_codes = huffman_codes(JPEG_DC_LENGTHS)

    def segment(marker, data):
        return struct.pack(">BBH", 0xFF, marker, len(data) + 2) + data

    out = b"\xff\xd8" + segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    out += segment(0xDB, b"\0" + b"\1" * 64)
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + b"".join(struct.pack(">BBB", c, 0x11, 0) for c in (1, 2, 3)))
    out += segment(0xC4, b"\x00" + bytes(JPEG_DC_LENGTHS) + bytes(range(12)) + b"\x10" + bytes([1] + [0] * 15) + b"\0")
    out += segment(0xDA, b"\3" + b"".join(struct.pack(">BB", c, 0) for c in (1, 2, 3)) + b"\x00\x3f\x00")

    scan, bits, count = bytearray(), 0, 0

    def emit(code, length):
        nonlocal bits, count
        bits = (bits << length) | code
        count += length
        while count >= 8:
            byte = (bits >> (count - 8)) & 0xFF
            scan.append(byte)
            if byte == 0xFF:
                scan.append(0)
            count -= 8

    previous = [0, 0, 0]
    for row in tiles:
        for r, g, b in row:
            ycc = (0.299 * r + 0.587 * g + 0.114 * b,
                   128 - 0.168736 * r - 0.331264 * g + 0.5 * b,
                   128 + 0.5 * r - 0.418688 * g - 0.081312 * b)
            for c, value in enumerate(ycc):
                dc = 8 * (max(0, min(255, round(value))) - 128)
                difference, previous[c] = dc - previous[c], dc
                category = abs(difference).bit_length()
                emit(*dc_codes[category])
                if category:
                    emit(difference if difference > 0 else difference + (1 << category) - 1, category)
                emit(0, 1)  # end of block
    if count:
        emit((1 << (8 - count)) - 1, 8 - count)
    path.write_bytes(out + bytes(scan) + b"\xff\xd9")


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
    gap = size // 32
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


# ---------------------------------------------------------------- samples/

def hexagons():
    """Hexagons in three colours, each touching none of its own colour, with white seams."""
    width, height, radius = 192, 144, 14
    column = radius * 1.5
    row = radius * math.sqrt(3)
    pixels = [[WHITE] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            # The nearest hexagon centre, among those of the two nearest columns, and how far the
            # point is from it in the hexagon's own measure (half its height on its rim).
            best = None
            for q in (math.floor(x / column), math.floor(x / column) + 1):
                cy = y - (row / 2 if q % 2 else 0)
                r = round(cy / row)
                dx, dy = abs(x - q * column), abs(cy - r * row)
                if best is None or math.hypot(dx, dy) < best[0]:
                    best = (math.hypot(dx, dy), q, r, max(dy, (dy + math.sqrt(3) * dx) / 2))
            _, q, r, d = best
            if d < row / 2 * 0.88:
                # In axial coordinates (columns, and rows that slant with them), q + 2 * row
                # differs between neighbours.
                pixels[y][x] = (RED, YELLOW, BLUE)[(q + 2 * (r - (q - q % 2) // 2)) % 3]
    return pixels


def triangles():
    """Rows of triangles pointing up and down, the colours running along each row."""
    width, height, side = 192, 144, 24
    colours = [MAROON, RED, FUCHSIA, PURPLE, NAVY, BLUE, TEAL, GREEN]
    pixels = [[BLACK] * width for _ in range(height)]
    for y in range(height):
        band, fy = divmod(y, side)
        for x in range(width):
            u = x / (side / 2) + (band % 2)
            cell = math.floor(u)
            rising = u - cell if cell % 2 == 0 else 1 - (u - cell)
            up = (fy + 0.5) / side >= 1 - rising
            if abs((fy + 0.5) / side - (1 - rising)) > 0.06 and fy:
                pixels[y][x] = colours[(cell * 2 + up + 3 * band) % len(colours)]
    return pixels


def disc(rng):
    """A round mosaic of 24 x 18 tiles: the hue turns with the angle, the light fades to the rim."""
    tiles = []
    for ty in range(18):
        row = []
        for tx in range(24):
            mx, my = tx - 11.5, ty - 8.5
            r = math.hypot(mx, my) / 8.5
            if r > 1:
                row.append((24, 24, 32))
                continue
            hue = math.atan2(my, mx) / (2 * math.pi) + rng.uniform(-0.02, 0.02)
            row.append(hsv(hue, 0.3 + 0.6 * r, 1.0 - 0.4 * r))
        tiles.append(row)
    return tiles


def dusk(rng):
    """A sky of 24 x 18 tiles from deep blue to orange over a dark sea that mirrors it."""
    tiles = []
    for ty in range(18):
        row = []
        for tx in range(24):
            if ty < 12:
                t = ty / 11
                row.append(hsv(0.62 - 0.55 * t + rng.uniform(-0.01, 0.01), 0.8, 0.35 + 0.6 * t))
            else:
                t = (17 - ty) / 5
                sun = max(0.0, 1 - abs(tx - 11.5) / (3 + 6 * t))
                row.append(hsv(0.08, 0.8, 0.2 + 0.25 * t + 0.4 * sun * rng.uniform(0.6, 1.0)))
        tiles.append(row)
    return tiles


def main():
    write_bmp(HERE / "tilecraft.bmp", tilecraft(), PALETTE_256, 8)
    write_bmp(HERE / "quiltwork.bmp", quiltwork(), PALETTE_16, 4)
    write_ico(HERE / "tessellor.ico", [icon(32), icon(16), icon(48), icon(256)])
    samples = HERE / "samples"
    samples.mkdir(exist_ok=True)
    rng = random.Random(2026)
    write_gif(samples / "hexagons.gif", hexagons(), PALETTE_16)
    write_gif(samples / "triangles.gif", triangles(), PALETTE_16)
    write_jpg(samples / "disc.jpg", disc(rng))
    write_jpg(samples / "dusk.jpg", dusk(rng))


if __name__ == "__main__":
    main()
