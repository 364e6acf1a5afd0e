"""Drawing primitives shared by every Voltaris picture.

Every picture is built on an Svg canvas in its own pixel units.  The output
is restricted to what QtSvg renders faithfully: no markers, clip paths,
symbols, tspan offsets or baseline shifts.  Arrowheads are polygons and a
subscript is a separate, smaller <text> placed after its base text.

House style (shared by all pictures):
  * one stroke width, LW, for wires and symbol outlines;
  * resistors are IEC boxes;
  * one font, Liberation Sans, LABEL px for labels, SUB px for subscripts,
    TITLE px bold for titles;
  * currents in red, voltages in blue, coil formers and boards in yellow.
"""

import math
import re

LW = 1.5
THIN = 1.0
INK = "#000000"
BG = "#ffffff"
RED = "#d01010"
BLUE = "#1040d0"
YELLOW = "#ffe040"
YELLOW_EDGE = "#b08a00"
GREY = "#808080"
FONT = "Liberation Sans"
TITLE = 14
LABEL = 12
SUB = 9
SMALL = 10

# Advance widths of Liberation Sans (metric-compatible with Arial), in
# thousandths of the font size.  Used to place subscripts and to keep labels
# inside the picture.
_WIDTHS = {
    " ": 278, "!": 278, "\"": 355, "#": 556, "$": 556, "%": 889, "&": 667,
    "'": 191, "(": 333, ")": 333, "*": 389, "+": 584, ",": 278, "-": 333,
    ".": 278, "/": 278, ":": 278, ";": 278, "<": 584, "=": 584, ">": 584,
    "?": 556, "@": 1015, "[": 278, "\\": 278, "]": 278, "^": 469, "_": 556,
    "A": 667, "B": 667, "C": 722, "D": 722, "E": 667, "F": 611, "G": 778,
    "H": 722, "I": 278, "J": 500, "K": 667, "L": 556, "M": 833, "N": 722,
    "O": 778, "P": 667, "Q": 778, "R": 722, "S": 667, "T": 611, "U": 722,
    "V": 667, "W": 944, "X": 667, "Y": 667, "Z": 611,
    "a": 556, "b": 556, "c": 500, "d": 556, "e": 556, "f": 278, "g": 556,
    "h": 556, "i": 222, "j": 222, "k": 500, "l": 222, "m": 833, "n": 556,
    "o": 556, "p": 556, "q": 556, "r": 333, "s": 500, "t": 278, "u": 556,
    "v": 500, "w": 722, "x": 500, "y": 500, "z": 500,
    "\u2212": 584, "\u00d7": 584, "\u0394": 668, "\u03a9": 768, "\u00b0": 400,
}


def text_width(s, size, bold=False):
    """Approximate advance width of s in pixels."""
    w = sum(_WIDTHS.get(c, 556) for c in s) * size / 1000.0
    return w * 1.07 if bold else w


_SUB_RE = re.compile(r"_([A-Za-z0-9]+)")


def split_label(s):
    """'I=I_1=I_2' -> [('I=I', False), ('1', True), ('=I', False), ('2', True)]."""
    parts = []
    pos = 0
    for m in _SUB_RE.finditer(s):
        if m.start() > pos:
            parts.append((s[pos:m.start()], False))
        parts.append((m.group(1), True))
        pos = m.end()
    if pos < len(s):
        parts.append((s[pos:], False))
    return parts


def label_width(s, size=LABEL):
    sub = size * SUB / LABEL
    return sum(text_width(t, sub if is_sub else size) for t, is_sub in split_label(s))


