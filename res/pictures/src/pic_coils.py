"""Pictures of the coil forms: single-layer and multi-layer cylindrical coils
and the printed spiral coil."""

from draw import (Svg, THIN, YELLOW, YELLOW_EDGE, brace, dimension, fmt)

COPPER = "#a0500a"
COPPER_FILL = "#e8a868"


def _cylinder(s, x0, x1, yc, r, ends=9):
    """Yellow former seen from the side, its right end facing the viewer."""
    s.rect(x0, yc - r, x1 - x0, 2 * r, fill=YELLOW, stroke="none")
    s.path("M%s %s A%s %s 0 0 0 %s %s" % (fmt(x0), fmt(yc - r), fmt(ends), fmt(r), fmt(x0),
                                          fmt(yc + r)), fill=YELLOW, stroke=YELLOW_EDGE)
    s.line(x0, yc - r, x1, yc - r, color=YELLOW_EDGE)
    s.line(x0, yc + r, x1, yc + r, color=YELLOW_EDGE)
    s.ellipse(x1, yc, ends, r, fill="#fff3b0", stroke=YELLOW_EDGE)


def _turns(s, x0, x1, y0, y1, n):
    step = (x1 - x0) / float(n)
    for i in range(n):
        x = x0 + step * (i + 0.5)
        s.line(x - 2, y0, x + 2, y1, color=COPPER, width=2)


def _ext(s, x0, y0, x1, y1):
    s.line(x0, y0, x1, y1, color="#606060", width=THIN, dash="2 2")


def single_layer():
    s = Svg(257, 249, "Cylindar self, monocoated")
    s.heading("Cylindar self, monocoated", y=20)
    yc, r = 144, 34
    wx0, wx1 = 68, 178
    _cylinder(s, 36, 200, yc, r)
    _turns(s, wx0, wx1, yc - r, yc + r, 14)
    _ext(s, wx0, yc - r - 4, wx0, 84)
    _ext(s, wx1, yc - r - 4, wx1, 84)
    dimension(s, (wx0, 90), (wx1, 90))
    s.label((wx0 + wx1) / 2, 78, "P", anchor="middle")
    _ext(s, 200, yc - r, 236, yc - r)
    _ext(s, 200, yc + r, 236, yc + r)
    dimension(s, (228, yc - r), (228, yc + r))
    s.label(234, yc, "D", anchor="start")
    brace(s, wx0, wx1, yc + r + 8, depth=9)
    s.label((wx0 + wx1) / 2, yc + r + 30, "N turns", anchor="middle")
    return s


def multi_layer():
    s = Svg(257, 290, "Cylindar self, multicoated")
    s.heading("Cylindar self, multicoated", y=20)
    yc, r, e = 172, 24, 20
    wx0, wx1 = 70, 176
    _cylinder(s, 30, 206, yc, r, ends=7)
    top, bot = yc - r - e, yc + r + e
    s.rect(wx0, top, wx1 - wx0, bot - top, fill=COPPER_FILL, stroke=COPPER)
    for k in range(1, 4):
        y = top + k * (e / 2.0) if k < 3 else None
        if y is not None:
            s.line(wx0, y, wx1, y, color=COPPER, width=THIN)
            s.line(wx0, bot - k * (e / 2.0), wx1, bot - k * (e / 2.0), color=COPPER, width=THIN)
    _turns(s, wx0, wx1, top, bot, 12)
    _ext(s, wx0, top - 4, wx0, 106)
    _ext(s, wx1, top - 4, wx1, 106)
    dimension(s, (wx0, 112), (wx1, 112))
    s.label((wx0 + wx1) / 2, 100, "P", anchor="middle")
    _ext(s, wx1, top, 236, top)
    _ext(s, wx1, bot, 236, bot)
    dimension(s, (228, top), (228, bot))
    s.label(234, yc, "D")
    # winding thickness at the lower left
    _ext(s, 40, bot, wx0, bot)
    dimension(s, (50, yc + r), (50, bot), head=6)
    s.label(44, yc + r + e / 2.0, "E", anchor="end")
    brace(s, wx0, wx1, bot + 10, depth=9)
    s.label((wx0 + wx1) / 2, bot + 32, "N turns", anchor="middle")
    return s


def _square_spiral(cx, cy, outer, pitch, laps):
    left, top, right, bottom = cx - outer, cy - outer, cx + outer, cy + outer
    pts = [(left - 14, bottom), (left, bottom)]
    for _ in range(laps):
        pts += [(left, top), (right, top), (right, bottom), (left + pitch, bottom)]
        left += pitch
        top += pitch
        right -= pitch
        bottom -= pitch
    pts.append((left, cy))
    return pts, (top - pitch, bottom + pitch)


def printed():
    s = Svg(282, 210, "PCB printed self")
    s.heading("PCB printed self", y=20)
    cx, cy, outer, pitch, laps = 118, 100, 58, 11, 4
    s.rect(cx - outer - 28, cy - outer - 12, 2 * outer + 44, 2 * outer + 24,
           fill=YELLOW, stroke=YELLOW_EDGE, rx=10)
    pts, (itop, ibot) = _square_spiral(cx, cy, outer, pitch, laps)
    s.polyline(pts, color=COPPER, width=2.5)
    s.circle(pts[0][0], pts[0][1], 4, fill=COPPER_FILL, stroke=COPPER)
    s.circle(pts[-1][0], pts[-1][1], 4, fill=COPPER_FILL, stroke=COPPER)
    # innermost turn
    dimension(s, (cx - 6, itop + 2), (cx - 6, ibot - 2), head=6)
    s.label(cx, cy, "D_1")
    # outermost turn
    _ext(s, cx + outer, cy - outer, cx + outer + 52, cy - outer)
    _ext(s, cx + outer, cy + outer, cx + outer + 52, cy + outer)
    dimension(s, (cx + outer + 44, cy - outer), (cx + outer + 44, cy + outer))
    s.label(cx + outer + 50, cy, "D_2")
    brace(s, cx - outer, cx + outer, cy + outer + 16, depth=8)
    s.label(cx, cy + outer + 37, "N turns", anchor="middle")
    return s


PICTURES = {
    "bitmap136.svg": single_layer,
    "bitmap137.svg": multi_layer,
    "bitmap138.svg": printed,
}
