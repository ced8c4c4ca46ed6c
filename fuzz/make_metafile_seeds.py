#!/usr/bin/env python3
"""Writes the seed metafiles of fuzz/corpus/wmf and fuzz/corpus/emf: small
files using every record kind the player knows."""
import os, struct

here = os.path.dirname(os.path.abspath(__file__))

def w16(*v): return b''.join(struct.pack('<h' if x < 0 else '<H', x) for x in v)

def wmf(records, objects=8, placeable=None):
    body = b''
    maxrec = 0
    for fn, params in records:
        if len(params) % 2: params += b'\0'
        size = 3 + len(params) // 2
        maxrec = max(maxrec, size)
        body += struct.pack('<IH', size, fn) + params
    body += struct.pack('<IH', 3, 0)
    head = struct.pack('<HHHIHIH', 1, 9, 0x300, 9 + len(body) // 2, objects, maxrec, 0)
    pre = b''
    if placeable:
        l, t, r, b, inch = placeable
        pre = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, l, t, r, b, inch, 0)
        s = 0
        for i in range(0, len(pre), 2): s ^= struct.unpack('<H', pre[i:i+2])[0]
        pre += struct.pack('<H', s)
    return pre + head + body

def dib24(w, h):
    stride = (w * 3 + 3) // 4 * 4
    rows = b''.join(bytes((x * 40 + y * 70) % 256 for x in range(stride)) for y in range(h))
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(rows), 0, 0, 0, 0) + rows

def font(height, face):
    return w16(height & 0xFFFF, 0, 0, 0, 700) + bytes([1, 1, 0, 0, 0, 0, 0, 0]) + face.ljust(32, b'\0')

shapes = [
    (0x020B, w16(0, 0)), (0x020C, w16(40, 60)),
    (0x02FA, w16(0, 2, 0) + struct.pack('<I', 0x0000FF)),
    (0x02FC, w16(2) + struct.pack('<I', 0x00FF00) + w16(3)),
    (0x02FB, font(-12, b'Arial')),
    (0x012D, w16(0)), (0x012D, w16(1)), (0x012D, w16(2)),
    (0x0214, w16(5, 5)), (0x0213, w16(30, 50)),
    (0x041B, w16(20, 20, 2, 2)), (0x0418, w16(38, 58, 22, 22)),
    (0x061C, w16(30, 10, 4, 4, 30, 10)),
    (0x0325, w16(3, 1, 1, 10, 30, 50, 1)), (0x0324, w16(3, 5, 35, 25, 38, 15, 20)),
    (0x0538, w16(2, 3, 3, 0, 0, 20, 0, 0, 20, 5, 5, 10, 5, 5, 10)),
    (0x0817, w16(0, 20, 20, 40, 40, 40, 0, 0)), (0x081A, w16(0, 20, 20, 40, 40, 40, 0, 0)),
    (0x0830, w16(10, 0, 30, 40, 38, 58, 22, 22)),
    (0x041F, struct.pack('<I', 0xFF) + w16(3, 3)),
    (0x0209, struct.pack('<I', 0xFF0000)), (0x0201, struct.pack('<I', 0x00FFFF)), (0x0102, w16(2)),
    (0x012E, w16(24)), (0x0521, w16(3) + b'Hi!\0' + w16(30, 5)),
    (0x0A32, w16(40, 5, 4, 2, 0, 35, 30, 45) + b'Text'),
    (0x001E, b''), (0x01F0, w16(1)), (0x02FC, w16(0) + struct.pack('<I', 0xFF00FF) + w16(0)),
    (0x0127, w16(0xFFFF)), (0x0104, w16(7)), (0x041B, w16(50, 30, 40, 10)),
    (0x061D, struct.pack('<I', 0x00F00021) + w16(5, 5, 0, 0)),
    (0x0F43, struct.pack('<I', 0x00CC0020) + w16(0, 2, 3, 0, 0, 6, 9, 50, 30) + dib24(3, 2)),
    (0x0940, struct.pack('<I', 0x00CC0020) + w16(0, 0, 2, 3, 40, 30) + dib24(3, 2)),
    (0x0B41, struct.pack('<I', 0x00CC0020) + w16(2, 3, 0, 0, 0, 8, 8, 40, 0)),
    (0x0142, w16(5, 0) + dib24(8, 8)), (0x06FF, w16(0, 0, 0, 0)),
    (0x0626, w16(15, 4) + b'abcd'),
]
os.makedirs(os.path.join(here, 'corpus', 'wmf'), exist_ok=True)
open(os.path.join(here, 'corpus', 'wmf', 'shapes-placeable.wmf'), 'wb').write(wmf(shapes, 8, (0, 0, 40, 60, 96)))
open(os.path.join(here, 'corpus', 'wmf', 'shapes-plain.wmf'), 'wb').write(wmf(shapes, 8))
open(os.path.join(here, 'corpus', 'wmf', 'text-only.wmf'), 'wb').write(
    wmf([(0x020C, w16(20, 80)), (0x02FB, font(-14, b'Times New Roman')), (0x012D, w16(0)),
         (0x0521, w16(5) + b'Hello\0' + w16(2, 2))], 2, (0, 0, 80, 20, 96)))

