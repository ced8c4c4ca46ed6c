"""Writing 24-bit Windows bitmaps and the small colour helpers the generators share.

Standard library only, so the pictures can be rebuilt on any machine with Python 3.
"""
import math
import struct


def write_bmp(path, width, height, pixel):
    """Write a bottom-up 24-bit BMP; pixel(x, y) returns (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    pad = bytes(row_size - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = (clamp_byte(c) for c in pixel(x, y))
            row += bytes((b, g, r))
        rows.append(bytes(row) + pad)
    image = b"".join(rows)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    # 2835 pixels per metre is 72 dpi, what paint programs usually write.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image),
                              2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(file_header + info_header + image)


def clamp_byte(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    """Linear mix of two colours, t = 0 gives a, t = 1 gives b."""
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(c, f):
    """Scale a colour's brightness by f (1 = unchanged)."""
    return tuple(v * f for v in c)


def smoothstep(e0, e1, x):
    if e1 == e0:
        return 0.0 if x < e0 else 1.0
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def hash01(x, y, seed=0):
    """A repeatable pseudo-random number in [0, 1) for an integer lattice point."""
    h = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFFFF) / float(0x1000000)


def value_noise(x, y, cells_x, cells_y, period_x, period_y, seed=0):
    """Smooth noise that repeats every period_x by period_y pixels (cells_* lattice cells)."""
    fx = x * cells_x / period_x
    fy = y * cells_y / period_y
    x0, y0 = int(math.floor(fx)), int(math.floor(fy))
    tx, ty = fx - x0, fy - y0
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)

    def corner(i, j):
        return hash01(i % cells_x, j % cells_y, seed)

    top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * tx
    bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * tx
    return top + (bottom - top) * ty


def fractal_noise(x, y, period_x, period_y, base_cells=2, octaves=4, seed=0):
    """Several octaves of value_noise, still repeating every period, in [0, 1]."""
    total, amp, norm = 0.0, 1.0, 0.0
    cells = base_cells
    for o in range(octaves):
        total += amp * value_noise(x, y, cells, cells, period_x, period_y, seed + o * 17)
        norm += amp
        amp *= 0.5
        cells *= 2
    return total / norm
