"""Checks of the picture generator: python3 -m unittest discover -s devtools/pict"""

import os
import struct
import tempfile
import unittest

import make_pict


def read_bmp(data):
    """Parses a 24-bit BMP independently of the writer: (width, height, rows top-down)."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header_size, width, height, planes, bpp, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert (magic, header_size, planes, bpp, compression) == (b"BM", 40, 1, 24, 0)
    assert file_size == len(data) and offset == 54
    stride = (width * 3 + 3) // 4 * 4
    assert len(data) == offset + stride * abs(height)
    rows = []
    for y in range(height):
        base = offset + (height - 1 - y) * stride
        row = data[base : base + stride]
        assert not any(row[width * 3 :]), "row padding must be zero"
        rows.append([(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(width)])
    return width, height, rows


def pack(scan, width, height, lit):
    """Packs lit (row, col) dots into the bytes of one character, using the
    same dot-to-bit rule the scan pictures are drawn from."""
    out = [0] * (width * height // 8)
    for row, col in lit:
        k = row % 8 if make_pict.is_vertical(scan) else col % 8
        out[make_pict.byte_of_dot(scan, width, row, col)] |= 1 << make_pict.bit_of_dot(scan, k)
    return out


class BmpFormat(unittest.TestCase):
    def test_rows_are_bottom_up_bgr_and_padded(self):
        # Width 3 gives 9 bytes of pixels per row, padded to 12.
        canvas = make_pict.Canvas(3, 2, (0, 0, 0))
        canvas.put(0, 0, (255, 0, 0))
        canvas.put(2, 1, (1, 2, 3))
        data = make_pict.bmp_bytes(canvas)
        self.assertEqual(len(data), 54 + 2 * 12)
        self.assertEqual(data[60:63], bytes((3, 2, 1)), "bottom row is stored first, blue first")
        width, height, rows = read_bmp(data)
        self.assertEqual((width, height), (3, 2))
        self.assertEqual(rows[0][0], (255, 0, 0))
        self.assertEqual(rows[1][2], (1, 2, 3))


class ScanRule(unittest.TestCase):
    """The bit numbers and byte order shown in the scan pictures must be the
    ones the editor packs with."""

    def test_letter_l_in_8x8(self):
        lit = [(r, 0) for r in range(7)] + [(6, c) for c in range(1, 6)]
        expected = {
            0: [0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00],
            1: [0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00],
            2: [0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00],
            3: [0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x3F, 0x00],
        }
        for scan, bytes_ in expected.items():
            with self.subTest(scan=scan):
                self.assertEqual(pack(scan, 8, 8, lit), bytes_)

    def test_second_band_and_second_group_in_16x16(self):
        for scan, dot, bit in [(0, (9, 3), 1), (1, (9, 3), 6), (2, (9, 11), 4), (3, (9, 11), 3)]:
            with self.subTest(scan=scan):
                packed = pack(scan, 16, 16, [dot])
                self.assertEqual([n for n, b in enumerate(packed) if b], [19])
                self.assertEqual(packed[19], 1 << bit)


class Pictures(unittest.TestCase):
    TOOLS = ["Big_x", "Low_x", "Big_y", "Low_y"]
    TOOLS_UNDERSCORE = ["Line", "Fill", "Line2", "Crk"]
    BUTTONS = ["clear", "up", "down", "left", "right", "mirror", "undo", "redo"]

    def test_every_name_the_program_loads_and_no_other(self):
        expected = {n + ".bmp" for n in self.TOOLS + self.TOOLS_UNDERSCORE + self.BUTTONS}
        expected |= {n + "r.bmp" for n in self.TOOLS} | {n + "_r.bmp" for n in self.TOOLS_UNDERSCORE}
        expected |= {n[: -len(".bmp")] + "@2x.bmp" for n in expected}
        expected |= {"v%d.bmp" % i for i in range(4)}
        self.assertEqual(set(make_pict.all_pictures()), expected)

    def test_double_size_picture_is_each_pixel_doubled(self):
        pictures = make_pict.all_pictures()
        for name in ("Crk_r", "undo"):
            with self.subTest(name=name):
                small = pictures[name + ".bmp"].pixels
                large = pictures[name + "@2x.bmp"].pixels
                self.assertEqual(large, [[p for p in row for _ in (0, 1)] for row in small for _ in (0, 1)])

    def test_glyphs_fit_their_tile(self):
        for name, glyph in list(make_pict.BUTTONS.items()) + [(n, g) for n, (_, g) in make_pict.TOOLS.items()]:
            with self.subTest(name=name):
                self.assertEqual(len(glyph), make_pict.GLYPH)
                for row in glyph:
                    self.assertEqual(len(row), make_pict.GLYPH)
                    self.assertLessEqual(set(row), set(make_pict.GLYPH_PALETTE) | {"."})

    def test_armed_look_differs_from_released(self):
        pictures = make_pict.all_pictures()
        for released, (armed, _) in make_pict.TOOLS.items():
            with self.subTest(tool=released):
                self.assertNotEqual(pictures[released + ".bmp"].pixels, pictures[armed + ".bmp"].pixels)

    def test_rerun_writes_identical_readable_files(self):
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            for out in (first, second):
                self.assertEqual(make_pict.main(["make_pict.py", out]), 0)
            names = sorted(os.listdir(first))
            self.assertEqual(names, sorted(os.listdir(second)))
            for name in names:
                with open(os.path.join(first, name), "rb") as a, open(os.path.join(second, name), "rb") as b:
                    data = a.read()
                    self.assertEqual(data, b.read(), name)
                size = read_bmp(data)[:2]
                if name.startswith("v"):
                    self.assertEqual(size, (make_pict.SCAN_W, make_pict.SCAN_H), name)
                elif "@2x" in name:
                    self.assertEqual(size, (2 * make_pict.TILE, 2 * make_pict.TILE), name)
                else:
                    self.assertEqual(size, (make_pict.TILE, make_pict.TILE), name)


if __name__ == "__main__":
    unittest.main()