def fmt(v):
    """Numbers as short, stable text: at most two decimals, no trailing zeros."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def _pts(points):
    return " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)


class Svg:
    def __init__(self, width, height, title, paper=True):
        self.width = width
        self.height = height
        self.title = title
        # Schematics lie on white paper, in a dark palette too; the icon has
        # none, so that its corners show the desktop behind it.
        self.paper = paper
        self.defs = []
        self.items = []

    # -- raw shapes -------------------------------------------------------
    def add(self, element):
        self.items.append(element)

    def line(self, x1, y1, x2, y2, color=INK, width=LW, dash=None):
        d = ' stroke-dasharray="%s"' % dash if dash else ""
        self.add('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
                 'stroke-linecap="round"%s/>' % (fmt(x1), fmt(y1), fmt(x2), fmt(y2),
                                                  color, fmt(width), d))

    def polyline(self, points, color=INK, width=LW, fill="none", dash=None):
        d = ' stroke-dasharray="%s"' % dash if dash else ""
        self.add('<polyline points="%s" fill="%s" stroke="%s" stroke-width="%s" '
                 'stroke-linejoin="round" stroke-linecap="round"%s/>'
                 % (_pts(points), fill, color, fmt(width), d))

    def polygon(self, points, fill=INK, stroke="none", width=LW):
        s = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, fmt(width)) \
            if stroke != "none" else ""
        self.add('<polygon points="%s" fill="%s"%s/>' % (_pts(points), fill, s))

    def rect(self, x, y, w, h, fill=BG, stroke=INK, width=LW, rx=0, dash=None):
        r = ' rx="%s"' % fmt(rx) if rx else ""
        d = ' stroke-dasharray="%s"' % dash if dash else ""
        s = ' stroke="%s" stroke-width="%s"' % (stroke, fmt(width)) if stroke != "none" else ""
        self.add('<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s%s/>'
                 % (fmt(x), fmt(y), fmt(w), fmt(h), r, fill, s, d))

    def circle(self, cx, cy, r, fill=BG, stroke=INK, width=LW):
        s = ' stroke="%s" stroke-width="%s"' % (stroke, fmt(width)) if stroke != "none" else ""
        self.add('<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>'
                 % (fmt(cx), fmt(cy), fmt(r), fill, s))

    def ellipse(self, cx, cy, rx, ry, fill=BG, stroke=INK, width=LW):
        s = ' stroke="%s" stroke-width="%s"' % (stroke, fmt(width)) if stroke != "none" else ""
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s/>'
                 % (fmt(cx), fmt(cy), fmt(rx), fmt(ry), fill, s))

    def path(self, d, fill="none", stroke=INK, width=LW):
        s = ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' \
            % (stroke, fmt(width)) if stroke != "none" else ""
        self.add('<path d="%s" fill="%s"%s/>' % (d, fill, s))

    def linear_gradient(self, ident, stops, x1=0, y1=0, x2=0, y2=1):
        body = "".join('<stop offset="%s" stop-color="%s"/>' % (fmt(o), c) for o, c in stops)
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s'
                         '</linearGradient>' % (ident, fmt(x1), fmt(y1), fmt(x2), fmt(y2), body))
        return "url(#%s)" % ident

    # -- text -------------------------------------------------------------
    def text(self, x, y, s, size=LABEL, color=INK, anchor="start", bold=False, family=FONT):
        b = ' font-weight="bold"' if bold else ""
        a = ' text-anchor="%s"' % anchor if anchor != "start" else ""
        self.add('<text x="%s" y="%s" font-family="%s" font-size="%s"%s%s fill="%s">%s</text>'
                 % (fmt(x), fmt(y), family, fmt(size), b, a, color, esc(s)))

    def label(self, x, y, s, anchor="start", color=INK, size=LABEL, middle=True):
        """A label whose '_xyz' parts are subscripts.

        x is the left end, centre or right end as anchor says; y is the
        vertical centre of the capital letters when middle is set, otherwise
        the baseline.
        """
        base = y + 0.36 * size if middle else y
        sub = size * SUB / LABEL
        total = label_width(s, size)
        if anchor == "middle":
            x -= total / 2.0
        elif anchor == "end":
            x -= total
        for t, is_sub in split_label(s):
            fs = sub if is_sub else size
            # SVG drops leading and trailing blanks, so advance over them here
            lead = t[:len(t) - len(t.lstrip())]
            x += text_width(lead, fs)
            if t.strip():
                self.text(x, base + (0.3 * size if is_sub else 0), t.strip(), size=fs, color=color)
            x += text_width(t.lstrip(), fs)

    def heading(self, s, y=18, size=TITLE):
        self.text(self.width / 2.0, y, s, size=size, anchor="middle", bold=True)

    # -- output -------------------------------------------------------------
    def render(self):
        w, h = fmt(self.width), fmt(self.height)
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               'width="%s" height="%s" viewBox="0 0 %s %s">' % (w, h, w, h),
               '<title>%s</title>' % esc(self.title)]
        if self.defs:
            out.append("<defs>")
            out.extend(self.defs)
            out.append("</defs>")
        if self.paper:
            out.append('<rect x="0" y="0" width="%s" height="%s" fill="%s"/>' % (w, h, BG))
        out.extend(self.items)
        out.append("</svg>")
        return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------
# Geometry helpers: a two-terminal part is drawn in a local frame where u runs
# from its first terminal p to its second terminal q and v is perpendicular.

class Frame:
    def __init__(self, p, q):
        self.p = p
        dx, dy = q[0] - p[0], q[1] - p[1]
        self.length = math.hypot(dx, dy)
        self.ux, self.uy = dx / self.length, dy / self.length

    def at(self, u, v=0.0):
        return (self.p[0] + u * self.ux - v * self.uy, self.p[1] + u * self.uy + v * self.ux)

    @property
    def mid(self):
        return self.length / 2.0


def wire(svg, *points):
    """A wire through the given points (right angles are the caller's business)."""
    if len(points) == 2:
        svg.line(points[0][0], points[0][1], points[1][0], points[1][1])
    else:
        svg.polyline(points)


def _leads(svg, f, body):
    a = f.mid - body / 2.0
    if a > 0:
        wire(svg, f.at(0), f.at(a))
        wire(svg, f.at(f.length - a), f.at(f.length))


def resistor(svg, p, q, body=24, thick=9):
    f = Frame(p, q)
    _leads(svg, f, body)
    a = f.mid - body / 2.0
    svg.polygon([f.at(a, -thick / 2), f.at(a + body, -thick / 2), f.at(a + body, thick / 2),
                 f.at(a, thick / 2)], fill=BG, stroke=INK)


def capacitor(svg, p, q, gap=6, plate=18):
    f = Frame(p, q)
    _leads(svg, f, gap)
    for u in (f.mid - gap / 2.0, f.mid + gap / 2.0):
        wire(svg, f.at(u, -plate / 2), f.at(u, plate / 2))


def polarized_capacitor(svg, p, q, gap=6, plate=18):
    """Positive plate (hollow) towards p, negative plate (solid) towards q."""
    f = Frame(p, q)
    _leads(svg, f, gap + 4)
    a = f.mid - gap / 2.0 - 2
    b = f.mid + gap / 2.0
    svg.polygon([f.at(a, -plate / 2), f.at(a + 3, -plate / 2), f.at(a + 3, plate / 2),
                 f.at(a, plate / 2)], fill=BG, stroke=INK, width=THIN)
    svg.polygon([f.at(b, -plate / 2), f.at(b + 3, -plate / 2), f.at(b + 3, plate / 2),
                 f.at(b, plate / 2)], fill=INK)
    c = f.at(a - 5, -plate / 2 - 4)
    svg.line(c[0] - 3, c[1], c[0] + 3, c[1], width=THIN)
    svg.line(c[0], c[1] - 3, c[0], c[1] + 3, width=THIN)


def inductor(svg, p, q, turns=4, r=4):
    f = Frame(p, q)
    body = 2 * r * turns
    _leads(svg, f, body)
    a = f.mid - body / 2.0
    x, y = f.at(a)
    d = ["M%s %s" % (fmt(x), fmt(y))]
    for i in range(turns):
        ex, ey = f.at(a + 2 * r * (i + 1))
        d.append("A%s %s 0 0 1 %s %s" % (fmt(r), fmt(r), fmt(ex), fmt(ey)))
    svg.path(" ".join(d))


def diode(svg, p, q, size=12, zener=False):
    """Anode at p, cathode at q."""
    f = Frame(p, q)
    _leads(svg, f, size)
    a = f.mid - size / 2.0
    b = f.mid + size / 2.0
    h = size * 0.6
    svg.polygon([f.at(a, -h), f.at(b, 0), f.at(a, h)], fill=BG, stroke=INK)
    if zener:
        svg.polyline([f.at(b - 3, -h - 2), f.at(b, -h), f.at(b, h), f.at(b + 3, h + 2)])
    else:
        wire(svg, f.at(b, -h), f.at(b, h))


def zener(svg, p, q, size=12):
    diode(svg, p, q, size, zener=True)


def npn(svg, x, y, r=14):
    """NPN transistor with its body circle centred at (x, y), base on the left,
    collector up, emitter down.  Returns the base, collector and emitter ends."""
    svg.circle(x, y, r)
    bx = x - r * 0.35
    wire(svg, (x - r - 6, y), (bx, y))
    svg.line(bx, y - r * 0.55, bx, y + r * 0.55, width=LW * 1.6)
    cx = x + r * 0.35
    wire(svg, (bx, y - r * 0.25), (cx, y - r * 0.7), (cx, y - r - 6))
    wire(svg, (bx, y + r * 0.25), (cx, y + r * 0.7), (cx, y + r + 6))
    # emitter arrow, pointing out of the transistor
    tip = (cx - 0.5, y + r * 0.68)
    f = Frame((bx, y + r * 0.25), tip)
    svg.polygon([tip, f.at(f.length - 6, -3), f.at(f.length - 6, 3)], fill=INK)
    return {"b": (x - r - 6, y), "c": (cx, y - r - 6), "e": (cx, y + r + 6)}


def opamp(svg, x, y, w=40, h=44, minus_top=True, lead=8):
    """Op-amp triangle with its input side at x, centred vertically on y.
    Returns the ends of the input and output leads."""
    svg.polygon([(x, y - h / 2), (x + w, y), (x, y + h / 2)], fill=BG, stroke=INK)
    top, bot = y - h / 4, y + h / 4
    ym, yp = (top, bot) if minus_top else (bot, top)
    wire(svg, (x - lead, ym), (x, ym))
    wire(svg, (x - lead, yp), (x, yp))
    wire(svg, (x + w, y), (x + w + lead, y))
    # signs drawn as strokes so they do not depend on the font
    svg.line(x + 4, ym, x + 10, ym, width=THIN)
    svg.line(x + 4, yp, x + 10, yp, width=THIN)
    svg.line(x + 7, yp - 3, x + 7, yp + 3, width=THIN)
    return {"-": (x - lead, ym), "+": (x - lead, yp), "out": (x + w + lead, y)}


def ic555(svg, x, y, w, h, pins, lead=10):
    """An NE555 box; pins maps a pin number to (side, offset) where side is
    'L', 'R', 'T' or 'B' and offset is measured from the left or top edge.
    Returns the outer end of each pin lead."""
    svg.rect(x, y, w, h)
    svg.text(x + w / 2, y + h / 2 + 4, "NE555", size=SMALL, anchor="middle", bold=True)
    ends = {}
    for pin, (side, off) in sorted(pins.items()):
        if side == "L":
            a, b = (x, y + off), (x - lead, y + off)
            svg.text(x - 2, y + off - 3, str(pin), size=SMALL, anchor="end")
        elif side == "R":
            a, b = (x + w, y + off), (x + w + lead, y + off)
            svg.text(x + w + 2, y + off - 3, str(pin), size=SMALL)
        elif side == "T":
            a, b = (x + off, y), (x + off, y - lead)
            svg.text(x + off + 2, y - 3, str(pin), size=SMALL)
        else:
            a, b = (x + off, y + h), (x + off, y + h + lead)
            svg.text(x + off + 2, y + h + 9, str(pin), size=SMALL)
        wire(svg, a, b)
        ends[pin] = b
    return ends


def inverter(svg, x, y, w=24, h=22, lead=6):
    """CMOS inverter pointing right, input side at x.  Returns (input, output)."""
    svg.polygon([(x, y - h / 2), (x + w, y), (x, y + h / 2)], fill=BG, stroke=INK)
    svg.circle(x + w + 3, y, 3)
    wire(svg, (x - lead, y), (x, y))
    wire(svg, (x + w + 6, y), (x + w + 6 + lead, y))
    return (x - lead, y), (x + w + 6 + lead, y)


def nand(svg, x, y, w=26, h=24, lead=6):
    """Two-input NAND gate pointing right.  Returns (in1, in2, output)."""
    r = h / 2.0
    d = "M%s %s H%s A%s %s 0 0 1 %s %s H%s Z" % (
        fmt(x), fmt(y - r), fmt(x + w - r), fmt(r), fmt(r), fmt(x + w - r), fmt(y + r), fmt(x))
    svg.path(d, fill=BG)
    svg.circle(x + w + 3, y, 3)
    i1, i2 = (x - lead, y - h / 4), (x - lead, y + h / 4)
    wire(svg, i1, (x, i1[1]))
    wire(svg, i2, (x, i2[1]))
    wire(svg, (x + w + 6, y), (x + w + 6 + lead, y))
    return i1, i2, (x + w + 6 + lead, y)


def ground(svg, x, y):
    """Ground symbol hanging below (x, y)."""
    svg.line(x, y, x, y + 5)
    for i, half in enumerate((8, 5, 2)):
        svg.line(x - half, y + 5 + 3 * i, x + half, y + 5 + 3 * i)


def terminal(svg, x, y, r=3):
    svg.circle(x, y, r, fill=BG)


def dot(svg, x, y, r=2.5):
    svg.circle(x, y, r, fill=INK, stroke="none")


def arrowhead(svg, tip, frm, color, length=8, half=3.5):
    f = Frame(frm, tip)
    svg.polygon([tip, f.at(f.length - length, -half), f.at(f.length - length, half)], fill=color)


def arrow(svg, p, q, color=INK, width=LW, head=8):
    """A straight arrow from p to q with a polygon head at q."""
    f = Frame(p, q)
    end = f.at(f.length - head * 0.6)
    svg.line(p[0], p[1], end[0], end[1], color=color, width=width)
    arrowhead(svg, q, p, color, length=head, half=head * 0.42)


def current_arrow(svg, p, q):
    """Red arrow for a current, usually laid over a wire."""
    arrow(svg, p, q, color=RED, width=LW + 0.5)


def voltage_arrow(svg, p, q, over=()):
    """Blue arrow for a voltage, drawn beside the part, pointing to the + end.
    Wires it crosses without connecting are listed in over as (x, y) points
    and get a small gap under the arrow."""
    for x, y in over:
        svg.rect(x - 3.5, y - 2, 7, 4, fill=BG, stroke="none")
    arrow(svg, p, q, color=BLUE, width=LW)


def dimension(svg, p, q, color=INK, head=7):
    """Double-headed dimension arrow between p and q."""
    f = Frame(p, q)
    a, b = f.at(head * 0.6), f.at(f.length - head * 0.6)
    svg.line(a[0], a[1], b[0], b[1], color=color, width=THIN)
    arrowhead(svg, q, p, color, length=head, half=3)
    arrowhead(svg, p, q, color, length=head, half=3)


def brace(svg, x1, x2, y, depth=7, down=True, color=INK):
    """Horizontal curly brace from x1 to x2 whose point is towards +y when down."""
    s = 1 if down else -1
    m = (x1 + x2) / 2.0
    q = depth / 2.0
    d = ("M{a} {y} Q{a} {y1} {a2} {y1} L{m1} {y1} Q{m} {y1} {m} {y2} "
         "Q{m} {y1} {m2} {y1} L{b2} {y1} Q{b} {y1} {b} {y}").format(
        a=fmt(x1), b=fmt(x2), y=fmt(y), y1=fmt(y + s * q), y2=fmt(y + s * depth),
        a2=fmt(x1 + q), b2=fmt(x2 - q), m=fmt(m), m1=fmt(m - q), m2=fmt(m + q))
    svg.path(d, stroke=color, width=LW)
