#!/usr/bin/env python3
"""Draws the setup pages' background pictures: character artwork on a white ground.

Usage: draw-bitmaps.py OUT_DIR
Writes each picture at 100 % as an uncompressed bitmap (SystemBack.bmp 573x437, OptionBack.bmp
514x437) and as a master for scaled displays, the same shapes drawn at twice the size, as PNG
(SystemBack200.png, OptionBack200.png): a scaled page shows sharp, smooth art instead of
enlarged pixels, and the white ground compresses to almost nothing. Also writes the application
icon, TessarilSetup.ico.

Everything is computed from the shapes below, so the output is the same on every run, and
the 100 % pictures are exactly what they were before the masters existed.
The artwork keeps clear of the page controls: on the System page it stays left of x 130
and, on the right, right of x 445 above y 290; on the Option page it stays left of x 145.
Those bounds hold for page fonts of 1.5 to 1.85 pixels per dialog unit, times the scale.
"""
import math
import multiprocessing
import os
import struct
import sys
import zlib

PELS_PER_METRE = 11808  # 300 dots per inch

# One palette for both pages.
INK = (46, 38, 58)
SKIN = (250, 214, 184)
HAIR = (92, 56, 40)
CAPE = (176, 46, 62)
TUNIC = (40, 118, 132)
TUNIC_DARK = (28, 84, 98)
GOLD = (226, 178, 70)
LEATHER = (112, 74, 48)
WOOD = (138, 94, 56)
GLOW = (140, 228, 240)
ROBE = (70, 62, 150)
ROBE_LIGHT = (120, 112, 200)
SCALE = (86, 170, 120)
BELLY = (238, 222, 150)
WING = (150, 110, 186)
CLOUD = (226, 236, 246)
BAND = (214, 224, 238)
WHITE = (255, 255, 255)

LIGHT = (-0.45, -0.6, 0.66)  # from the upper left, towards the viewer


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lit(color, t):
    """Colour at shading level t: 0 is the shadow side, 1 the highlight."""
    dark = tuple(c * 0.68 for c in color)
    light = mix(color, WHITE, 0.3)
    return mix(dark, light, clamp(t))


def scaled(v, scale):
    """A length of the 100 % picture in pixels of a master drawn at the scale."""
    return int(math.floor(v * scale + 0.5))


class Canvas:
    """A floating-point RGB picture painted with anti-aliased, shaded shapes.

    Shapes are given in the coordinates of the 100 % picture; a canvas with a scale paints
    them that much larger, evaluating each shape at its pixels' centres mapped back.
    """

    def __init__(self, width, height, scale=1):
        self.scale = scale
        self.width = width  # of the 100 % picture
        self.height = height
        self.pw = scaled(width, scale)  # of this canvas, in pixels
        self.ph = scaled(height, scale)
        self.px = [[255.0, 255.0, 255.0] for _ in range(self.pw * self.ph)]
        self.limit = (0, 0, width, height)  # shapes are clipped to this box

    def pixel_limit(self):
        return tuple(scaled(v, self.scale) for v in self.limit)

    def blend(self, x, y, color, alpha):
        if alpha <= 0.0:
            return
        p = self.px[y * self.pw + x]
        for i in range(3):
            p[i] += (color[i] - p[i]) * alpha

    def paint(self, box, sdf, fill, outline=INK, width=1.6):
        """Fills the region where sdf(x, y) < 0; fill(x, y) gives the colour there."""
        s = self.scale
        lx0, ly0, lx1, ly1 = self.pixel_limit()
        x0, y0 = max(lx0, int(box[0] * s) - 2), max(ly0, int(box[1] * s) - 2)
        x1, y1 = min(lx1, int(box[2] * s) + 3), min(ly1, int(box[3] * s) + 3)
        for y in range(y0, y1):
            for x in range(x0, x1):
                u, v = (x + 0.5) / s, (y + 0.5) / s
                d = sdf(u, v) * s  # in pixels, so edges stay one pixel soft at every scale
                if d > 0.6:
                    continue
                if outline is not None:
                    self.blend(x, y, outline, clamp(0.5 - d))
                    self.blend(x, y, fill(u, v), clamp(0.5 - d - width * s))
                else:
                    self.blend(x, y, fill(u, v), clamp(0.5 - d))

    def glow(self, cx, cy, radius, color, strength=0.8):
        """A soft radial halo, strongest at its centre."""
        s = self.scale
        lx0, ly0, lx1, ly1 = self.pixel_limit()
        for y in range(max(ly0, int((cy - radius) * s)), min(ly1, int((cy + radius) * s) + 1)):
            for x in range(max(lx0, int((cx - radius) * s)), min(lx1, int((cx + radius) * s) + 1)):
                r = math.hypot((x + 0.5) / s - cx, (y + 0.5) / s - cy) / radius
                if r < 1.0:
                    self.blend(x, y, color, strength * (1.0 - r) ** 2)

    def pixel(self, x, y):
        return tuple(int(round(clamp(c, 0.0, 255.0))) for c in self.px[y * self.pw + x])


