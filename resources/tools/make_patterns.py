#!/usr/bin/env python3
"""Draws the sixteen fill patterns bin/b1.bmp .. bin/b16.bmp of the tool palette.

Every tile repeats seamlessly: each pattern is a function of (x, y) that is periodic
in the tile's width and height. The palette shows pixels x = 8..16, y = 8..16 of the
chosen tile as its swatch, so each design puts something recognisable there.

Run from anywhere:  python3 resources/tools/make_patterns.py
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmpfile import (fractal_noise, hash01, mix, shade, smoothstep,  # noqa: E402
                     value_noise, write_bmp)

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bin")


def wrap_dist(a, b, period):
    d = abs(a - b) % period
    return min(d, period - d)


def bricks(x, y):  # 32 x 32: 16 x 8 bricks, every other course shifted by half
    brick = (178, 64, 46)
    mortar = (214, 206, 190)
    course = y // 8
    # shifted so that a mortar T-joint falls inside the palette's swatch
    shift = 11 + (8 if course % 2 else 0)
    bx = (x + shift) % 16
    by = y % 8
    if by == 7 or bx == 15:
        return mortar
    tone = 0.9 + 0.2 * hash01((x + shift) // 16 % 2, course % 4, 3)
    c = shade(brick, tone)
    if by == 0:  # light catches the top edge of each brick
        c = mix(c, (230, 140, 110), 0.5)
    return c


def checks(x, y):  # 24 x 24: 6-pixel checks, so the swatch shows a little board
    a, b = (40, 90, 160), (235, 240, 248)
    return a if ((x // 6) + (y // 6)) % 2 == 0 else b


def waves(x, y):  # 32 x 32: rolling blue bands
    phase = y + 3.0 * math.sin(2 * math.pi * x / 32)
    t = 0.5 + 0.5 * math.sin(2 * math.pi * phase / 8)
    deep, foam = (20, 80, 150), (170, 215, 240)
    return mix(deep, foam, smoothstep(0.35, 0.95, t))


def dots(x, y):  # 24 x 24: polka dots at (12.5, 12.5) and at the corners
    d = min(math.hypot(x - 12, y - 12),
            math.hypot(wrap_dist(x + 0.5, 0, 24), wrap_dist(y + 0.5, 0, 24)))
    ground, dot = (250, 225, 232), (205, 40, 95)
    return mix(dot, ground, smoothstep(3.2, 4.2, d))


def weave(x, y):  # 32 x 32 basket weave: 16 x 16 squares of three strands each
    cell = ((x // 16) + (y // 16)) % 2
    along = y % 16 if cell == 0 else x % 16  # across the strands
    strand = along // 5 if along < 15 else None
    warp, weft = (196, 160, 102), (140, 100, 56)
    if strand is None:
        return (70, 48, 26)
    pos = (along % 5) / 4.0
    c = warp if cell == 0 else weft
    return shade(c, 0.75 + 0.35 * math.sin(math.pi * pos))


def scales(x, y):  # 24 x 24 fish scales: rows of arcs, every other row shifted
    best = None
    for cy in (0, 12, 24, 36):
        shift = 12 if (cy // 12) % 2 else 0
        for cx in (shift - 24, shift, shift + 24):
            dy = cy - (y + 0.5)
            if dy < -1.5:
                continue  # each scale hangs below its centre line
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= 12.5 and (best is None or cy > best[0]):
                best = (cy, d)
    if best is None:
        return (30, 110, 100)
    d = best[1]
    body = mix((60, 170, 150), (20, 95, 90), d / 12.5)
    return mix(body, (225, 245, 235), smoothstep(10.8, 12.2, d))


def stars(x, y):  # 24 x 24: five-pointed stars on navy, one centred at (12, 12)
    def star_at(cx, cy, r):
        dx, dy = x + 0.5 - cx, y + 0.5 - cy
        rr = math.hypot(dx, dy)
        a = math.atan2(dx, -dy)
        # radius of a five-point star outline in direction a
        k = math.cos(math.pi / 5) / math.cos((a % (2 * math.pi / 5)) - math.pi / 5)
        edge = r * (0.45 + 0.55 * (k - math.cos(math.pi / 5)) / (1 - math.cos(math.pi / 5)))
        return 1.0 - smoothstep(edge - 0.6, edge + 0.6, rr)

    sky = (18, 28, 72)
    big = star_at(12.5, 12.5, 7.0)
    small = max(star_at(cx, cy, 3.2) for cx in (0.5, 24.5) for cy in (0.5, 24.5))
    c = mix(sky, (255, 214, 60), big)
    return mix(c, (250, 245, 200), small)


def grass(x, y):  # 32 x 32: a lawn of wavy blades, continuous in both directions
    dark, light = (30, 92, 28), (132, 200, 76)
    t = 0.0
    for i in range(8):
        phase = hash01(i, 0, 5)
        root = i * 4 + hash01(i, 1, 5) * 2
        bx = root + 1.6 * math.sin(2 * math.pi * ((y + 0.5) / 32.0 + phase))
        if wrap_dist(x + 0.5, bx, 32) < 1.1:
            glow = 0.5 + 0.5 * math.sin(2 * math.pi * ((y + 0.5) / 16.0 + hash01(i, 2, 5)))
            t = max(t, 0.3 + 0.7 * glow)
    ground = mix(dark, (52, 122, 40), fractal_noise(x, y, 32, 32, 2, 3, 9))
    return mix(ground, light, t)


def wood(x, y):  # 32 x 32: fine grain lines running across, gently bent
    bend = fractal_noise(x, y, 32, 32, 2, 2, 21)
    v = y + 2.0 * math.sin(2 * math.pi * x / 32) + 5.0 * bend
    f = (v / 8.0) % 1.0
    line = 1.0 - smoothstep(0.0, 0.22, min(f, 1.0 - f) * 2)
    streak = value_noise(x, y, 2, 16, 32, 32, 33)  # long streaks along the grain
    light, dark = (222, 170, 108), (128, 76, 36)
    base = mix(light, (196, 140, 80), streak)
    return mix(base, dark, line * 0.85)


def marble(x, y):  # 32 x 32: pale stone with soft grey veins
    n = fractal_noise(x, y, 32, 32, 2, 3, 41)
    v = math.sin(2 * math.pi * (x + y) / 32 + 3.5 * n)
    vein = 1 - smoothstep(0.0, 0.3, abs(v))
    base = mix((240, 238, 232), (210, 208, 204), fractal_noise(x, y, 32, 32, 4, 3, 43))
    return mix(base, (110, 116, 128), vein * 0.75)


def stripes(x, y):  # 24 x 24: diagonal candy stripes, 12-pixel period along x + y
    k = (x + y) % 12
    if k < 5:
        return (220, 50, 60)
    if k == 5 or k == 11:
        return (240, 180, 185)
    return (252, 248, 240)


def tiles(x, y):  # 32 x 32: 16-pixel glazed tiles with grout and a bevel
    x, y = (x + 4) % 32, (y + 4) % 32  # puts a grout crossing in the swatch
    tx, ty = x % 16, y % 16
    if tx == 0 or ty == 0:
        return (200, 196, 186)
    colour = (40, 130, 170) if ((x // 16) + (y // 16)) % 2 == 0 else (235, 232, 220)
    if tx == 1 or ty == 1:
        return mix(colour, (255, 255, 255), 0.45)
    if tx == 15 or ty == 15:
        return shade(colour, 0.7)
    return colour


def hearts(x, y):  # 24 x 24: a red heart centred in the swatch, pink ones between
    def heart(cx, cy, s):
        u = (x + 0.5 - cx) / s
        v = -(y + 0.5 - cy) / s + 0.25
        f = (u * u + v * v - 1) ** 3 - u * u * v ** 3
        return f <= 0

    for cx, cy in ((12.5, 12.5), (0, 0), (24, 0), (0, 24), (24, 24)):
        if heart(cx, cy, 3.9 if cx == 12.5 else 3.4):
            return (210, 30, 60) if cx == 12.5 else (240, 120, 150)
    return (255, 236, 240)


def zigzag(x, y):  # 32 x 32: chevrons, 16 wide and 8 high
    k = (y + abs((x % 16) - 8)) % 8
    if k < 3:
        return (250, 160, 20)
    if k < 4:
        return (255, 230, 160)
    return (60, 45, 100)


def honeycomb(x, y):  # 20 x 34: hexagon cells (centres at (0, 6) and (10, 23))
    px, py = x + 0.5, (y - 6) % 34 + 0.5  # a three-cell corner sits in the swatch
    centres = [(cx, cy) for cx in (0, 20) for cy in (0, 34)]
    centres += [(10, -17), (-10, 17), (10, 17), (30, 17), (10, 51)]
    ds = sorted(math.hypot(px - cx, py - cy) for cx, cy in centres)
    edge = ds[1] - ds[0]  # distance to the wall between the two nearest cells
    wax, honey = (110, 70, 10), (245, 185, 40)
    inner = mix((255, 215, 90), honey, smoothstep(0, 7, ds[0]))
    return mix(wax, inner, smoothstep(0.6, 2.2, edge))


def denim(x, y):  # 32 x 32: twill lines with woven texture
    twill = (x * 2 + y) % 8  # a steep diagonal ridge every 8 rows
    base = (38, 66, 120)
    n = hash01(x, y, 61)
    c = shade(base, 0.86 + 0.22 * n)
    if twill < 2:
        c = mix(c, (120, 150, 195), 0.55)
    elif twill == 2:
        c = mix(c, (170, 190, 220), 0.25)
    return c


PATTERNS = [
    # (number, name, width, height, function)
    (1, "bricks", 32, 32, bricks),
    (2, "checks", 24, 24, checks),
    (3, "waves", 32, 32, waves),
    (4, "dots", 24, 24, dots),
    (5, "weave", 32, 32, weave),
    (6, "scales", 24, 24, scales),
    (7, "stars", 24, 24, stars),
    (8, "grass", 32, 32, grass),
    (9, "wood", 32, 32, wood),
    (10, "marble", 32, 32, marble),
    (11, "stripes", 24, 24, stripes),
    (12, "tiles", 32, 32, tiles),
    (13, "hearts", 24, 24, hearts),
    (14, "zigzag", 32, 32, zigzag),
    (15, "honeycomb", 20, 34, honeycomb),
    (16, "denim", 32, 32, denim),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    for number, name, w, h, fn in PATTERNS:
        path = os.path.join(OUT, "b%d.bmp" % number)
        write_bmp(path, w, h, fn)
        print("%s  %s %dx%d" % (os.path.relpath(path), name, w, h))


if __name__ == "__main__":
    main()
