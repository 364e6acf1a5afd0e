"""Checks on the picture scripts: run with `python3 -m unittest` from this folder."""

import re
import unittest

import build_all
import checksvg
from draw import Svg, split_label

# Pixel size of each schematic as the forms lay it out.
SIZES = {
    130: (117, 206), 132: (193, 138), 134: (329, 274), 135: (329, 274), 136: (257, 249),
    137: (257, 290), 138: (282, 210), 144: (281, 290), 145: (235, 200), 146: (235, 202),
    147: (303, 331), 153: (225, 170), 154: (281, 154), 155: (225, 178), 156: (241, 178),
    157: (273, 193), 158: (257, 241), 159: (355, 178), 163: (299, 241), 164: (310, 241),
    165: (301, 156), 168: (268, 188), 169: (360, 290), 170: (313, 175),
}


class PictureTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pictures = build_all.generate()

    def test_every_schematic_has_its_size(self):
        for ident, (w, h) in SIZES.items():
            text = self.pictures["bitmap%d.svg" % ident]
            self.assertIn('width="%d" height="%d" viewBox="0 0 %d %d"' % (w, h, w, h), text)

    def test_icon_is_square_and_banner_exists(self):
        self.assertIn('width="128" height="128"', self.pictures["icon128.svg"])
        self.assertIn("Voltaris", self.pictures["bitmap151.svg"])

    def test_output_is_deterministic_and_clean(self):
        self.assertEqual(self.pictures, build_all.generate())
        for name, text in self.pictures.items():
            self.assertEqual(checksvg.problems(text), [], name)

    def test_text_fits_inside_the_picture(self):
        for name, text in self.pictures.items():
            w = float(re.search(r'width="([\d.]+)"', text).group(1))
            for x in re.findall(r'<text x="(-?[\d.]+)"', text):
                self.assertTrue(0 <= float(x) <= w, "%s: text at x=%s" % (name, x))


class LabelTest(unittest.TestCase):
    def test_subscripts_are_split_out(self):
        self.assertEqual(split_label("I=I_1=I_2"),
                         [("I=I", False), ("1", True), ("=I", False), ("2", True)])
        self.assertEqual(split_label("R_thHA"), [("R", False), ("thHA", True)])
        self.assertEqual(split_label("2 \u00d7 C"), [("2 \u00d7 C", False)])

    def test_blanks_between_parts_are_kept_as_advance(self):
        s = Svg(200, 40, "t")
        s.label(10, 20, "G_1 \u00d7 U_1")
        texts = re.findall(r'x="([\d.]+)"[^>]*>([^<]*)</text>', "\n".join(s.items))
        self.assertEqual([t for _, t in texts], ["G", "1", "\u00d7 U", "1"])
        xs = [float(x) for x, _ in texts]
        self.assertEqual(xs, sorted(xs))
        self.assertGreater(xs[2] - xs[1], 6)  # the blank after the subscript


class CheckerTest(unittest.TestCase):
    def wrap(self, body, size='width="10" height="10" viewBox="0 0 10 10"'):
        return '<svg xmlns="http://www.w3.org/2000/svg" %s>%s</svg>' % (size, body)

    def test_flags_what_qtsvg_drops(self):
        for body in ('<marker id="m"/>', '<line marker-end="url(#m)"/>', '<g clip-path="url(#c)"/>',
                     '<text>U<tspan dy="3">i</tspan></text>', '<symbol id="s"/>',
                     '<text style="baseline-shift:sub">x</text>'):
            self.assertNotEqual(checksvg.problems(self.wrap(body)), [], body)

    def test_flags_broken_xml_and_viewbox_mismatch(self):
        self.assertNotEqual(checksvg.problems(self.wrap("<g>")), [])
        self.assertNotEqual(checksvg.problems(
            self.wrap("", 'width="10" height="20" viewBox="0 0 10 10"')), [])
        self.assertEqual(checksvg.problems(self.wrap('<text x="1" y="5">ok</text>')), [])


if __name__ == "__main__":
    unittest.main()