# --- Shapes: each paints one primitive with its own shading ---------------------------------


def ellipse(cv, cx, cy, rx, ry, color, outline=INK, width=1.6, shade=True):
    def sdf(x, y):
        u, v = (x - cx) / rx, (y - cy) / ry
        return (math.hypot(u, v) - 1.0) * min(rx, ry)

    def fill(x, y):
        if not shade:
            return color
        u, v = (x - cx) / rx, (y - cy) / ry
        nz = math.sqrt(max(0.0, 1.0 - u * u - v * v))
        return lit(color, 0.25 + 0.85 * (u * LIGHT[0] + v * LIGHT[1] + nz * LIGHT[2]))

    cv.paint((cx - rx, cy - ry, cx + rx, cy + ry), sdf, fill, outline, width)


def capsule(cv, x1, y1, x2, y2, r, color, outline=INK, width=1.4):
    """A thick rounded stroke: limbs, the staff, the tail."""
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy or 1.0
    nx, ny = -dy / math.sqrt(length2), dx / math.sqrt(length2)

    def sdf(x, y):
        t = clamp(((x - x1) * dx + (y - y1) * dy) / length2)
        return math.hypot(x - x1 - t * dx, y - y1 - t * dy) - r

    def fill(x, y):
        across = ((x - x1) * nx + (y - y1) * ny) / r  # -1 .. 1 over the stroke
        side = across if nx * LIGHT[0] + ny * LIGHT[1] > 0 else -across
        return lit(color, 0.6 + 0.4 * side)

    box = (min(x1, x2) - r, min(y1, y2) - r, max(x1, x2) + r, max(y1, y2) + r)
    cv.paint(box, sdf, fill, outline, width)


