"""The program icon: one description, drawn as pixels at any size and as an SVG.

The icon is a list of shapes in units of its side, painted in order; every shape but the tile
is clipped to the tile. A pixel takes the colour of the last shape that holds the points it is
sampled at: its centre for the small 256-colour sizes, a 4 x 4 grid (kept as coverage) above.
"""
import math
import struct
import zlib

PALETTE = {"b": "#1d3f8f", "B": "#2f5fcf", "y": "#ffd23f", "w": "#ffffff", "g": "#9fb8ef",
           "e": "#8a96a8", "p": "#f6f8fc", "f": "#d5dbe6"}
SYMBOLIC = "#2e3436"  # the one colour of the symbolic icon, as the desktop's symbolic icons have
SVG_SIZE = 256  # the SVG is the 256-pixel drawing as vectors


class Rect:
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def contains(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1

    def svg(self, s):
        return (f'<rect x="{n(self.x0 * s)}" y="{n(self.y0 * s)}" '
                f'width="{n((self.x1 - self.x0) * s)}" height="{n((self.y1 - self.y0) * s)}"')


class Tile:
    """The whole square with rounded corners of radius r."""
    def __init__(self, r):
        self.r = r

    def contains(self, x, y):
        cx, cy = min(max(x, self.r), 1 - self.r), min(max(y, self.r), 1 - self.r)
        return math.hypot(x - cx, y - cy) <= self.r

    def svg(self, s):
        return f'<rect width="{s}" height="{s}" rx="{n(self.r * s)}"'


class Spark:
    """A four-point star around (cx, cy): the points where |dx|*|dy| <= waist and
    |dx|+|dy| < reach, and a small diamond of radius core."""
    def __init__(self, cx, cy, waist, reach, core):
        self.cx, self.cy, self.waist, self.reach, self.core = cx, cy, waist, reach, core

    def contains(self, x, y):
        dx, dy = abs(x - self.cx), abs(y - self.cy)
        return (dx * dy <= self.waist and dx + dy < self.reach) or dx + dy < self.core

    def quadrant(self):
        """One quadrant's outline from the tip on the x axis to the tip on the y axis."""
        m, k = self.reach, self.waist
        root = math.sqrt(m * m - 4 * k)
        near, far = (m - root) / 2, (m + root) / 2  # where the hyperbola meets the edges
        steps = 16
        curve = [far * (near / far) ** (i / steps) for i in range(steps + 1)]
        return [(m, 0)] + [(u, k / u) for u in curve] + [(0, m)]

    def svg(self, s):
        q = self.quadrant()
        outline = q + [(-u, v) for u, v in reversed(q)][1:]
        outline += [(-u, -v) for u, v in q][1:] + [(u, -v) for u, v in reversed(q)][1:-1]
        c = self.core
        diamond = [(c, 0), (0, c), (-c, 0), (0, -c)]
        path = " ".join(polygon([(self.cx + u, self.cy + v) for u, v in points], s)
                        for points in (outline, diamond))
        return f'<path d="{path}"'


class Polygon:
    """The points inside a closed outline (even-odd rule)."""
    def __init__(self, *points):
        self.points = points

    def contains(self, x, y):
        inside = False
        for (x0, y0), (x1, y1) in zip(self.points, self.points[1:] + self.points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside

    def svg(self, s):
        return f'<path d="{polygon(self.points, s)}"'


def n(value):
    return f"{value:.2f}".rstrip("0").rstrip(".")


def polygon(points, s):
    return "M" + " L".join(f"{n(x * s)},{n(y * s)}" for x, y in points) + " Z"


def shapes(size):
    """The icon at `size` pixels: a rounded dark-blue tile, lighter below, a glowing status
    bar near the bottom, half of it typed, and a spark above. The spark's waist has a term
    of 0.3 square pixels so that it stays visible at small sizes; at 16 pixels and below it
    sits on a pixel's centre with arms of three pixels, a star one pixel thick (drawn the
    usual way there, its arms met the pixel grid unevenly and it read as a bar)."""
    tile = Tile(0.18)
    if size <= 16:
        spark = Spark(9.5 / 16, 4.5 / 16, 0.3 / size ** 2, 0.2, 0.05)
    else:
        spark = Spark(0.62, 0.34, 0.02 / size + 0.3 / size ** 2, 0.28, 0.05)
    return tile, [
        ("b", tile),
        ("B", Rect(0, 0.5, 1, 1)),
        ("g", Rect(0.14, 0.66, 0.86, 0.80)),
        ("y", Rect(0.14, 0.66, 0.59, 0.80)),
        ("w", spark),
    ]


def document_shapes(size):
    """The .gwk document's icon: a page with a folded corner, and on it the program's status
    bar, half of it typed, under its spark."""
    page = Polygon((0.16, 0.03), (0.64, 0.03), (0.86, 0.25), (0.86, 0.97), (0.16, 0.97))
    edge = max(0.03, 1 / size)
    inner = Polygon((0.16 + edge, 0.03 + edge), (0.64 - edge / 2, 0.03 + edge),
                    (0.86 - edge, 0.25 + edge / 2), (0.86 - edge, 0.97 - edge),
                    (0.16 + edge, 0.97 - edge))
    return page, [
        ("e", page),
        ("p", inner),
        ("f", Polygon((0.64, 0.03), (0.64, 0.25), (0.86, 0.25))),
        ("b", Rect(0.26, 0.42, 0.76, 0.84)),
        ("g", Rect(0.32, 0.66, 0.70, 0.76)),
        ("y", Rect(0.32, 0.66, 0.50, 0.76)),
        ("w", Spark(0.51, 0.53, 0.0006 + 0.3 / size ** 2, 0.12, 0.03)),
    ]


def colour_at(size, x, y, drawing=shapes):
    """The palette key of the point (x, y) in units of the side, or None outside the tile."""
    tile, layers = drawing(size)
    if not tile.contains(x, y):
        return None
    return [key for key, shape in layers if shape.contains(x, y)][-1]


def pixel_rows(size):
    """Palette keys at pixel centres (" " is clear): the small sizes, as XPM rows."""
    return ["".join(colour_at(size, (x + 0.5) / size, (y + 0.5) / size) or " "
                    for x in range(size)) for y in range(size)]


def rgba(size, drawing=shapes):
    """RGBA rows; sizes above 48 are sampled 4 x 4 per pixel."""
    grid = 1 if size <= 48 else 4
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            hits = [colour_at(size, (x + (i + 0.5) / grid) / size, (y + (j + 0.5) / grid) / size,
                              drawing)
                    for j in range(grid) for i in range(grid)]
            hits = [PALETTE[key] for key in hits if key]
            if not hits:
                row += bytes(4)
                continue
            channels = [sum(int(h[1 + 2 * c:3 + 2 * c], 16) for h in hits) for c in range(3)]
            row += bytes(round(v / len(hits)) for v in channels)
            row.append(round(255 * len(hits) / grid ** 2))
        rows.append(bytes(row))
    return rows


def write_png(path, size, drawing=shapes):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rgba(size, drawing))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_svg(path, drawing=shapes):
    s = SVG_SIZE
    tile, layers = drawing(s)
    body = [f'  <clipPath id="tile">{tile.svg(s)}/></clipPath>']
    body += [f'  {shape.svg(s)} fill="{PALETTE[key]}" clip-path="url(#tile)"/>' for key, shape in layers]
    with open(path, "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" '
                f'viewBox="0 0 {s} {s}">\n  <title>Glintwick</title>\n'
                + "\n".join(body) + "\n</svg>\n")


def write_symbolic_svg(path):
    """The symbolic icon, 16 x 16 in one colour: the spark as a plus two pixels thick over the
    status bar's outline, half of it filled, as the desktop draws symbolic icons in its panels
    and lists (the star's tapering arms vanish at that size)."""
    s = 16
    bar = Rect(0.06, 0.62, 0.94, 0.88)
    inner = Rect(0.12, 0.68, 0.88, 0.82)
    shapes = [Rect(0.12, 0.68, 0.50, 0.82), Rect(0.4375, 0.0, 0.5625, 0.5),
              Rect(0.25, 0.1875, 0.75, 0.3125)]
    with open(path, "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" '
                f'viewBox="0 0 {s} {s}">\n  <title>Glintwick</title>\n'
                f'  <path d="{polygon(rect_points(bar), s)} {polygon(rect_points(inner), s)}" '
                f'fill="{SYMBOLIC}" fill-rule="evenodd"/>\n'
                + "".join(f'  {shape.svg(s)} fill="{SYMBOLIC}"/>\n' for shape in shapes)
                + '</svg>\n')


def rect_points(r):
    return [(r.x0, r.y0), (r.x1, r.y0), (r.x1, r.y1), (r.x0, r.y1)]
