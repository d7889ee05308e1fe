#!/usr/bin/env python3
"""Draws the program's own artwork (icon, logo, hand cursor) as XPM sources.

Run from this folder; the generated .xpm files are committed so the build needs no Python.
"""
import math

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

def icon(size):
    """A rounded dark-blue tile with a glowing status bar and a four-point spark."""
    pal = {" ": "None", "b": "#1d3f8f", "B": "#2f5fcf", "y": "#ffd23f", "w": "#ffffff", "g": "#9fb8ef"}
    rows = []
    r = size * 0.18
    for y in range(size):
        row = ""
        for x in range(size):
            cx, cy = min(max(x + 0.5, r), size - r), min(max(y + 0.5, r), size - r)
            inside = math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r
            if not inside:
                row += " "; continue
            c = "b" if y < size * 0.5 else "B"
            # status bar strip near the bottom
            if size * 0.66 <= y < size * 0.80 and size * 0.14 <= x < size * 0.86:
                c = "g"
                if x < size * (0.14 + 0.45): c = "y"
            # spark in the upper half
            sx, sy = size * 0.62, size * 0.34
            dx, dy = abs(x + 0.5 - sx), abs(y + 0.5 - sy)
            if (dx * dy <= size * 0.02 + 0.3 and dx + dy < size * 0.28) or dx + dy < size * 0.05:
                c = "w"
            row += c
        rows.append(row)
    xpm(f"icon{size}", rows, pal)

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

for s in (16, 32, 48):
    icon(s)
logo()
hand()