def emf(records, frame=(0, 0, 1058, 1587), handles=8):
    body = b''
    for t, params in records:
        while len(params) % 4: params += b'\0'
        body += struct.pack('<II', t, 8 + len(params)) + params
    body += struct.pack('<IIIII', 14, 20, 0, 0, 20)
    fl, ft, fr, fb = frame
    head = struct.pack('<II4i4iIIIIHHIII2i2i', 1, 88, 0, 0, fr * 96 // 2540, fb * 96 // 2540,
                       fl, ft, fr, fb, 0x464D4520, 0x10000, 88 + len(body), len(records) + 2,
                       handles, 0, 0, 0, 0, 960, 960, 254, 254)
    return head + body

def i32(*v): return struct.pack('<%di' % len(v), *v)
def u32(*v): return struct.pack('<%dI' % len(v), *v)

def emrtext(x, y, text, wide):
    data = text.encode('utf-16-le') if wide else text.encode('latin-1')
    off = 8 + 16 + 12 + 40
    return i32(0, 0, 0, 0) + u32(1) + struct.pack('<ff', 1, 1) + i32(x, y) + u32(len(text), off, 2) + i32(0, 0, 20, 10) + u32(0) + data

d24 = dib24(2, 2)
emf_records = [
    (17, u32(8)), (9, i32(40, 60)), (10, i32(0, 0)), (11, i32(40, 60)), (12, i32(0, 0)),
    (38, u32(1, 0) + i32(2, 0) + u32(0xFF)), (39, u32(2, 2, 0xFF00, 4)), (37, u32(1)), (37, u32(2)),
    (82, u32(3) + i32(-12, 0, 0, 0, 400) + bytes(8) + 'Arial'.encode('utf-16-le').ljust(64, b'\0')),
    (37, u32(3)),
    (27, i32(1, 1)), (54, i32(30, 40)), (43, i32(2, 2, 20, 20)), (42, i32(22, 22, 38, 38)),
    (44, i32(2, 30, 30, 50, 8, 8)), (45, i32(0, 0, 40, 40, 40, 20, 20, 0)),
    (46, i32(0, 0, 40, 40, 0, 20, 40, 20)), (47, i32(0, 20, 40, 60, 40, 40, 20, 20)),
    (3, i32(0, 0, 0, 0) + u32(3) + i32(0, 0, 10, 0, 0, 10)),
    (4, i32(0, 0, 0, 0) + u32(3) + i32(0, 50, 10, 55, 20, 50)),
    (86, i32(0, 0, 0, 0) + u32(3) + w16(5, 5, 15, 5, 5, 15)),
    (87, i32(0, 0, 0, 0) + u32(2) + w16(1, 58, 39, 58)),
    (2, i32(0, 0, 0, 0) + u32(4) + i32(0, 0, 10, 20, 30, 20, 40, 0)),
    (5, i32(0, 0, 0, 0) + u32(3) + i32(10, 20, 30, 20, 40, 0)),
    (6, i32(0, 0, 0, 0) + u32(2) + i32(5, 5, 35, 35)),
    (8, i32(0, 0, 0, 0) + u32(2, 8, 4, 4) + i32(0, 0, 20, 0, 20, 20, 0, 20, 5, 5, 10, 5, 10, 10, 5, 10)),
    (91, i32(0, 0, 0, 0) + u32(2, 6, 3, 3) + w16(0, 0, 20, 0, 0, 20, 5, 5, 10, 5, 5, 10)),
    (7, i32(0, 0, 0, 0) + u32(2, 4, 2, 2) + i32(0, 0, 5, 5, 10, 10, 15, 15)),
    (15, i32(3, 3) + u32(0xFF)), (18, u32(1)), (24, u32(0xFF0000)), (25, u32(0xFFFF)),
    (22, u32(24)), (84, emrtext(4, 40, 'Hello', True)), (83, emrtext(4, 50, 'Hi', False)),
    (33, b''), (35, struct.pack('<6f', 1.5, 0, 0, 1.5, 2, 2)), (43, i32(0, 0, 4, 4)),
    (36, struct.pack('<6f', 1, 0.2, 0, 1, 0, 0) + u32(2)), (34, i32(-1)),
    (59, b''), (27, i32(10, 10)), (54, i32(30, 10)), (54, i32(30, 30)), (61, b''), (60, b''),
    (63, i32(0, 0, 0, 0)),
    (59, b''), (3, i32(0, 0, 0, 0) + u32(3) + i32(0, 0, 10, 0, 0, 10)), (60, b''), (64, i32(0, 0, 0, 0)),
    (81, i32(0, 0, 0, 0) + i32(10, 10, 0, 0, 2, 2) + u32(80, 40, 120, len(d24) - 40, 0, 0x00CC0020) + i32(8, 8) + d24),
    (76, i32(0, 0, 0, 0) + i32(20, 20, 2, 2) + u32(0x00CC0020) + i32(0, 0) + struct.pack('<6f', 1, 0, 0, 1, 0, 0) + u32(0, 0, 100, 40, 140, len(d24) - 40) + d24),
    (77, i32(0, 0, 0, 0) + i32(20, 30, 6, 6) + u32(0x00CC0020) + i32(0, 0) + struct.pack('<6f', 1, 0, 0, 1, 0, 0) + u32(0, 0, 108, 40, 148, len(d24) - 40) + i32(2, 2) + d24),
    (80, i32(0, 0, 0, 0) + i32(30, 50, 0, 0, 2, 2) + u32(76, 40, 116, len(d24) - 40, 0, 0, 2) + d24),
    (94, u32(4, 0, 32, 40, 72, len(dib24(8, 8)) - 40) + dib24(8, 8)), (37, u32(4)),
    (95, u32(5, 0, 0, 0, 0) + u32(0, 3, 0, 0xFF00FF, 0, 0)), (37, u32(5)),
    (37, u32(0x80000005)), (37, u32(0x80000007)), (40, u32(1)), (49, u32(6, 0x300, 0)),
    (20, u32(7)), (21, u32(3)), (13, i32(0, 0)), (70, u32(4) + b'cmnt'), (99, u32(1, 2, 3)),
]
os.makedirs(os.path.join(here, 'corpus', 'emf'), exist_ok=True)
open(os.path.join(here, 'corpus', 'emf', 'all-records.emf'), 'wb').write(emf(emf_records))
open(os.path.join(here, 'corpus', 'emf', 'metric.emf'), 'wb').write(
    emf([(17, u32(2)), (39, u32(1, 0, 0xFF, 0)), (37, u32(1)), (43, i32(100, -100, 800, -900))], (0, 0, 1000, 1000)))
open(os.path.join(here, 'corpus', 'emf', 'text.emf'), 'wb').write(
    emf([(84, emrtext(2, 2, 'Grüße', True))], (0, 0, 2000, 500)))
