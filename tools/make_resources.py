#!/usr/bin/env python3
"""Turns the readable pixel pictures of resources/ into Windows resource files.

    make_resources.py bitmap PICTURE OUT.bmp   16-colour DIB (for RT_BITMAP)
    make_resources.py icon   PICTURE OUT.ico   one 16-colour image with mask

A picture is a text file:
    size W H
    palette standard          the 16 standard VGA colours, entry by entry
    key <letter> <entry>      one line per letter used in the pixels
    transparent <letter>      icons only: this letter is see-through
    pixels
    <H rows of W letters, top row first; blanks inside a row are ignored>
Lines starting with '#' are comments. The output depends on the picture alone.
"""
import struct
import sys

STANDARD_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def fail(path, message):
    sys.exit(f"{path}: {message}")


def read_picture(path):
    width = height = None
    keys = {}
    transparent = None
    rows = []
    in_pixels = False
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\n")
            if in_pixels:
                if line.strip():
                    rows.append("".join(line.split()))
                continue
            if not line.strip() or line.startswith("#"):
                continue
            words = line.split()
            if words[0] == "size":
                width, height = int(words[1]), int(words[2])
            elif words[0] == "palette":
                if words[1] != "standard":
                    fail(path, f"unknown palette {words[1]}")
            elif words[0] == "key":
                keys[words[1]] = int(words[2])
            elif words[0] == "transparent":
                transparent = words[1]
            elif words[0] == "pixels":
                in_pixels = True
            else:
                fail(path, f"unknown line: {line}")
    if width is None or len(rows) != height:
        fail(path, f"expected {height} pixel rows, found {len(rows)}")
    for y, row in enumerate(rows):
        if len(row) != width:
            fail(path, f"row {y} has {len(row)} pixels, expected {width}")
        for ch in row:
            if ch not in keys and ch != transparent:
                fail(path, f"row {y}: letter {ch!r} has no key")
    return width, height, keys, transparent, rows


def dib(width, height, keys, transparent, rows, with_mask):
    """BITMAPINFOHEADER, palette, 4-bit rows bottom-up, then the optional mask."""
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, ch in enumerate(row):
            entry = 0 if ch == transparent else keys[ch]
            line[x // 2] |= entry << (4 if x % 2 == 0 else 0)
        pixels += line
    mask = bytearray()
    if with_mask:
        mask_stride = ((width + 31) // 32) * 4
        for row in reversed(rows):
            line = bytearray(mask_stride)
            for x, ch in enumerate(row):
                if ch == transparent:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
    header = struct.pack("<IiiHHIIiiII", 40, width,
                         height * 2 if with_mask else height, 1, 4, 0,
                         len(pixels) + len(mask) if with_mask else len(pixels),
                         0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in STANDARD_PALETTE)
    return header + palette + bytes(pixels) + bytes(mask)


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("bitmap", "icon"):
        sys.exit(__doc__)
    kind, source, out = sys.argv[1:]
    width, height, keys, transparent, rows = read_picture(source)
    if kind == "bitmap":
        if transparent:
            fail(source, "a bitmap has no transparent letter")
        image = dib(width, height, keys, None, rows, with_mask=False)
        data = struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, 14 + 40 + 64) + image
    else:
        image = dib(width, height, keys, transparent, rows, with_mask=True)
        directory = struct.pack("<HHH", 0, 1, 1)
        entry = struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4,
                            len(image), 6 + 16)
        data = directory + entry + image
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
