#!/usr/bin/env python3
"""Turns the help page sources in resources/help/*.txt into the RTF pages the studio shows.

The pages use only plain RTF that a small reader copes with: a font table, a colour table,
\\pard, \\ql / \\qc, \\f, \\fs, \\b, \\i, \\cf, \\par and \\'hh escapes. Source markup:

    # Title                 centred page title
    ## Heading              section heading
    ### Subheading          smaller heading
    - item                  bullet line
      - item                sub-bullet (two blanks before the dash)
    1. step                 numbered line (the number is kept)
    > tip                   a tip paragraph
    blank line              ends a paragraph; other lines are joined into one paragraph
    **bold**  __italic__  `file name`   inline styles

Run from anywhere:  python3 resources/tools/make_help.py
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "..", "help")
OUT = os.path.join(HERE, "..")

FONTS = r"{\fonttbl{\f0 Arial;}{\f1 Courier New;}}"
# 1 title, 2 heading, 3 subheading, 4 tip, 5 footer, 6 bullet mark
COLOURS = (r"{\colortbl;\red24\green62\blue110;\red36\green104\blue184;"
           r"\red176\green84\blue16;\red34\green120\blue64;\red100\green108\blue118;"
           r"\red47\green127\blue216;}")
BODY = r"\f0\fs20\cf0 "
FOOTER = ("Quillmoor help. Questions and missing pages: support@quillmoor.example")

ALLOWED_WORDS = {"rtf", "ansi", "deff", "fonttbl", "colortbl", "f", "fs", "b", "i", "ul",
                 "ulnone", "cf", "par", "pard", "ql", "qc", "qr", "red", "green", "blue"}


def escape(text):
    """Plain text to RTF: specials and everything outside ASCII become \\'hh escapes."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}" or code > 126:
            try:
                byte = ch.encode("cp1252")
            except UnicodeEncodeError:
                sys.exit("character %r has no Windows-1252 code" % ch)
            out.append("\\'%02x" % byte[0])
        else:
            out.append(ch)
    return "".join(out)


def inline(text):
    """Escape a line and apply **bold**, __italic__ and `file name` styles."""
    parts = re.split(r"(\*\*.+?\*\*|__.+?__|`.+?`)", text)
    out = []
    for p in parts:
        if p.startswith("**") and p.endswith("**") and len(p) > 4:
            out.append(r"{\b " + escape(p[2:-2]) + "}")
        elif p.startswith("__") and p.endswith("__") and len(p) > 4:
            out.append(r"{\i " + escape(p[2:-2]) + "}")
        elif p.startswith("`") and p.endswith("`") and len(p) > 2:
            out.append(r"{\f1 " + escape(p[1:-1]) + "}")
        else:
            out.append(escape(p))
    return "".join(out)


def para(body, align="ql"):
    return "\\pard\\%s%s%s\\par\n" % (align, BODY, body)


def convert(source):
    lines = open(source, encoding="utf-8").read().splitlines()
    out = ["{\\rtf1\\ansi\\deff0" + FONTS + COLOURS + "\n"]
    pending = []  # lines of the paragraph being collected

    def flush():
        if pending:
            out.append(para(inline(" ".join(pending))))
            out.append(para(""))
            pending.clear()

    previous_was_list = False
    for raw in lines:
        line = raw.rstrip()
        is_list = (line.startswith("- ") or line.startswith("  - ")
                   or re.match(r"^\d+\. ", line) is not None)
        if previous_was_list and not is_list:
            out.append(para(""))  # a gap after a list
        previous_was_list = is_list
        if not line:
            flush()
        elif line.startswith("### "):
            flush()
            out.append(para(r"{\b\fs22\cf3 " + inline(line[4:]) + "}"))
        elif line.startswith("## "):
            flush()
            out.append(para(r"{\b\fs28\cf2 " + inline(line[3:]) + "}"))
        elif line.startswith("# "):
            flush()
            out.append(para(r"{\b\fs40\cf1 " + inline(line[2:]) + "}", "qc"))
            out.append(para(""))
        elif line.startswith("- "):
            flush()
            out.append(para(r"    {\cf6\'95}  " + inline(line[2:])))
        elif line.startswith("  - "):
            flush()
            out.append(para(r"            {\cf6\'96}  " + inline(line[4:])))
        elif is_list:  # numbered
            flush()
            number, rest = line.split(" ", 1)
            out.append(para(r"    {\b\cf6 " + escape(number) + "}  " + inline(rest)))
        elif line.startswith("> "):
            flush()
            out.append(para(r"{\i\cf4 " + inline(line[2:]) + "}"))
            out.append(para(""))
        else:
            pending.append(line)
    flush()
    out.append(para(r"{\i\fs16\cf5 " + escape(FOOTER) + "}", "qc"))
    out.append("}\n")
    return "".join(out)


def check(rtf, name):
    """Refuse anything a simple reader might trip over."""
    depth = 0
    for i, ch in enumerate(rtf):
        if ch == "{" and rtf[i - 1] != "\\":
            depth += 1
        elif ch == "}" and rtf[i - 1] != "\\":
            depth -= 1
            if depth < 0:
                sys.exit("%s: unbalanced braces" % name)
    if depth != 0:
        sys.exit("%s: unbalanced braces" % name)
    for word in re.findall(r"\\([a-z]+)-?\d*", rtf):
        if word not in ALLOWED_WORDS:
            sys.exit("%s: control word \\%s is not in the plain set" % (name, word))


def main():
    names = sorted(f for f in os.listdir(SOURCES) if f.endswith(".txt"))
    for f in names:
        rtf = convert(os.path.join(SOURCES, f))
        out_name = f[:-4] + ".RTF"
        check(rtf, out_name)
        with open(os.path.join(OUT, out_name), "w", encoding="ascii", newline="\r\n") as h:
            h.write(rtf)
        print("%s  %d bytes" % (out_name, len(rtf)))


if __name__ == "__main__":
    main()
