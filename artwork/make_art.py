#!/usr/bin/env python3
"""Turn pixel-art text sources into Windows .ico/.bmp files and PNG previews.

Usage:
    make_art.py ICO source.txt out.ico          16x16 or 32x32, 4 bpp, one image
    make_art.py BMP source.txt out.bmp          4 bpp BI_RGB bitmap
    make_art.py PNG source.txt out.png SCALE    scaled preview for people

Source format: a first line "size WIDTHxHEIGHT", then HEIGHT lines of exactly
WIDTH characters, one character per pixel.  Palette (standard Windows 16-colour
VGA order; the index is the colour number written to the files):

    .  transparent (icons only; stored as index 0 with AND-mask bit 1)
    0  black    (0,0,0)          8  d grey    (128,128,128)
    1  r dark red (128,0,0)      9  R red     (255,0,0)
    2  g dark green (0,128,0)   10  G lime    (0,255,0)
    3  y olive  (128,128,0)     11  Y yellow  (255,255,0)
    4  b navy   (0,0,128)       12  B blue    (0,0,255)
    5  m purple (128,0,128)     13  M magenta (255,0,255)
    6  c teal   (0,128,128)     14  C cyan    (0,255,255)
    7  s silver (192,192,192)   15  W white   (255,255,255)
"""
import struct
import sys
import zlib

PALETTE = [  # (character, (r, g, b)) in VGA order
    ("0", (0, 0, 0)), ("r", (128, 0, 0)), ("g", (0, 128, 0)),
    ("y", (128, 128, 0)), ("b", (0, 0, 128)), ("m", (128, 0, 128)),
    ("c", (0, 128, 128)), ("s", (192, 192, 192)), ("d", (128, 128, 128)),
    ("R", (255, 0, 0)), ("G", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("M", (255, 0, 255)), ("C", (0, 255, 255)),
    ("W", (255, 255, 255)),
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}
TRANSPARENT = "."
ICON_SIZES = (16, 32)  # square icons only


class ArtError(Exception):
    pass


def read_source(path, allow_transparent):
    """Return the picture as a list of rows of characters, after checking it."""
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    if not lines or not lines[0].startswith("size "):
        raise ArtError(f"{path}:1: first line must be 'size WIDTHxHEIGHT'")
    try:
        width, height = (int(n) for n in lines[0][5:].strip().split("x"))
    except ValueError:
        raise ArtError(f"{path}:1: bad size line {lines[0]!r}")
    if width < 1 or height < 1:
        raise ArtError(f"{path}:1: size must be at least 1x1")
    rows = lines[1:]
    while rows and rows[-1] == "":
        rows.pop()
    if len(rows) != height:
        raise ArtError(f"{path}: expected {height} rows, found {len(rows)}")
    known = set(INDEX) | ({TRANSPARENT} if allow_transparent else set())
    for n, row in enumerate(rows, start=2):
        if len(row) != width:
            raise ArtError(f"{path}:{n}: row is {len(row)} wide, expected {width}")
        bad = "".join(sorted(set(row) - known))
        if bad == TRANSPARENT:
            raise ArtError(f"{path}:{n}: transparent '.' is only allowed in icons")
        if bad:
            raise ArtError(f"{path}:{n}: unknown palette characters {bad!r}")
    return rows


def palette_bytes():
    """16 RGBQUAD entries (blue, green, red, reserved)."""
    return b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE)


def pack_4bpp(rows):
    """Bottom-up 4 bpp rows, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        idx = [INDEX.get(ch, 0) for ch in row] + [0]  # '.' -> 0; pad odd widths
        line = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(row), 2))
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


def pack_mask(rows):
    """Bottom-up 1 bpp AND mask (1 = transparent), rows padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = "".join("1" if ch == TRANSPARENT else "0" for ch in row)
        bits += "0" * (-len(bits) % 32)
        out += int(bits, 2).to_bytes(len(bits) // 8, "big")
    return bytes(out)


def info_header(width, height, image_size):
    """BITMAPINFOHEADER for a 4 bpp BI_RGB image with 16 palette entries."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       image_size, 0, 0, 16, 0)


def make_ico(rows):
    size = len(rows)  # square; the header height counts the XOR and AND parts
    xor, mask = pack_4bpp(rows), pack_mask(rows)
    image = (info_header(size, 2 * size, len(xor) + len(mask))
             + palette_bytes() + xor + mask)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


def make_bmp(rows):
    pixels = pack_4bpp(rows)
    offset = 14 + 40 + 64
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info_header(len(rows[0]), len(rows), len(pixels)) \
        + palette_bytes() + pixels


def make_png(rows, scale):
    """RGB PNG, each pixel a scale x scale block; transparency as a checkerboard."""
    colours = dict(PALETTE)

    def rgb(ch, px, py):
        if ch == TRANSPARENT:
            return (236, 236, 236) if (px // 4 + py // 4) % 2 else (212, 212, 212)
        return colours[ch]

    raw = bytearray()
    for py in range(len(rows) * scale):
        row = rows[py // scale]
        raw += b"\0" + b"".join(bytes(rgb(row[px // scale], px, py))
                                for px in range(len(row) * scale))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    w, h = len(rows[0]) * scale, len(rows) * scale
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main(argv):
    if len(argv) not in (4, 5) or argv[1] not in ("ICO", "BMP", "PNG") \
            or (argv[1] == "PNG") != (len(argv) == 5):
        raise ArtError("usage: make_art.py ICO|BMP|PNG source.txt out [SCALE for PNG]")
    kind, source, out = argv[1], argv[2], argv[3]
    rows = read_source(source, allow_transparent=(kind != "BMP"))
    if kind == "ICO":
        width, height = len(rows[0]), len(rows)
        if width != height or width not in ICON_SIZES:
            raise ArtError(f"{source}: an icon must be 16x16 or 32x32, "
                           f"not {width}x{height}")
        data = make_ico(rows)
    elif kind == "BMP":
        data = make_bmp(rows)
    else:
        if not argv[4].isdigit() or int(argv[4]) < 1:
            raise ArtError(f"scale must be a positive integer, not {argv[4]!r}")
        data = make_png(rows, int(argv[4]))
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    try:
        main(sys.argv)
    except (ArtError, OSError, UnicodeDecodeError) as e:
        sys.exit(f"make_art: {e}")
