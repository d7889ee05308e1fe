#!/usr/bin/env python3
"""Draws the program's own artwork (icon, logo, hand cursor) as XPM sources.

Writes beside itself (or into the folder given as its argument); the generated files are
committed so the build needs no Python. The icon's own description is in icon_art.py.
"""
import math
import os
import sys

import icon_art

def xpm(name, pixels, palette):
    """pixels: list of strings of palette keys; palette: key -> colour ('None' = clear)."""
    h, w = len(pixels), len(pixels[0])
    lines = [f'"{w} {h} {len(palette)} 1",']
    lines += [f'"{k} c {v}",' for k, v in palette.items()]
    lines += [f'"{row}",' for row in pixels]
    lines[-1] = lines[-1].rstrip(',')
    body = "\n".join(lines)
    with open(f"{name}.xpm", "w") as f:
        f.write(f"/* XPM */\n/* Glintwick artwork, drawn by make_art.py */\n"
                f"static const char* const {name}_xpm[] = {{\n{body}\n}};\n")

def png_header(name):
    """The XPM again as PNG bytes in a C array: the start-up picture decodes far faster so."""
    import subprocess
    data = subprocess.run(["convert", f"{name}.xpm", "png:-"], check=True, capture_output=True).stdout
    rows = [", ".join(f"0x{b:02x}" for b in data[i:i + 16]) for i in range(0, len(data), 16)]
    body = ",\n    ".join(rows)
    with open(f"{name}_png.h", "w") as f:
        f.write(f"/* Glintwick artwork, {name}.xpm as PNG, made by make_art.py */\n"
                f"static const unsigned char {name}_png[] = {{\n    {body}\n}};\n")

def icon(size):
    """The program icon at one of the sizes compiled into the program."""
    rows = icon_art.pixel_rows(size)
    used = {key: colour for key, colour in icon_art.PALETTE.items() if any(key in r for r in rows)}
    xpm(f"icon{size}", rows, {" ": "None", **used})

def logo():
    """The maker's mark: a golden ring around a spark, 77 x 77, clear corners."""
    size = 77
    pal = {" ": "None", "o": "#c98a12", "O": "#f2b01e", "s": "#1d3f8f", "w": "#ffffff"}
    rows = []
    c = size / 2
    for y in range(size):
        row = ""
        for x in range(size):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c)
            ch = " "
            if d <= 37:
                ch = "s"
            if 29 <= d <= 37:
                ch = "O" if (x + y) % 7 else "o"
            dx, dy = abs(x + 0.5 - c), abs(y + 0.5 - c)
            if d < 27 and (dx * dy <= 14 and dx + dy < 24):
                ch = "w"
            row += ch
        rows.append(row)
    xpm("logo140", rows, pal)

HAND = [
    "     ..                         ",
    "    .##.                        ",
    "    .##.                        ",
    "    .##.                        ",
    "    .##.                        ",
    "    .##...                      ",
    "    .##.##...                   ",
    "    .##.##.##..                 ",
    "    .##.##.##.##.               ",
    " ...###########.#.              ",
    " .#.############.#.             ",
    " .##.###########.#.             ",
    "  .#############.#.             ",
    "  .##############.              ",
    "   .#############.              ",
    "   .############.               ",
    "    .###########.               ",
    "    .##########.                ",
    "     .#########.                ",
    "     .#########.                ",
    "     ...........                ",
]

def hand():
    """Pointing hand, index finger up, white with a black outline; hot spot at (8, 3)."""
    rows = [r.ljust(32)[:32] for r in HAND] + [" " * 32] * (32 - len(HAND))
    # shift right so the fingertip sits at x = 8
    rows = [("   " + r)[:32] for r in rows]
    xpm("hand136", rows, {" ": "None", ".": "#000000", "#": "#ffffff"})

FONT = {  # 5 x 7 capitals for the splash title
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    " ": ["00000"] * 7,
}

def splash():
    """Start-up picture, 381 x 282: night-blue bands, a spark, the name and a status bar."""
    w, h = 381, 282
    bands = "abcdefgh"
    pal = {c: col for c, col in zip(bands, ["#0f2456", "#132b63", "#17326f", "#1b397c",
                                             "#1f4089", "#234796", "#274ea3", "#2b55b0"])}
    pal.update({"w": "#ffffff", "y": "#ffd23f", "o": "#f2b01e", "g": "#d8e2f7", "k": "#404040",
                "s": "#9fb8ef"})
    grid = [[bands[min(7, y * 8 // h)] for _ in range(w)] for y in range(h)]
    # spark
    cx, cy = 190, 92
    for y in range(h):
        for x in range(w):
            dx, dy = abs(x + 0.5 - cx), abs(y + 0.5 - cy)
            if dx * dy <= 40 and dx + dy < 62:
                grid[y][x] = "w"
            elif dx * dy <= 90 and dx + dy < 70:
                grid[y][x] = "s"
    # title, scaled 5 x 7 glyphs
    title, scale = "GLINTWICK", 4
    tw = len(title) * 6 * scale - scale
    x0, y0 = (w - tw) // 2, 160
    for i, ch in enumerate(title):
        for gy, row in enumerate(FONT[ch]):
            for gx, bit in enumerate(row):
                if bit == "1":
                    for yy in range(scale):
                        for xx in range(scale):
                            grid[y0 + gy * scale + yy][x0 + (i * 6 + gx) * scale + xx] = "y"
    # a status bar strip with a half-typed message
    for y in range(236, 256):
        for x in range(30, 351):
            grid[y][x] = "g" if 31 <= x <= 349 and 237 <= y <= 254 else "k"
    for x in range(40, 200, 9):
        for y in range(243, 249):
            for xx in range(6):
                grid[y][x + xx] = "k"
    for y in range(242, 250):  # caret
        grid[y][204] = "o"; grid[y][205] = "o"
    xpm("splash135", ["".join(r) for r in grid], pal)
    png_header("splash135")
    os.remove("splash135.xpm")  # only the PNG form is compiled in

# Writes into the folder named on the command line, or beside this script.
os.chdir(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
for s in (16, 32, 48):
    icon(s)
# The desktop's copies of the icon, installed under hicolor.
for s in (16, 32, 48, 64, 128, 256):
    icon_art.write_png(f"glintwick-{s}.png", s)
icon_art.write_svg("glintwick.svg")
icon_art.write_symbolic_svg("glintwick-symbolic.svg")
# The .gwk document's icon, named after its mime type as the desktop looks for it.
for s in (16, 32, 48, 64, 128, 256):
    icon_art.write_png(f"application-x-glintwick-project-{s}.png", s, icon_art.document_shapes)
icon_art.write_svg("application-x-glintwick-project.svg", icon_art.document_shapes)
logo()
hand()
splash()
