#!/usr/bin/env python3
"""Draws the button and scan pictures that the editor loads from Pict/.

    python3 devtools/pict/make_pict.py data/Pict

writes every picture as an uncompressed 24-bit BMP. The output depends on
nothing but this file, so a rerun gives byte-identical files.

Button glyphs are drawn on a 20 x 20 character grid ('.' is background, the
other characters are palette entries) and centred on a 28 x 28 tile. Each tool
button has a released tile and an armed one (accent frame, tinted paper).
"""

import math
import os
import struct
import sys

# Colours are (R, G, B).
PAPER = (242, 242, 242)
RIM = (190, 194, 200)
INK = (36, 42, 54)
GREY = (130, 137, 148)
PALE = (214, 218, 224)
WHITE = (255, 255, 255)
ACCENT = (25, 110, 210)
ACCENT_TINT = (208, 226, 248)

GLYPH_PALETTE = {"#": INK, "+": GREY, "w": WHITE}

TILE = 28
GLYPH = 20


class Canvas:
    """A width x height picture, row 0 at the top."""

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def frame(self, x, y, w, h, colour, thickness=1):
        for t in range(thickness):
            self.fill(x + t, y + t, w - 2 * t, 1, colour)
            self.fill(x + t, y + h - 1 - t, w - 2 * t, 1, colour)
            self.fill(x + t, y + t, 1, h - 2 * t, colour)
            self.fill(x + w - 1 - t, y + t, 1, h - 2 * t, colour)

    def stamp(self, grid, x, y, palette, scale=1):
        """Paints the non-'.' characters of a character grid."""
        for gy, row in enumerate(grid):
            for gx, ch in enumerate(row):
                if ch != ".":
                    self.fill(x + gx * scale, y + gy * scale, scale, scale, palette[ch])


def bmp_bytes(canvas):
    """24-bit BITMAPINFOHEADER file: rows bottom-up, BGR, each padded to 4 bytes."""
    row_size = (canvas.width * 3 + 3) // 4 * 4
    pad = bytes(row_size - canvas.width * 3)
    data = bytearray()
    for row in reversed(canvas.pixels):
        for r, g, b in row:
            data += bytes((b, g, r))
        data += pad
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    # 2835 pixels per metre is 72 dpi.
    info_header = struct.pack(
        "<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0
    )
    return file_header + info_header + bytes(data)


# --- character grids -------------------------------------------------------


def art(text):
    rows = [line.strip() for line in text.strip().splitlines()]
    if any(len(row) != len(rows[0]) for row in rows):
        raise ValueError("ragged art:\n" + text)
    return rows


def mirror(grid):
    return [row[::-1] for row in grid]


def flip(grid):
    return grid[::-1]


def transpose(grid):
    return ["".join(col) for col in zip(*grid)]


def overlay(*grids):
    """Later grids paint over earlier ones where they are not '.'."""
    rows = [list(row) for row in grids[0]]
    for grid in grids[1:]:
        for y, row in enumerate(grid):
            for x, ch in enumerate(row):
                if ch != ".":
                    rows[y][x] = ch
    return ["".join(row) for row in rows]


def drawn(ch, inside, size=GLYPH):
    """Grid whose pixel (x, y) is ch where inside(px, py) holds for its centre."""
    return [
        "".join(ch if inside(x + 0.5, y + 0.5) else "." for x in range(size))
        for y in range(size)
    ]


def in_polygon(points):
    def inside(px, py):
        hit = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit

    return inside


def near_path(points, half_width):
    def distance(px, py, a, b):
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - ax - t * dx, py - ay - t * dy)

    return lambda px, py: any(
        distance(px, py, a, b) <= half_width for a, b in zip(points, points[1:])
    )


def in_ring(cx, cy, inner, outer, arc=None):
    """Annulus around (cx, cy); arc = (from, to) in degrees, 0 = right, 90 = up."""

    def inside(px, py):
        if not inner <= math.hypot(px - cx, py - cy) <= outer:
            return False
        if arc is None:
            return True
        angle = math.degrees(math.atan2(cy - py, px - cx)) % 360
        return arc[0] <= angle <= arc[1]

    return inside