def polygon(cv, points, color, outline=INK, width=1.6, shade=True):
    """A filled polygon, shaded from its upper left to its lower right."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    box = (min(xs), min(ys), max(xs), max(ys))
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        inside, best = False, 1e9
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            t = clamp(((x - ax) * ex + (y - ay) * ey) / ((ex * ex + ey * ey) or 1.0))
            best = min(best, math.hypot(x - ax - t * ex, y - ay - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (by - ay):
                inside = not inside
        return -best if inside else best

    def fill(x, y):
        if not shade:
            return color
        u = (x - box[0]) / ((box[2] - box[0]) or 1.0)
        v = (y - box[1]) / ((box[3] - box[1]) or 1.0)
        return lit(color, 0.95 - 0.45 * u - 0.35 * v)

    cv.paint(box, sdf, fill, outline, width)


def star(cv, cx, cy, r, color):
    """A four-pointed sparkle with a halo."""
    cv.glow(cx, cy, r * 1.6, color, 0.35)
    q = r * 0.28
    points = [(cx, cy - r), (cx + q, cy - q), (cx + r, cy), (cx + q, cy + q),
              (cx, cy + r), (cx - q, cy + q), (cx - r, cy), (cx - q, cy - q)]
    polygon(cv, points, mix(color, WHITE, 0.5), outline=None, shade=False)


def shadow(cv, cx, cy, rx, ry):
    """A soft ground shadow under a figure."""
    def sdf(x, y):
        return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * ry

    def fill(x, y):
        return mix(WHITE, (200, 204, 220), 1.0 - math.hypot((x - cx) / rx, (y - cy) / ry))

    cv.paint((cx - rx, cy - ry, cx + rx, cy + ry), sdf, fill, outline=None)


def side_band(cv, x0, x1, fade_right):
    """A pale gradient band down one edge with small diamonds: the frame of the picture."""
    px0, px1 = scaled(x0, cv.scale), scaled(x1, cv.scale)
    span = px1 - px0
    for y in range(cv.ph):
        for x in range(px0, px1):
            t = (x - px0) / span if fade_right else (px1 - 1 - x) / span
            cv.blend(x, y, BAND, (1.0 - t) ** 1.5 * 0.9)
    mid = (x0 + x1) / 2.0
    for y in range(18, cv.height - 10, 36):
        d = 3.5
        polygon(cv, [(mid, y - d), (mid + d, y), (mid, y + d), (mid - d, y)], GOLD,
                outline=None, shade=False)


# --- Figures: each a small function over the shapes ------------------------------------------


def eyes(cv, cx, cy, spacing, size=3.2):
    for ex in (cx - spacing, cx + spacing):
        ellipse(cv, ex, cy, size * 0.8, size * 1.2, INK, outline=None, shade=False)
        ellipse(cv, ex - size * 0.3, cy - size * 0.5, size * 0.3, size * 0.35, WHITE,
                outline=None, shade=False)


def adventurer(cv, cx, feet):
    """A young adventurer in a red cape, with a glowing staff in his left hand."""
    shadow(cv, cx, feet + 4, 48, 9)
    top = feet - 320
    # Cape behind the body, flaring and rippling at the hem.
    hem = [(cx + 46 - i * 13, feet - 14 + (6 if i % 2 else 0)) for i in range(8)]
    polygon(cv, [(cx - 22, top + 92), (cx + 22, top + 92)] + hem, CAPE)
    # Legs and boots.
    capsule(cv, cx - 11, feet - 110, cx - 14, feet - 24, 10, TUNIC_DARK)
    capsule(cv, cx + 11, feet - 110, cx + 15, feet - 24, 10, TUNIC_DARK)
    capsule(cv, cx - 15, feet - 40, cx - 15, feet - 16, 11, LEATHER)
    capsule(cv, cx + 16, feet - 40, cx + 16, feet - 16, 11, LEATHER)
    ellipse(cv, cx - 19, feet - 10, 15, 9, LEATHER)
    ellipse(cv, cx + 21, feet - 10, 15, 9, LEATHER)
    # Tunic with a belt.
    polygon(cv, [(cx - 22, top + 96), (cx + 22, top + 96), (cx + 30, feet - 96),
                 (cx - 30, feet - 96)], TUNIC)
    polygon(cv, [(cx - 26, top + 160), (cx + 26, top + 160), (cx + 27, top + 172),
                 (cx - 27, top + 172)], LEATHER)
    polygon(cv, [(cx - 6, top + 158), (cx + 6, top + 158), (cx + 6, top + 174),
                 (cx - 6, top + 174)], GOLD)
    # Staff: held out to the figure's side, its orb glowing above the head.
    sx = cx + 40
    capsule(cv, sx, top + 30, sx - 4, feet - 8, 4.5, WOOD)
    cv.glow(sx + 1, top + 22, 24, GLOW, 0.7)
    ellipse(cv, sx + 1, top + 22, 12, 12, GLOW)
    polygon(cv, [(sx - 9, top + 30), (sx + 10, top + 30), (sx + 4, top + 42),
                 (sx - 4, top + 42)], GOLD)
    # Arms: the right one relaxed, the left one reaching for the staff.
    capsule(cv, cx - 20, top + 104, cx - 30, top + 178, 7.5, TUNIC)
    ellipse(cv, cx - 31, top + 184, 7, 7, SKIN)
    capsule(cv, cx + 20, top + 104, sx - 6, top + 150, 7.5, TUNIC)
    ellipse(cv, sx - 3, top + 150, 7.5, 7.5, SKIN)
    # Scarf, head, hair and face.
    ellipse(cv, cx, top + 92, 20, 9, GOLD)
    ellipse(cv, cx, top + 62, 27, 29, SKIN)
    polygon(cv, [(cx - 30, top + 56), (cx - 22, top + 26), (cx - 4, top + 22),
                 (cx + 14, top + 24), (cx + 30, top + 40), (cx + 28, top + 58),
                 (cx + 14, top + 44), (cx - 2, top + 50), (cx - 16, top + 42)], HAIR)
    eyes(cv, cx + 2, top + 66, 9)
    capsule(cv, cx - 2, top + 80, cx + 6, top + 80, 1.2, (200, 110, 110), outline=None)
    ellipse(cv, cx - 16, top + 75, 4.5, 3, (244, 170, 160), outline=None, shade=False)
    ellipse(cv, cx + 20, top + 75, 4.5, 3, (244, 170, 160), outline=None, shade=False)
    star(cv, sx + 16, top - 2, 5, GLOW)
    star(cv, sx - 24, top + 8, 4, GLOW)


def dragon(cv, cx, cy):
    """A small friendly dragon hovering on a cloud."""
    # Cloud it rests on.
    for dx, dy, r in ((-26, 88, 15), (-6, 94, 18), (16, 90, 16), (32, 97, 11), (-36, 98, 9)):
        ellipse(cv, cx + dx, cy + dy, r * 1.2, r * 0.8, CLOUD, outline=(170, 186, 210), width=1.2)
    # Tail curling down to the left, ending in a spade.
    tail = [(cx + 10, cy + 40), (cx - 6, cy + 58), (cx - 26, cy + 64), (cx - 40, cy + 54),
            (cx - 46, cy + 38)]
    for (x1, y1), (x2, y2), r in zip(tail, tail[1:], (10, 8, 6.5, 5)):
        capsule(cv, x1, y1, x2, y2, r, SCALE)
    polygon(cv, [(cx - 46, cy + 22), (cx - 36, cy + 36), (cx - 48, cy + 44),
                 (cx - 56, cy + 34)], GOLD)
    # Wings behind the body.
    polygon(cv, [(cx - 6, cy - 6), (cx - 42, cy - 56), (cx - 42, cy - 30), (cx - 48, cy - 20),
                 (cx - 38, cy - 8), (cx - 42, cy + 4)], WING)
    polygon(cv, [(cx + 8, cy - 6), (cx + 44, cy - 60), (cx + 44, cy - 32), (cx + 48, cy - 22),
                 (cx + 38, cy - 8), (cx + 42, cy + 2)], WING)
    # Body, belly and feet.
    ellipse(cv, cx, cy + 24, 30, 36, SCALE)
    ellipse(cv, cx + 4, cy + 30, 17, 25, BELLY, width=1.2)
    for y in range(int(cy + 14), int(cy + 52), 9):
        capsule(cv, cx - 8, y, cx + 15, y, 0.6, (196, 176, 110), outline=None)
    ellipse(cv, cx - 16, cy + 58, 11, 7, SCALE)
    ellipse(cv, cx + 20, cy + 58, 11, 7, SCALE)
    capsule(cv, cx + 20, cy + 10, cx + 32, cy + 24, 5, SCALE)
    # Head with horns, snout and big eyes.
    polygon(cv, [(cx - 16, cy - 46), (cx - 26, cy - 74), (cx - 6, cy - 52)], GOLD)
    polygon(cv, [(cx + 12, cy - 50), (cx + 18, cy - 78), (cx + 24, cy - 46)], GOLD)
    ellipse(cv, cx + 2, cy - 30, 28, 24, SCALE)
    ellipse(cv, cx + 22, cy - 20, 16, 11, mix(SCALE, BELLY, 0.4))
    ellipse(cv, cx + 30, cy - 23, 1.6, 1.2, INK, outline=None, shade=False)
    eyes(cv, cx + 2, cy - 36, 9, 3.6)
    capsule(cv, cx + 14, cy - 12, cx + 26, cy - 12, 1.0, INK, outline=None)
    star(cv, cx - 34, cy - 70, 5, GOLD)
    star(cv, cx + 40, cy + 60, 4, GOLD)


def mage(cv, cx, feet):
    """A mage in a starry robe and pointed hat, reading from a spell book."""
    shadow(cv, cx, feet + 4, 50, 9)
    top = feet - 330
    # Robe: a long bell with a gold hem.
    polygon(cv, [(cx - 20, top + 118), (cx + 20, top + 118), (cx + 50, feet - 8),
                 (cx - 50, feet - 8)], ROBE)
    polygon(cv, [(cx - 50, feet - 8), (cx + 50, feet - 8), (cx + 48, feet - 20),
                 (cx - 48, feet - 20)], GOLD, width=1.0)
    for sx, sy in ((-22, 200), (16, 230), (-8, 270), (28, 290), (-30, 300)):
        star(cv, cx + sx, top + sy, 4, ROBE_LIGHT)
    # Sleeves holding an open book in front of the chest.
    capsule(cv, cx - 18, top + 126, cx - 28, top + 188, 10, ROBE_LIGHT)
    capsule(cv, cx + 18, top + 126, cx + 28, top + 188, 10, ROBE_LIGHT)
    polygon(cv, [(cx - 34, top + 180), (cx, top + 188), (cx, top + 214), (cx - 34, top + 206)],
            (246, 238, 214), width=1.2)
    polygon(cv, [(cx, top + 188), (cx + 34, top + 180), (cx + 34, top + 206), (cx, top + 214)],
            (236, 226, 198), width=1.2)
    for i in range(3):
        y = top + 192 + i * 6
        capsule(cv, cx - 28, y, cx - 6, y + 2, 0.6, (150, 140, 170), outline=None)
        capsule(cv, cx + 6, y + 2, cx + 28, y, 0.6, (150, 140, 170), outline=None)
    ellipse(cv, cx - 32, top + 194, 6.5, 6.5, SKIN)
    ellipse(cv, cx + 32, top + 194, 6.5, 6.5, SKIN)
    cv.glow(cx, top + 178, 30, GLOW, 0.45)
    # Head, long hair, face.
    ellipse(cv, cx, top + 100, 30, 40, (60, 44, 80))
    ellipse(cv, cx, top + 96, 24, 26, SKIN)
    eyes(cv, cx, top + 100, 8)
    capsule(cv, cx - 3, top + 112, cx + 3, top + 112, 1.1, (200, 110, 110), outline=None)
    # Hat: wide brim and a bent cone.
    ellipse(cv, cx, top + 74, 52, 11, ROBE)
    polygon(cv, [(cx - 28, top + 72), (cx + 28, top + 72), (cx + 12, top + 30),
                 (cx + 30, top + 6), (cx - 4, top + 24)], ROBE)
    polygon(cv, [(cx - 27, top + 70), (cx + 27, top + 70), (cx + 25, top + 62),
                 (cx - 25, top + 62)], GOLD, width=1.0)
    star(cv, cx + 6, top + 44, 5, GOLD)


def spirit(cv, cx, cy):
    """A small lantern spirit that floats beside the mage."""
    cv.glow(cx, cy, 27, GLOW, 0.6)
    polygon(cv, [(cx - 14, cy + 4), (cx + 14, cy + 4), (cx + 6, cy + 28), (cx - 2, cy + 36),
                 (cx - 4, cy + 24)], mix(GLOW, WHITE, 0.4), outline=(90, 160, 190), width=1.2)
    ellipse(cv, cx, cy, 16, 15, mix(GLOW, WHITE, 0.4), outline=(90, 160, 190), width=1.2)
    eyes(cv, cx, cy - 1, 5, 2.4)
    star(cv, cx + 22, cy - 16, 4, GOLD)
    star(cv, cx - 20, cy + 26, 3, GOLD)


# --- The two pictures ------------------------------------------------------------------------


def system_back(scale):
    cv = Canvas(573, 437, scale)
    side_band(cv, 0, 12, fade_right=True)
    side_band(cv, 561, 573, fade_right=False)
    cv.limit = (0, 0, 130, 437)
    adventurer(cv, 64, 372)
    cv.limit = (445, 0, 561, 290)
    dragon(cv, 494, 140)
    return cv


def option_back(scale):
    cv = Canvas(514, 437, scale)
    side_band(cv, 0, 12, fade_right=True)
    cv.limit = (0, 0, 145, 437)
    mage(cv, 72, 372)
    spirit(cv, 114, 34)
    return cv


def png(width, height, colour_type, rows):
    """A PNG of rows of 8-bit samples, each row filtered by its difference from the one above.
    Fixed settings and no time chunk: the same rows give the same bytes."""
    raw, above = bytearray(), bytes(len(rows[0]))
    for row in rows:
        raw += b"\2" + bytes((a - b) & 0xFF for a, b in zip(row, above))
        above = row

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_png(path, cv):
    """Writes a 24-bit RGB PNG."""
    rows = [bytes(c for x in range(cv.pw) for c in cv.pixel(x, y)) for y in range(cv.ph)]
    with open(path, "wb") as f:
        f.write(png(cv.pw, cv.ph, 2, rows))


def write_bmp(path, cv):
    """Writes an uncompressed bottom-up 24-bit BMP."""
    stride = (cv.pw * 3 + 3) & ~3
    image = bytearray()
    for y in range(cv.ph - 1, -1, -1):
        for x in range(cv.pw):
            r, g, b = cv.pixel(x, y)
            image += bytes((b, g, r))
        image += bytes(stride - cv.pw * 3)
    info = struct.pack("<IiiHHIIiiII", 40, cv.pw, cv.ph, 1, 24, 0, len(image),
                       PELS_PER_METRE, PELS_PER_METRE, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + image)


# --- The application icon ----------------------------------------------------------------


ICON_SIZES = (16, 24, 32, 48, 256)


def rounded_square(cv, x0, y0, x1, y1, r, color, width):
    """A tile with rounded corners, shaded from its upper left."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    def fill(x, y):
        return lit(color, 1.0 - 0.45 * (x - x0) / (x1 - x0) - 0.45 * (y - y0) / (y1 - y0))

    cv.paint((x0, y0, x1, y1), sdf, fill, INK, width)


