#!/usr/bin/env python3
"""Draws the skins we ship with Tarnwick: writes skins/<name>/<name>.skin and its bitmaps.

Only the standard library is used, so the pictures can be remade anywhere:
    python3 tools/make-skins.py            (writes into skins/ beside tools/)
    python3 tools/make-skins.py OUTDIR
The bitmaps are plain 24-bit BMP files, bottom-up, without compression.
"""

import os
import struct
import sys

AUTHOR = "Tarnwick developers"


# ---------------------------------------------------------------- bitmaps and colours

def write_bmp(path, width, height, pixel):
    """Writes a 24-bit BMP; pixel(x, y) gives (r, g, b) with y = 0 the top row."""
    row_size = (width * 3 + 3) & ~3
    padding = bytes(row_size - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + padding)
    data = b"".join(rows)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data),
                              2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(file_header + info_header + data)


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


def shade(c, f):
    """Lighter for f > 0 (towards white), darker for f < 0 (towards black)."""
    return mix(c, (255, 255, 255), f) if f >= 0 else mix(c, (0, 0, 0), -f)


def skin_color(c):
    """A colour as the skin files write it: "$" and 0x00BBGGRR in eight hex digits."""
    r, g, b = c
    return "$%08X" % (r | g << 8 | b << 16)


# ---------------------------------------------------------------- skin files

def indicator_section(number, ind):
    lines = ["[indicator%d]" % number]
    x1, y1, x2, y2 = ind["rect"]
    lines += ["x1=%d" % x1, "y1=%d" % y1, "x2=%d" % x2, "y2=%d" % y2]
    lines += ["font-name=%s" % ind.get("font", "DejaVu Sans"),
              "font-color=%s" % skin_color(ind.get("font_color", (255, 255, 255))),
              "font-size=%d" % ind.get("font_size", 8),
              "font-style=%s" % ind.get("font_style", "")]
    lines += ["graphic=%d" % (1 if ind.get("picture") else 0),
              "picture=%s" % ind.get("picture", ""),
              "ground=%s" % skin_color(ind["ground"]),
              "progress=%s" % skin_color(ind["progress"])]
    if number < 3:
        lines.append("orientation=%s" % ind.get("orientation", "horizontal"))
    else:
        lines.append("direction=%s" % ind.get("direction", "up"))
    lines.append("textangle=%d" % ind.get("textangle", 0))
    return lines