def outlined(points, edge="#", body="w"):
    """Polygon with a one-pixel edge around a filled body."""
    shape = drawn("x", in_polygon(points))

    def solid(x, y):
        return 0 <= x < GLYPH and 0 <= y < GLYPH and shape[y][x] == "x"

    return [
        "".join(
            "."
            if not solid(x, y)
            else edge
            if not all(solid(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            else body
            for x in range(GLYPH)
        )
        for y in range(GLYPH)
    ]


# --- button glyphs ---------------------------------------------------------

# A column with arrows pushing outward from it: one more column at that place.
STRETCH_X = art("""
    ....................
    ....................
    ....................
    .........##.........
    .........##.........
    .........##.........
    ...#.....##.....#...
    ..##.....##.....##..
    .###.....##.....###.
    #######..##..#######
    #######..##..#######
    .###.....##.....###.
    ..##.....##.....##..
    ...#.....##.....#...
    .........##.........
    .........##.........
    .........##.........
    ....................
    ....................
    ....................
""")

# Arrows pressing in on a column: one column fewer at that place.
COMPRESS_X = art("""
    ....................
    ....................
    ....................
    .........##.........
    .........##.........
    .........##.........
    ....#....##....#....
    ....##...##...##....
    ....###..##..###....
    #######..##..#######
    #######..##..#######
    ....###..##..###....
    ....##...##...##....
    ....#....##....#....
    .........##.........
    .........##.........
    .........##.........
    ....................
    ....................
    ....................
""")

ARROW_UP = art("""
    ....................
    ....................
    .........##.........
    ........####........
    .......######.......
    ......########......
    .....##########.....
    ....############....
    ...##############...
    ..################..
    .......######.......
    .......######.......
    .......######.......
    .......######.......
    .......######.......
    .......######.......
    .......######.......
    .......######.......
    ....................
    ....................
""")

# Two end points joined by a straight line.
LINE = overlay(
    drawn("#", near_path([(4.0, 16.0), (16.0, 4.0)], 1.0)),
    drawn("#", lambda x, y: 2 < x < 7 and 13 < y < 18),
    drawn("#", lambda x, y: 13 < x < 18 and 2 < y < 7),
)

_POLY = [(3.0, 15.0), (7.5, 5.0), (12.5, 14.0), (16.5, 4.0)]
POLYLINE = overlay(
    drawn("#", near_path(_POLY, 1.0)),
    *(drawn("#", lambda x, y, cx=cx, cy=cy: abs(x - cx) < 2 and abs(y - cy) < 2) for cx, cy in _POLY),
)

# Ring with its centre marked: the circle is drawn around a chosen centre.
CIRCLE = overlay(
    drawn("#", in_ring(10, 10, 6.2, 8.2)),
    drawn("+", lambda x, y: 8 < x < 12 and 8 < y < 12),
)

# Tipped paint can, paint running out over the rim.
FILL = art("""
    ..........#####.....
    .........#.....#....
    ........##......#...
    .......#w##......#..
    ......#www##.....#..
    .....#wwwww##....#..
    ....#wwwwwww##...#..
    ...#wwwwwwwww##..#..
    ..#wwwwwwwwwww###...
    .#wwwwwwwwwwwww##...
    ..#+++++++++++#.++..
    ...#+++++++++#..++..
    ....#+++++++#...++..
    .....#+++++#....++..
    ......#+++#....++++.
    .......#+#.....++++.
    ........#.......++..
    ....................
    ....................
    ....................
""")

# Eraser resting on the cleared baseline.
ERASER = overlay(
    outlined([(1.0, 12.0), (10.0, 3.0), (19.0, 12.0), (10.0, 21.0)]),
    drawn("#", in_polygon([(1.0, 12.0), (5.5, 7.5), (14.5, 16.5), (10.0, 21.0)])),
    drawn("#", lambda x, y: y > 18.0 and 1.0 < x < 19.0),
)

# Axis in the middle, a solid shape on the left and its outlined reflection.
_HALF = [(1.0, 16.0), (8.0, 4.0), (8.0, 16.0)]
MIRROR = overlay(
    drawn("#", in_polygon(_HALF)),
    mirror(outlined(_HALF, body=".")),
    drawn("+", lambda x, y: 9.0 < x < 11.0 and int(y) % 4 < 2),
)

# Arc over the top with its head at the left end, pointing down.
UNDO = overlay(
    drawn("#", in_ring(11.0, 11.0, 4.6, 6.8, (0.0, 180.0))),
    drawn("#", lambda x, y: 15.5 < x < 18.0 and 11.0 < y < 15.0),
    drawn("#", in_polygon([(0.5, 10.0), (10.5, 10.0), (5.5, 16.0)])),
)

TOOLS = {
    "Big_x": ("Big_xr", STRETCH_X),
    "Low_x": ("Low_xr", COMPRESS_X),
    "Big_y": ("Big_yr", transpose(STRETCH_X)),
    "Low_y": ("Low_yr", transpose(COMPRESS_X)),
    "Line": ("Line_r", LINE),
    "Fill": ("Fill_r", FILL),
    "Line2": ("Line2_r", POLYLINE),
    "Crk": ("Crk_r", CIRCLE),
}

BUTTONS = {
    "clear": ERASER,
    "up": ARROW_UP,
    "down": flip(ARROW_UP),
    "left": transpose(ARROW_UP),
    "right": mirror(transpose(ARROW_UP)),
    "mirror": MIRROR,
    "undo": UNDO,
    "redo": mirror(UNDO),
}


def tile(glyph, armed, scale=1):
    """The button tile; scale 2 is the same picture for screens of twice the pixel density."""
    paper, rim, width = (ACCENT_TINT, ACCENT, 2) if armed else (PAPER, RIM, 1)
    canvas = Canvas(TILE * scale, TILE * scale, paper)
    canvas.frame(0, 0, TILE * scale, TILE * scale, rim, width * scale)
    offset = (TILE - GLYPH) // 2 * scale
    canvas.stamp(glyph, offset, offset, GLYPH_PALETTE, scale)
    return canvas


# --- scan pictures ---------------------------------------------------------

# 3 x 5 digits 0..9, side by side.
_DIGIT_ROWS = [
    "### .#. ### ### #.# ### ### ### ### ###",
    "#.# ##. ..# ..# #.# #.. #.. ..# #.# #.#",
    "#.# .#. ### .## ### ### ### ..# ### ###",
    "#.# .#. #.. ..# ..# ..# #.# .#. #.# ..#",
    "### ### ### ### ..# ### ### .#. ### ###",
]
DIGITS = {str(d): [row.split()[d] for row in _DIGIT_ROWS] for d in range(10)}
DIGIT_SCALE = 2
DIGIT_W = 3 * DIGIT_SCALE
DIGIT_H = 5 * DIGIT_SCALE

SCAN_W, SCAN_H = 160, 120


def is_vertical(scan):
    return scan in (0, 1)


def bit_of_dot(scan, k):
    """Bit held by the k-th dot of a byte, counted from the top (vertical
    scans) or from the left (horizontal scans)."""
    return k if scan in (0, 3) else 7 - k


def byte_of_dot(scan, width, row, col):
    """Byte number inside a character of the given width for the dot (row, col)."""
    if is_vertical(scan):
        return row // 8 * width + col
    return row * (width // 8) + col // 8


def draw_digit(canvas, digit, cx, cy, colour):
    """Digit centred on (cx, cy)."""
    canvas.stamp(DIGITS[str(digit)], cx - DIGIT_W // 2, cy - DIGIT_H // 2, {"#": colour}, DIGIT_SCALE)


def draw_arrow(canvas, x0, y0, x1, y1, colour):
    """Arrow along a row or column from (x0, y0) to its tip at (x1, y1): a
    two-pixel shaft and a head that narrows to the tip."""
    dx = (x1 > x0) - (x1 < x0)
    dy = (y1 > y0) - (y1 < y0)
    length = abs(x1 - x0) + abs(y1 - y0)
    for i in range(length + 1):
        to_tip = length - i
        half = to_tip + 1 if to_tip < 5 else 1
        for j in range(-half, half):
            canvas.put(x0 + dx * i + j * abs(dy), y0 + dy * i + j * abs(dx), colour)


def draw_byte(canvas, scan, x, y):
    """One byte enlarged: 8 dots with their bit numbers beside them and an
    arrow from bit 7 to bit 0. (x, y) is the first dot."""
    dot, pitch = 11, 13
    length = 8 * pitch - (pitch - dot)
    vertical = is_vertical(scan)
    w, h = (dot, length) if vertical else (length, dot)
    canvas.fill(x - 3, y - 3, w + 6, h + 6, WHITE)
    canvas.frame(x - 3, y - 3, w + 6, h + 6, ACCENT, 2)
    centre = {}
    for k in range(8):
        along = k * pitch + dot // 2
        bit = bit_of_dot(scan, k)
        if vertical:
            canvas.fill(x, y + k * pitch, dot, dot, ACCENT)
            draw_digit(canvas, bit, x - 13, y + along, INK)
        else:
            canvas.fill(x + k * pitch, y, dot, dot, ACCENT)
            draw_digit(canvas, bit, x + along, y + dot + 11, INK)
        centre[bit] = along
    if vertical:
        ax = x + dot + 10
        draw_arrow(canvas, ax, y + centre[7], ax, y + centre[0], INK)
    else:
        ay = y + dot + 25
        draw_arrow(canvas, x + centre[7], ay, x + centre[0], ay, INK)


def draw_cell(canvas, scan, x, y):
    """A small cell cut into its 8 bytes, each numbered in storage order;
    byte 0 is tinted like the enlarged byte."""
    vertical = is_vertical(scan)
    # Dots are drawn stretched along the byte so that its number fits.
    if vertical:
        width, rows, dot_w, dot_h = 4, 16, 16, 6
        span_w, span_h = dot_w, 8 * dot_h
    else:
        width, rows, dot_w, dot_h = 16, 4, 6, 14
        span_w, span_h = 8 * dot_w, dot_h
    first_dot = {}
    for r in range(rows):
        for c in range(width):
            first_dot.setdefault(byte_of_dot(scan, width, r, c), (c, r))
    for n, (c, r) in first_dot.items():
        bx, by = x + c * dot_w, y + r * dot_h
        canvas.fill(bx, by, span_w, span_h, ACCENT_TINT if n == 0 else WHITE)
        for k in range(8):
            dx, dy = (0, k * dot_h) if vertical else (k * dot_w, 0)
            canvas.fill(bx + dx + dot_w // 2 - 1, by + dy + dot_h // 2 - 1, 2, 2, PALE)
        cx, cy = bx + span_w // 2, by + span_h // 2
        # Clear the dots behind the number, staying inside the byte.
        canvas.fill(cx - DIGIT_W // 2 - 2, max(by + 1, cy - DIGIT_H // 2 - 2), DIGIT_W + 4,
                    min(span_h - 1, DIGIT_H + 4), ACCENT_TINT if n == 0 else WHITE)
        draw_digit(canvas, n, cx, cy, ACCENT if n == 0 else INK)
        canvas.frame(bx, by, span_w + 1, span_h + 1, GREY)
    canvas.frame(x, y, width * dot_w + 1, rows * dot_h + 1, INK)


def scan_picture(scan):
    """The enlarged byte on the left (vertical scans) or at the top
    (horizontal scans), the byte order of a cell beside or below it."""
    canvas = Canvas(SCAN_W, SCAN_H, PAPER)
    canvas.frame(0, 0, SCAN_W, SCAN_H, RIM)
    if is_vertical(scan):
        draw_byte(canvas, scan, 30, 9)
        draw_cell(canvas, scan, 80, 11)
    else:
        draw_byte(canvas, scan, 21, 9)
        draw_cell(canvas, scan, 32, 56)
    return canvas


# --- output ----------------------------------------------------------------


def all_pictures():
    """File name -> canvas, for every picture the program loads."""
    pictures = {}
    # Each button picture NAME.bmp has a twice as large NAME@2x.bmp beside it.
    for scale, suffix in ((1, ""), (2, "@2x")):
        for released, (armed, glyph) in TOOLS.items():
            pictures[released + suffix + ".bmp"] = tile(glyph, armed=False, scale=scale)
            pictures[armed + suffix + ".bmp"] = tile(glyph, armed=True, scale=scale)
        for name, glyph in BUTTONS.items():
            pictures[name + suffix + ".bmp"] = tile(glyph, armed=False, scale=scale)
    for scan in range(4):
        pictures["v%d.bmp" % scan] = scan_picture(scan)
    return pictures


def main(argv):
    if len(argv) != 2:
        print("usage: make_pict.py OUTPUT_DIR", file=sys.stderr)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    pictures = all_pictures()
    for name, canvas in sorted(pictures.items()):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(bmp_bytes(canvas))
    print("wrote %d pictures to %s" % (len(pictures), out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
