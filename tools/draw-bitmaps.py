#!/usr/bin/env python3
"""Draws the setup pages' background bitmaps (placeholder ground until the artwork lands)."""
import os
import struct
import sys

PELS_PER_METRE = 11808


def write_bmp(path, width, height, pixel):
    """Writes an uncompressed bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image),
                       PELS_PER_METRE, PELS_PER_METRE, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + image)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    white = lambda x, y: (255, 255, 255)
    write_bmp(os.path.join(out, "SystemBack.bmp"), 573, 437, white)
    write_bmp(os.path.join(out, "OptionBack.bmp"), 514, 437, white)


if __name__ == "__main__":
    main()