def cog(cv, cx, cy, r, teeth, color, width):
    """A gear wheel: the settings the program changes."""
    points = []
    for i in range(teeth * 4):
        a = 2.0 * math.pi * (i - 0.5) / (teeth * 4)
        rr = r if (i // 2) % 2 == 0 else r * 0.76
        points.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    polygon(cv, points, color, width=width)


def icon_art(cv, size):
    """A gold gear on a teal tile, holding a glowing gem; drawn for a size x size square. The
    small sizes get fewer, bolder parts so that they still read as a gear and a gem."""
    k = size / 48.0
    small = size <= 24
    line = max(0.9, 1.4 * k)
    rounded_square(cv, 1.5 * k, 1.5 * k, 46.5 * k, 46.5 * k, 9 * k, TUNIC, line)
    cog(cv, 24 * k, 24 * k, (19 if small else 17) * k, 6 if small else 8, GOLD, line)
    if not small:
        ellipse(cv, 24 * k, 24 * k, 9.5 * k, 9.5 * k, TUNIC_DARK, width=line)
        cv.glow(24 * k, 24 * k, 12 * k, GLOW, 0.5)
    top, bottom, half = (12, 35, 8.5) if small else (15.5, 32.5, 7)
    gem = [(24 * k, top * k), ((24 + half) * k, 22 * k), (24 * k, bottom * k),
           ((24 - half) * k, 22 * k)]
    polygon(cv, gem, GLOW, width=line)
    if not small:
        polygon(cv, [(24 * k, top * k), (27 * k, 22 * k), (24 * k, bottom * k), (21 * k, 22 * k)],
                mix(GLOW, WHITE, 0.45), outline=None, shade=False)


def icon_image(size):
    """RGBA rows of the icon at one size: drawn on white and on black, the difference is the
    coverage, so the edges blend into any background."""
    on_white, on_black = Canvas(size, size), Canvas(size, size)
    on_black.px = [[0.0, 0.0, 0.0] for _ in range(size * size)]
    icon_art(on_white, size)
    icon_art(on_black, size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            w, b = on_white.pixel(x, y), on_black.pixel(x, y)
            alpha = 255 - round(sum(w[i] - b[i] for i in range(3)) / 3.0)
            alpha = int(clamp(alpha, 0, 255))
            rgb = tuple(int(clamp(round(b[i] * 255.0 / alpha), 0, 255)) if alpha else 0
                        for i in range(3))
            row.append(rgb + (alpha,))
        rows.append(row)
    return rows


def icon_dib(rows):
    """One icon image as Windows keeps it: a 32-bit bottom-up DIB, then its AND mask."""
    size = len(rows)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + mask


def icon_png(rows):
    """One icon image as PNG, the form Windows takes for 256 x 256."""
    return png(len(rows), len(rows), 6, [bytes(c for px in row for c in px) for row in rows])


def write_ico(path, sizes=ICON_SIZES):
    """Writes an icon file with one 32-bit image per size."""
    images = [icon_png(icon_image(s)) if s >= 256 else icon_dib(icon_image(s)) for s in sizes]
    offset = 6 + 16 * len(sizes)
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    for s, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(images))


# Each picture: file name, drawing, scale, writer.
PICTURES = [(name + suffix, draw, scale, write)
            for name, draw in (("SystemBack", system_back), ("OptionBack", option_back))
            for suffix, scale, write in ((".bmp", 1, write_bmp), ("200.png", 2, write_png))]


def draw_one(job):
    path, draw, scale, write = job
    write(path, draw(scale))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    jobs = [(os.path.join(out, name), draw, scale, write) for name, draw, scale, write in PICTURES]
    # The masters take a while in pure Python: draw them side by side.
    with multiprocessing.Pool() as pool:
        pool.map(draw_one, jobs)
    write_ico(os.path.join(out, "TessarilSetup.ico"))


if __name__ == "__main__":
    main()
