#!/usr/bin/env python3
"""Checks the files installed beside the executable.

The studio opens help pages by their exact names, cuts a 9 x 9 swatch out of every
pattern tile at (8, 8) and loads button glyphs through Qt SVG; a wrong name, a tile that
is too small, RTF a simple reader cannot follow or SVG features Qt SVG ignores would only
show up at run time, so they are caught here.

Usage: check_resources.py <resources folder>
"""
import os
import re
import struct
import sys
import xml.etree.ElementTree as ET

HELP_PAGES = [
    "Getting Started.RTF", "PAINTHELP.RTF", "Paste Panel.RTF", "Animation Magic.RTF",
    "Animation Wizard.RTF", "Movie Wizard.RTF", "Multimedia Player.RTF", "Support.RTF",
    "Zoom and Camera.RTF", "Web Pages.RTF", "Print and FAX.RTF", "Animation Preview.RTF",
    "Handling Frames.RTF",
]
PLAIN_RTF_WORDS = {"rtf", "ansi", "deff", "fonttbl", "colortbl", "f", "fs", "b", "i", "ul",
                   "ulnone", "cf", "par", "pard", "ql", "qc", "qr", "red", "green", "blue"}
GLYPH_COLOURS = {"#2E3A48", "#2F7FD8", "#CFE3F8", "#F08C2E", "#F5C330", "#3BA55C",
                 "#E04848", "#9AA6B2", "#FFFFFF"}
UNSUPPORTED_SVG = {"clipPath", "mask", "filter", "style", "pattern", "image", "text",
                   "foreignObject", "marker"}

failures = []


def fail(message):
    failures.append(message)


def check_help(root):
    sys.dont_write_bytecode = True  # keep the source tree clean
    sys.path.insert(0, os.path.join(root, "tools"))
    import make_help  # the generator: the committed pages must match their sources

    present = set(os.listdir(root))
    for name in HELP_PAGES:
        if name not in present:
            fail("help page missing: %s" % name)
            continue
        data = open(os.path.join(root, name), "rb").read()
        try:
            rtf = data.decode("ascii")
        except UnicodeDecodeError:
            fail("%s: not 7-bit ASCII" % name)
            continue
        if not rtf.startswith("{\\rtf1\\ansi"):
            fail("%s: does not start with {\\rtf1\\ansi" % name)
        depth = 0
        for ch in rtf:
            depth += {"{": 1, "}": -1}.get(ch, 0)
            if depth < 0:
                break
        if depth != 0:
            fail("%s: unbalanced braces" % name)
        words = set(re.findall(r"\\([a-z]+)", rtf)) - PLAIN_RTF_WORDS
        if words:
            fail("%s: control words beyond plain RTF: %s" % (name, sorted(words)))
        if "support@quillmoor.example" not in rtf:
            fail("%s: no support address" % name)
        source = os.path.join(root, "help", name[:-4] + ".txt")
        if not os.path.exists(source):
            fail("%s: no source %s" % (name, source))
        elif make_help.convert(source).replace("\n", "\r\n") != rtf:
            fail("%s: out of date, run tools/make_help.py" % name)
    extra = {f for f in present if f.upper().endswith(".RTF")} - set(HELP_PAGES)
    if extra:
        fail("unexpected help pages: %s" % sorted(extra))


def bmp_info(path):
    data = open(path, "rb").read()
    if len(data) < 54 or data[:2] != b"BM":
        return None
    offset, = struct.unpack_from("<I", data, 10)
    _, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    row = (width * bits // 8 + 3) & ~3
    if offset + row * abs(height) > len(data):
        return None
    return width, height, bits, compression


def check_bitmaps(root):
    for n in range(1, 17):
        path = os.path.join(root, "bin", "b%d.bmp" % n)
        info = bmp_info(path) if os.path.exists(path) else None
        if info is None:
            fail("pattern b%d.bmp missing or not a bitmap" % n)
            continue
        w, h, bits, compression = info
        if bits != 24 or compression != 0:
            fail("b%d.bmp: %d-bit, compression %d; true colour wanted" % (n, bits, compression))
        if w < 17 or abs(h) < 17 or w > 64 or abs(h) > 64:
            fail("b%d.bmp: %d x %d; the swatch needs pixels 8..16 of a small tile" % (n, w, h))
    wiz = os.path.join(root, "bin", "wiz")
    names = sorted(os.listdir(wiz)) if os.path.isdir(wiz) else []
    if not any(f.startswith("banner_") for f in names) or not any(
            f.startswith("scene_") for f in names):
        fail("bin/wiz needs banner and scene samples")
    for f in names:
        info = bmp_info(os.path.join(wiz, f))
        want = (468, 60) if f.startswith("banner_") else (400, 300)
        if info is None or info[2] != 24 or (info[0], abs(info[1])) != want:
            fail("bin/wiz/%s: not a 24-bit %d x %d bitmap" % (f, want[0], want[1]))


def check_glyphs(root):
    folder = os.path.join(root, "glyphs")
    files = sorted(f for f in os.listdir(folder) if f.endswith(".svg"))
    index = open(os.path.join(folder, "INDEX.md"), encoding="utf-8").read()
    listed = set(re.findall(r"`([a-z0-9-]+\.svg)`", index))
    if listed != set(files):
        fail("glyphs/INDEX.md and the glyph files differ: %s"
             % sorted(listed.symmetric_difference(files)))
    if "quillmoor.svg" not in files:
        fail("application icon glyphs/quillmoor.svg missing")
    for f in files:
        try:
            tree = ET.parse(os.path.join(folder, f))
        except ET.ParseError as e:
            fail("glyphs/%s: %s" % (f, e))
            continue
        svg = tree.getroot()
        if svg.get("viewBox") != "0 0 24 24":
            fail("glyphs/%s: viewBox is not 0 0 24 24" % f)
        for el in svg.iter():
            tag = el.tag.split("}")[-1]
            if tag in UNSUPPORTED_SVG:
                fail("glyphs/%s: <%s> is not rendered by Qt SVG" % (f, tag))
            for attr in ("fill", "stroke", "stop-color"):
                v = el.get(attr)
                if v and v.startswith("#") and v.upper() not in GLYPH_COLOURS:
                    fail("glyphs/%s: colour %s is outside the glyph palette" % (f, v))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
    check_help(root)
    check_bitmaps(root)
    check_glyphs(root)
    for m in failures:
        print("FAIL:", m)
    if not failures:
        print("resources OK")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