def write_skin(folder, skin):
    lines = ["[skin]", "name=%s" % skin["name"], "author=%s" % AUTHOR, "programversion=3.0",
             "[info]", "count=%d" % len(skin["info"])]
    lines += ["line%d=%s" % (i + 1, text) for i, text in enumerate(skin["info"])]
    transparent = skin.get("transparent")
    lines += ["[window]", "width=%d" % skin["width"], "height=%d" % skin["height"],
              "background=%s" % skin_color(skin["background"]),
              "transparent=%d" % (1 if transparent else 0),
              "transparentcolor=%s" % skin_color(transparent or (0, 0, 0)),
              "icons=%s" % skin.get("icons", "")]
    for number, ind in enumerate(skin["indicators"], start=1):
        lines += indicator_section(number, ind)
    with open(os.path.join(folder, skin["file"]), "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- Graphite: flat colours

def graphite(folder):
    write_skin(folder, {
        "file": "graphite.skin", "name": "Graphite",
        "info": ["Two slim gauges on dark graphite, in flat colours.",
                 "Blue for the first measure, orange for the second, a green diagram."],
        "width": 120, "height": 44, "background": (24, 26, 30),
        "indicators": [
            {"rect": (3, 3, 116, 20), "ground": (46, 50, 58), "progress": (58, 150, 214),
             "font_style": "bold"},
            {"rect": (3, 23, 116, 40), "ground": (46, 50, 58), "progress": (232, 118, 56),
             "font_style": "bold"},
            {"rect": (3, 3, 116, 40), "ground": (36, 40, 46), "progress": (84, 196, 136),
             "font_style": "bold"},
        ],
    })


# ---------------------------------------------------------------- Ember: pictures

def gauge_picture(path, width, height, low, high):
    """A horizontal gauge of width x height: the empty bar above, the glowing bar below,
    its colour running from low at the left to high at the right."""
    edge = (86, 72, 70)

    def ground(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return edge
        base = mix((30, 26, 30), (50, 44, 48), y / (height - 1))
        # tenths marks along the bottom, to read the level at a glance
        for i in range(1, 10):
            if x == round(i * (width - 1) / 10) and y >= height - 5:
                return shade(base, 0.25)
        return base

    def progress(x, y):
        c = mix(low, high, x / (width - 1))
        if x in (0, width - 1) or y in (0, height - 1):
            return shade(c, -0.45)
        t = y / (height - 1)
        if t < 0.45:  # a soft gloss over the upper part
            return shade(c, 0.40 * (1 - t / 0.45))
        return shade(c, -0.25 * (t - 0.45) / 0.55)

    write_bmp(path, width, 2 * height, lambda x, y: ground(x, y) if y < height
              else progress(x, y - height))


def diagram_picture(path, width, height):
    """The diagram: a dark grid above, and below the colours its columns are cut from,
    amber at the bottom turning red towards the top."""
    grid = (48, 40, 44)

    def ground(x, y):
        if x in (0, width - 1) or y in (0, height - 1):
            return (86, 72, 70)
        if any(y == round(i * (height - 1) / 4) for i in (1, 2, 3)) and x % 2 == 0:
            return grid
        if x % 20 == 0 and y % 2 == 0:
            return grid
        return (24, 20, 24)

    def progress(x, y):
        t = 1 - y / (height - 1)  # 0 at the bottom, 1 at the top
        c = mix((255, 196, 64), (228, 48, 36), t)
        return shade(c, -0.2) if x % 2 else c

    write_bmp(path, width, 2 * height, lambda x, y: ground(x, y) if y < height
              else progress(x, y - height))


def ember(folder):
    gauge_picture(os.path.join(folder, "ember-gauge1.bmp"), 142, 24,
                  (255, 200, 70), (224, 48, 32))
    gauge_picture(os.path.join(folder, "ember-gauge2.bmp"), 142, 24,
                  (255, 232, 140), (244, 132, 36))
    diagram_picture(os.path.join(folder, "ember-diagram.bmp"), 142, 52)
    cream = (255, 242, 224)
    write_skin(folder, {
        "file": "ember.skin", "name": "Ember",
        "info": ["Glowing bars drawn from pictures: amber to red, gold to orange.",
                 "The diagram's columns turn red as they grow."],
        "width": 150, "height": 60, "background": (18, 16, 20),
        "indicators": [
            {"rect": (4, 4, 145, 27), "picture": "ember-gauge1.bmp", "ground": (40, 36, 40),
             "progress": (240, 120, 50), "font_color": cream, "font_size": 9,
             "font_style": "bold"},
            {"rect": (4, 32, 145, 55), "picture": "ember-gauge2.bmp", "ground": (40, 36, 40),
             "progress": (250, 180, 80), "font_color": cream, "font_size": 9,
             "font_style": "bold"},
            {"rect": (4, 4, 145, 55), "picture": "ember-diagram.bmp", "ground": (24, 20, 24),
             "progress": (240, 120, 50), "font_color": cream, "font_size": 9,
             "font_style": "bold"},
        ],
    })


# ---------------------------------------------------------------- Tidepool: its own tray strip

# Digits of six by ten pixels with strokes two pixels thick; the one of 100 is a plain bar.
DIGITS = {
    "0": [".####.", "######", "##..##", "##..##", "##..##",
          "##..##", "##..##", "##..##", "######", ".####."],
    "1": ["..##..", ".###..", "####..", "..##..", "..##..",
          "..##..", "..##..", "..##..", "######", "######"],
    "2": [".####.", "######", "##..##", "....##", "...###",
          "..###.", ".###..", "###...", "######", "######"],
    "3": [".####.", "######", "##..##", "....##", "..###.",
          "..####", "....##", "##..##", "######", ".####."],
    "4": ["...###", "..####", ".##.##", "##..##", "##..##",
          "######", "######", "....##", "....##", "....##"],
    "5": ["######", "######", "##....", "#####.", "######",
          "....##", "....##", "##..##", "######", ".####."],
    "6": [".####.", "######", "##....", "#####.", "######",
          "##..##", "##..##", "##..##", "######", ".####."],
    "7": ["######", "######", "....##", "...###", "..###.",
          "..##..", ".###..", ".##...", ".##...", ".##..."],
    "8": [".####.", "######", "##..##", "##..##", ".####.",
          "######", "##..##", "##..##", "######", ".####."],
    "9": [".####.", "######", "##..##", "##..##", "######",
          ".#####", "....##", "....##", "######", ".####."],
    "narrow1": ["##"] * 10,
}

DIGIT_TOP = 3  # glyph rows 3..12 of the 16-pixel cell


def number_color(value):
    if value >= 85:
        return (255, 96, 84)   # coral: nearly full
    if value >= 60:
        return (255, 200, 70)  # amber
    return (110, 230, 170)     # mint


def tray_cell(value):
    """The 16 x 16 picture of one number: the digits and a level line under them."""
    ground, frame = (22, 28, 36), (52, 66, 84)
    color = number_color(value)
    cell = [[ground] * 16 for _ in range(16)]
    for i in range(16):
        cell[0][i] = cell[15][i] = cell[i][0] = cell[i][15] = frame
    text = str(value)
    if value == 100:
        glyphs = [("narrow1", 0), ("0", 3), ("0", 10)]
    elif len(text) == 2:
        glyphs = [(text[0], 1), (text[1], 9)]
    else:
        glyphs = [(text, 5)]
    for name, left in glyphs:
        for row, line in enumerate(DIGITS[name]):
            for column, mark in enumerate(line):
                if mark == "#":
                    cell[DIGIT_TOP + row][left + column] = color
    level = round(14 * value / 100)
    for x in range(1, 1 + level):
        cell[14][x] = shade(color, -0.35)
    return cell


def tray_strip(path):
    cells = [tray_cell(value) for value in range(101)]
    write_bmp(path, 1616, 16, lambda x, y: cells[x // 16][y][x % 16])


def tidepool(folder):
    tray_strip(os.path.join(folder, "tidepool-icons.bmp"))
    see_through = (255, 0, 255)
    deep = (20, 40, 60)
    write_skin(folder, {
        "file": "tidepool.skin", "name": "Tidepool",
        "info": ["Two upright gauges that float on the desktop: the magenta around",
                 "them is see-through. Brings its own tray numbers, mint to coral."],
        "width": 96, "height": 80, "background": see_through, "transparent": see_through,
        "icons": "tidepool-icons.bmp",
        "indicators": [
            {"rect": (2, 2, 45, 77), "ground": deep, "progress": (40, 186, 200),
             "font_size": 10, "font_style": "bold", "orientation": "vertical",
             "textangle": 90},
            {"rect": (50, 2, 93, 77), "ground": deep, "progress": (110, 214, 120),
             "font_size": 10, "font_style": "bold", "orientation": "vertical",
             "textangle": 90},
            {"rect": (2, 2, 93, 77), "ground": deep, "progress": (40, 186, 200),
             "font_size": 10, "font_style": "bold", "direction": "up"},
        ],
    })


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), os.pardir, "skins")
    for name, make in (("graphite", graphite), ("ember", ember), ("tidepool", tidepool)):
        folder = os.path.join(root, name)
        os.makedirs(folder, exist_ok=True)
        make(folder)


if __name__ == "__main__":
    main()
