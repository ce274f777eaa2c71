#!/usr/bin/env python3
"""Build resources/font/SegoeUI.ttf, the UI font embedded in Pellora.

The font is DejaVu Sans (Debian package fonts-dejavu-core), subset to Latin
and renamed.  Its licence (Bitstream Vera terms) allows modified copies only
under a name without "Bitstream" or "Vera", so every family/full/PostScript
name record is replaced; the copyright and licence records are kept as they
are, and the licence text ships beside the font as LICENSE-DejaVu.txt.
"""
import os
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SRC = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
LICENCE_SRC = "/usr/share/doc/fonts-dejavu-core/copyright"

FAMILY = "Segoe UI"
STYLE = "Regular"
PS_NAME = "SegoeUI"

# Basic Latin, Latin-1, Latin Extended-A, a few spacing modifiers and
# Greek letters used in units, general punctuation, currency signs,
# letterlike symbols, arrows and a handful of math/box/shape characters
# (roughly WGL4 without the Cyrillic/Greek blocks).
UNICODES = (
    list(range(0x0020, 0x007F)) +
    list(range(0x00A0, 0x0180)) +
    [0x0192, 0x02C6, 0x02C7, 0x02C9, 0x02D8, 0x02D9, 0x02DA, 0x02DB, 0x02DC, 0x02DD,
     0x0394, 0x03A9, 0x03BC, 0x03C0] +
    list(range(0x2010, 0x2027)) + list(range(0x2030, 0x203B)) +
    [0x2044, 0x20AC, 0x2113, 0x2116, 0x2122, 0x2126, 0x212E] +
    list(range(0x2190, 0x2196)) +
    [0x2202, 0x2206, 0x220F, 0x2211, 0x2212, 0x2215, 0x2219, 0x221A, 0x221E,
     0x222B, 0x2248, 0x2260, 0x2264, 0x2265, 0x22C5, 0x2500, 0x2502,
     0x25A0, 0x25A1, 0x25B2, 0x25B6, 0x25BC, 0x25C0, 0x25CF, 0x2713, 0x2714,
     0x2715, 0x2717, 0x2026, 0xFFFD]
)

# name IDs rewritten; everything else (copyright 0, version 5, licence
# 13/14, designer, URLs) is kept.
NAMES = {
    1: FAMILY,
    2: STYLE,
    3: "Pellora: %s %s" % (FAMILY, STYLE),
    4: FAMILY,
    6: PS_NAME,
}
DROP = (16, 17, 18, 21, 22)   # typographic / compatible-full / WWS names
FORBIDDEN = ("bitstream", "vera", "dejavu")


def build(out_dir):
    font = TTFont(SRC, recalcTimestamp=False)  # same input, same bytes
    opts = subset.Options()
    opts.hinting = True
    opts.name_IDs = ["*"]
    opts.name_languages = ["*"]
    opts.name_legacy = True
    opts.notdef_outline = True
    opts.glyph_names = False
    opts.layout_features = ["kern", "liga", "ccmp", "locl", "mark", "mkmk"]
    opts.drop_tables += ["FFTM", "MATH"]
    s = subset.Subsetter(options=opts)
    s.populate(unicodes=UNICODES)
    s.subset(font)

    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in DROP]
    for nid, text in NAMES.items():
        name.removeNames(nameID=nid)
        name.setName(text, nid, 3, 1, 0x409)
        name.setName(text, nid, 1, 0, 0)

    for n in name.names:
        if n.nameID in (1, 2, 3, 4, 6, 16, 17, 18, 21, 22):
            low = n.toUnicode().lower()
            for w in FORBIDDEN:
                if w in low:
                    raise SystemExit("name %d still says %r" % (n.nameID, n.toUnicode()))

    os.makedirs(out_dir, exist_ok=True)
    path = os.path.join(out_dir, "SegoeUI.ttf")
    font.save(path)
    shutil.copyfile(LICENCE_SRC, os.path.join(out_dir, "LICENSE-DejaVu.txt"))
    print("wrote %s (%d bytes, %d glyphs)" % (path, os.path.getsize(path),
                                              len(font.getGlyphOrder())))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "font")
    build(out)


if __name__ == "__main__":
    main()
