#!/usr/bin/env python3
"""Draws the flag pictures shown beside each language in the settings dialog.

Writes Languages/<Id>.bmp (16 x 12 pixels, 24-bit uncompressed BMP) for English, Czech and
Slovak. With --preview DIR it also writes enlarged PNG copies there for looking at them.

Usage: tools/flags/make_flags.py [--preview DIR]
"""

import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 16, 12
SUPERSAMPLE = 8

WHITE = (255, 255, 255)
UK_BLUE = (1, 33, 105)
UK_RED = (200, 16, 46)
CZ_BLUE = (17, 69, 126)
CZ_RED = (215, 20, 26)
SK_BLUE = (11, 78, 162)
SK_RED = (238, 28, 37)


def united_kingdom():
    """Union flag, simplified: the saltires keep their white fimbriation, the red saltire is
    centred (not counterchanged) so that it stays readable at this size."""

    def colour_at(x, y):
        # x, y in flag units: 0..16 by 0..12
        cx, cy = WIDTH / 2, HEIGHT / 2
        # St George's cross: red 2 px, white border 1 px each side.
        if abs(y - cy) < 1.0 or abs(x - cx) < 1.0:
            return UK_RED
        if abs(y - cy) < 2.0 or abs(x - cx) < 2.0:
            return WHITE
        # Saltires along both diagonals; distance measured across the diagonal.
        diag = (WIDTH ** 2 + HEIGHT ** 2) ** 0.5
        d1 = abs(HEIGHT * x - WIDTH * y) / diag
        d2 = abs(HEIGHT * x + WIDTH * y - WIDTH * HEIGHT) / diag
        d = min(d1, d2)
        if d < 0.55:
            return UK_RED
        if d < 1.45:
            return WHITE
        return UK_BLUE

    return render(colour_at)


def czech_republic():
    """White over red with a blue wedge from the hoist reaching half the length."""

    def colour_at(x, y):
        half = HEIGHT / 2
        if x < (WIDTH / 2) * (1 - abs(y - half) / half):
            return CZ_BLUE
        return WHITE if y < half else CZ_RED

    return render(colour_at)


# Slovak coat of arms drawn pixel by pixel: white-edged shield, red field, white double cross
# standing on three blue hills. '.' leaves the flag's stripe showing.
SK_SHIELD = [
    "WWWWWWWWW",
    "WRRRWRRRW",
    "WRRWWWRRW",
    "WRRRWRRRW",
    "WRWWWWWRW",
    "WRRRWRRRW",
    "WRRBWBRRW",
    "WBBBBBBBW",
    ".WBBBBBW.",
    "..WWWWW..",
]
SK_SHIELD_LEFT, SK_SHIELD_TOP = 2, 1


def slovakia():
    """White, blue and red stripes with the coat of arms towards the hoist."""
    pixels = []
    for y in range(HEIGHT):
        stripe = WHITE if y < 4 else SK_BLUE if y < 8 else SK_RED
        pixels.append([stripe] * WIDTH)
    palette = {"W": WHITE, "R": SK_RED, "B": SK_BLUE}
    for row, line in enumerate(SK_SHIELD):
        for col, code in enumerate(line):
            if code != ".":
                pixels[SK_SHIELD_TOP + row][SK_SHIELD_LEFT + col] = palette[code]
    return pixels


def render(colour_at):
    """Samples colour_at on a fine grid inside every pixel and keeps the colour that covers the
    most of it, so that edges stay crisp and no blended colours appear."""
    pixels = []
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            votes = {}
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    c = colour_at(px + (sx + 0.5) / SUPERSAMPLE, py + (sy + 0.5) / SUPERSAMPLE)
                    votes[c] = votes.get(c, 0) + 1
            row.append(max(votes.items(), key=lambda kv: kv[1])[0])
        pixels.append(row)
    return pixels


def bmp_bytes(pixels):
    height, width = len(pixels), len(pixels[0])
    row_size = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        image += line
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image),
                              2835, 2835, 0, 0)
    return file_header + info_header + bytes(image)


def png_bytes(pixels, scale):
    height, width = len(pixels) * scale, len(pixels[0]) * scale
    raw = bytearray()
    for row in pixels:
        line = bytearray(b"\0")
        for colour in row:
            line += bytes(colour) * scale
        raw += bytes(line) * scale

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


FLAGS = {"English": united_kingdom, "Czech": czech_republic, "Slovak": slovakia}


def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
    elif len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out_dir = os.path.join(root, "Languages")
    for language, draw in FLAGS.items():
        pixels = draw()
        with open(os.path.join(out_dir, language + ".bmp"), "wb") as f:
            f.write(bmp_bytes(pixels))
        if preview:
            os.makedirs(preview, exist_ok=True)
            with open(os.path.join(preview, language + ".png"), "wb") as f:
                f.write(png_bytes(pixels, 20))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
