#!/usr/bin/env python3
"""Draws the sample backgrounds in bin/wiz for the Animation Wizard and the Movie Wizard.

Banner backgrounds are 468 x 60, the web banner the Animation Wizard makes; the scene
backgrounds are 400 x 300. All are 24-bit Windows bitmaps.

Run from anywhere:  python3 resources/tools/make_wizard_backgrounds.py
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmpfile import (fractal_noise, hash01, mix, shade, smoothstep,  # noqa: E402
                     value_noise, write_bmp)

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bin", "wiz")


def gradient(stops, t):
    """Colour at t in [0, 1] along a list of (position, colour) stops."""
    t = max(0.0, min(1.0, t))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def star_field(x, y, density, seed):
    """Brightness of a sparse star at (x, y): 0 for most pixels."""
    h = hash01(x, y, seed)
    if h > density:
        return 0.0
    return 0.45 + 0.55 * hash01(x, y, seed + 1)


# --- banners, 468 x 60 ---------------------------------------------------------------

def banner_sky(x, y):
    sky = gradient([(0, (70, 140, 215)), (1, (185, 222, 248))], y / 59.0)
    cloud = fractal_noise(x, y * 2.5, 468, 150, 6, 4, 7)
    return mix(sky, (255, 255, 255), smoothstep(0.55, 0.75, cloud) * 0.85)


def banner_sunset(x, y):
    sky = gradient([(0, (60, 40, 110)), (0.45, (220, 90, 80)), (0.8, (250, 170, 70)),
                    (1, (255, 215, 120))], y / 59.0)
    d = math.hypot(x - 360, (y - 52) * 1.0)
    sky = mix(sky, (255, 240, 180), 1 - smoothstep(12, 15, d))
    sky = mix(sky, (255, 200, 120), (1 - smoothstep(15, 60, d)) * 0.35)
    hills = 50 + 5 * math.sin(x / 37.0) + 3 * math.sin(x / 13.0 + 1)
    if y > hills:
        return mix((70, 30, 60), (40, 20, 45), (y - hills) / 12.0)
    return sky


def banner_stars(x, y):
    sky = gradient([(0, (6, 8, 30)), (1, (28, 36, 90))], y / 59.0)
    s = star_field(x, y, 0.012, 11)
    c = mix(sky, (255, 255, 240), s)
    d = math.hypot(x - 420, y - 20)  # a crescent moon near the right end
    moon = 1 - smoothstep(10, 11, d)
    bite = 1 - smoothstep(9, 10, math.hypot(x - 426, y - 16))
    return mix(c, (250, 240, 200), max(0.0, moon - bite))


def banner_paper(x, y):
    base = (244, 236, 214)
    grain = fractal_noise(x, y, 468, 60, 18, 4, 21)
    fibre = value_noise(x, y, 13, 30, 468, 60, 23)  # long faint fibres along the sheet
    c = shade(base, 0.94 + 0.07 * grain - 0.03 * smoothstep(0.75, 0.95, fibre))
    edge = min(x, 467 - x, y, 59 - y)
    return shade(c, 0.9 + 0.1 * smoothstep(0, 4, edge))


def banner_metal(x, y):
    streak = value_noise(x, y, 3, 30, 468, 60, 31) * 0.6 + hash01(0, y, 33) * 0.4
    c = gradient([(0, (200, 205, 212)), (0.5, (150, 156, 165)), (1, (185, 190, 198))],
                 y / 59.0)
    c = shade(c, 0.92 + 0.14 * streak)
    # four rivets, one at each end above and below
    for rx, ry in ((10, 10), (10, 49), (457, 10), (457, 49)):
        d = math.hypot(x - rx, y - ry)
        if d < 4:
            light = 1 - ((x - rx) + (y - ry) + 4) / 8.0
            c = mix((110, 114, 122), (235, 238, 242), light)
    return c


# --- scenes, 400 x 300 ---------------------------------------------------------------

def scene_meadow(x, y):
    sky = gradient([(0, (90, 160, 230)), (1, (205, 232, 250))], y / 180.0)
    cloud = fractal_noise(x, y * 2, 400, 600, 4, 4, 3)
    c = mix(sky, (255, 255, 255), smoothstep(0.58, 0.72, cloud) * 0.9 * (1 - y / 200.0))
    sun = math.hypot(x - 320, y - 60)
    c = mix(c, (255, 240, 150), 1 - smoothstep(24, 27, sun))
    far = 175 + 18 * math.sin(x / 60.0) + 8 * math.sin(x / 23.0 + 2)
    near = 215 + 22 * math.sin(x / 90.0 + 1.3) + 6 * math.sin(x / 31.0)
    if y > near:
        g = fractal_noise(x, y, 400, 300, 20, 3, 5)
        return shade(mix((90, 170, 60), (50, 120, 40), (y - near) / 90.0), 0.9 + 0.2 * g)
    if y > far:
        return mix((120, 170, 110), (90, 150, 90), (y - far) / 50.0)
    return c


def scene_seaside(x, y):
    horizon = 170
    if y < horizon:
        sky = gradient([(0, (40, 110, 190)), (1, (200, 230, 245))], y / float(horizon))
        cloud = fractal_noise(x, y * 3, 400, 510, 4, 4, 13)
        return mix(sky, (255, 255, 255), smoothstep(0.6, 0.75, cloud) * 0.8)
    beach = 250 + 10 * math.sin(x / 50.0)
    if y > beach:
        sand = fractal_noise(x, y, 400, 300, 40, 2, 17)
        return shade((232, 208, 150), 0.9 + 0.15 * sand)
    t = (y - horizon) / float(beach - horizon)
    sea = gradient([(0, (30, 90, 150)), (1, (70, 170, 190))], t)
    wave = math.sin(x / (6 + 20 * (1 - t)) + y * 0.9 + 3 * value_noise(x, y, 8, 4, 400, 300, 19))
    sea = mix(sea, (220, 240, 250), smoothstep(0.93, 1.0, wave) * 0.6)
    foam = 1 - smoothstep(0, 4, beach - y)
    return mix(sea, (250, 250, 245), foam)


def scene_night_city(x, y):
    sky = gradient([(0, (5, 8, 28)), (0.7, (30, 30, 80)), (1, (80, 50, 90))], y / 300.0)
    c = mix(sky, (255, 255, 235), star_field(x, y, 0.004, 41) * (1 - y / 220.0))
    moon = math.hypot(x - 80, y - 60)
    c = mix(c, (250, 245, 215), 1 - smoothstep(18, 20, moon))
    c = mix(c, (120, 120, 160), (1 - smoothstep(20, 70, moon)) * 0.25)
    # a skyline of blocks of repeatable random widths and heights
    bx = 0
    i = 0
    while bx <= x:
        w = 24 + int(hash01(i, 0, 51) * 30)
        if x < bx + w:
            top = 150 + int(hash01(i, 1, 51) * 90)
            if y >= top:
                body = shade((28, 26, 44), 0.8 + 0.4 * hash01(i, 2, 51))
                wx, wy = (x - bx) % 8, (y - top) % 10
                lit = hash01((x - bx) // 8 + i * 7, (y - top) // 10, 53) < 0.35
                if 2 <= wx <= 5 and 3 <= wy <= 7 and x - bx > 2 and x - bx < w - 3 and lit:
                    return (250, 210, 110)
                return body
            break
        bx += w
        i += 1
    return c


BACKGROUNDS = [
    ("banner_sky.bmp", 468, 60, banner_sky),
    ("banner_sunset.bmp", 468, 60, banner_sunset),
    ("banner_night_stars.bmp", 468, 60, banner_stars),
    ("banner_paper.bmp", 468, 60, banner_paper),
    ("banner_metal.bmp", 468, 60, banner_metal),
    ("scene_meadow.bmp", 400, 300, scene_meadow),
    ("scene_seaside.bmp", 400, 300, scene_seaside),
    ("scene_night_city.bmp", 400, 300, scene_night_city),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, w, h, fn in BACKGROUNDS:
        path = os.path.join(OUT, name)
        write_bmp(path, w, h, fn)
        print("%s  %dx%d" % (os.path.relpath(path), w, h))


if __name__ == "__main__":
    main()
