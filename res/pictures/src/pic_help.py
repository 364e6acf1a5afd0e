"""Curves for the help topics: RC filter responses, NE555 and CMOS-gate
waveforms, Schmitt trigger hysteresis and the zener working range."""

import math

from draw import Svg, BLUE, GREY, INK, RED, THIN, arrowhead, dimension, LABEL, SMALL


def _axes(s, x0, y0, x1, y1, ox, oy, xlabel, ylabel):
    """Axes crossing at (ox, oy) inside the box x0..x1, y0..y1, arrows at the ends."""
    s.line(x0, oy, x1 - 3, oy, width=THIN)
    arrowhead(s, (x1, oy), (x0, oy), INK, length=6, half=2.5)
    s.line(ox, y1, ox, y0 + 3, width=THIN)
    arrowhead(s, (ox, y0), (ox, y1), INK, length=6, half=2.5)
    s.label(x1, oy + 12, xlabel, anchor="end", size=SMALL + 1)
    s.label(ox + 5, y0 + 4, ylabel, size=SMALL + 1)


def _curve(s, f, x0, x1, n=120):
    return [(x0 + (x1 - x0) * i / float(n), f(x0 + (x1 - x0) * i / float(n))) for i in range(n + 1)]


def _dashed(s, x0, y0, x1, y1):
    s.line(x0, y0, x1, y1, color=GREY, width=THIN, dash="3 2")


def rc_response():
    s = Svg(420, 170, "RC filter responses")
    panels = [("Low pass", lambda r: 1 / math.sqrt(1 + r * r)),
              ("High pass", lambda r: r / math.sqrt(1 + r * r)),
              ("Notch", lambda r: abs(1 - r * r) / math.sqrt((1 - r * r) ** 2 + 16 * r * r))]
    for k, (name, gain) in enumerate(panels):
        x0 = 12 + k * 138
        x1, top, base = x0 + 124, 40, 136
        s.text(x0 + 62, 20, name, anchor="middle", bold=True, size=LABEL + 1)
        _axes(s, x0, top - 8, x1, base, x0 + 6, base, "f", "U_o/U_i")
        # three decades each side of Fc, on a log scale
        xc = x0 + 6 + (x1 - x0 - 14) / 2.0
        span = (x1 - x0 - 18) / 2.0

        def y_of(x):
            r = 10 ** (3 * (x - xc) / span)
            return base - (base - top - 8) * gain(r)
        s.polyline(_curve(s, y_of, xc - span, xc + span), color=BLUE, width=2)
        _dashed(s, xc, top, xc, base)
        s.label(xc, base + 14, "F_c", anchor="middle")
    return s


def waveform_555():
    s = Svg(360, 220, "NE555 astable waveforms")
    x0, x1 = 60, 350
    end = x1 - 8
    th, tl = 52, 32
    t1, t2 = th / math.log(2), tl / math.log(2)
    first = x0 + t1 * math.log(1.5)  # charging from 0 V up to 2/3 Vcc the first time
    edges = []
    x = first
    while x < end:
        edges.append(x)
        x += th + tl

    # output
    hi, lo = 30, 70
    _axes(s, x0 - 6, 14, x1, lo + 4, x0, lo + 4, "t", "Out")
    pts = [(x0, hi)]
    for e in edges:
        pts += [(e + th, hi), (e + th, lo), (min(e + th + tl, end), lo)]
        if e + th + tl < end:
            pts.append((e + th + tl, hi))
    s.polyline([(min(x, end), y) for x, y in pts], color=BLUE, width=2)
    a = edges[1]
    dimension(s, (a, hi - 8), (a + th, hi - 8), head=6)
    s.label(a + th / 2.0, hi - 18, "T_h", anchor="middle")
    c = edges[1] + th
    dimension(s, (c, lo + 14), (c + tl, lo + 14), head=6)
    s.label(c + tl / 2.0, lo + 26, "T_l", anchor="middle")
    b = edges[0] + th
    dimension(s, (b, lo + 14), (b + th + tl, lo + 14), head=6)
    s.label(b + (th + tl) / 2.0, lo + 26, "T", anchor="middle")

    # capacitor voltage between 1/3 and 2/3 of Vcc
    base, full = 196, 112
    def vy(v):
        return base - (base - full) * v
    _axes(s, x0 - 6, full - 14, x1, base, x0, base, "t", "U_C")
    for v, name in ((2 / 3.0, "2/3 V_cc"), (1 / 3.0, "1/3 V_cc")):
        _dashed(s, x0, vy(v), end, vy(v))
        s.label(x0 - 4, vy(v), name, anchor="end", size=SMALL)
    pts = [(x0 + i, vy(1 - math.exp(-i / t1))) for i in range(int(first - x0) + 1)]
    pts = pts[:-1]
    for e in edges:
        pts += [(e + i, vy(1 - (2 / 3.0) * math.exp(-i / t1))) for i in range(th + 1)]
        pts += [(e + th + i, vy((2 / 3.0) * math.exp(-i / t2))) for i in range(tl + 1)]
    s.polyline([p for p in pts if p[0] <= end], color=RED, width=2)
    return s


def gate_waveform():
    s = Svg(360, 214, "CMOS gate astable waveforms")
    x0, x1, half = 54, 350, 46
    hi, lo = 28, 66
    _axes(s, x0 - 6, 12, x1, lo + 4, x0, lo + 4, "t", "Out")
    pts = [(x0, lo)]
    x, level = x0 + 10, lo
    edges = []
    while x < x1 - 10:
        level = hi if level == lo else lo
        pts += [(x, pts[-1][1]), (x, level)]
        edges.append(x)
        x += half
    pts.append((x1 - 6, level))
    s.polyline(pts, color=BLUE, width=2)
    # input of the first gate: jumps by Vdd at each edge and relaxes to the threshold
    top, bot = 104, 204

    def vy(v):
        return bot - (bot - top) * (v + 0.5) / 2.0
    _axes(s, x0 - 6, top - 12, x1, bot, x0, vy(0), "t", "U_in")
    s.label(x0 - 9, vy(0) + 6, "0", anchor="end", size=SMALL)
    for v, name in ((0.5, "V_dd/2"), (1.0, "V_dd")):
        _dashed(s, x0, vy(v), x1 - 6, vy(v))
        s.label(x0 - 4, vy(v), name, anchor="end", size=SMALL)
    tau = half / math.log(3)
    pts = []
    for k, e in enumerate(edges):
        rising = k % 2 == 0
        for i in range(half + 1):
            if e + i > x1 - 6:
                break
            if rising:
                v = 1.5 * math.exp(-i / tau)
            else:
                v = 1 - 1.5 * math.exp(-i / tau)
            pts.append((e + i, vy(v)))
    s.polyline(pts, color=RED, width=2)
    return s


def schmitt_hysteresis():
    s = Svg(260, 220, "Schmitt trigger hysteresis")
    x0, x1, y0, y1 = 14, 246, 14, 206
    ox, oy = 130, 110
    _axes(s, x0, y0, x1, y1, ox, oy, "U_i", "U_o")
    xm, xp, hi, lo = ox - 40, ox + 40, 44, 176
    s.polyline([(x0 + 10, lo), (xp, lo), (xp, hi)], color=BLUE, width=2)
    s.polyline([(x1 - 12, hi), (xm, hi), (xm, lo)], color=BLUE, width=2)
    arrowhead(s, (xp, oy - 20), (xp, lo), BLUE, length=8, half=4)
    arrowhead(s, (xm, oy + 20), (xm, hi), BLUE, length=8, half=4)
    s.label(xm - 4, oy - 11, "\u2212U_trig", anchor="end")
    s.label(xp + 4, oy + 12, "+U_trig")
    s.label(ox + 4, hi - 10, "+U_sat")
    s.label(ox - 4, lo + 12, "\u2212U_sat", anchor="end")
    return s


def zener_range():
    s = Svg(300, 230, "Zener diode working range")
    x0, x1, y0, y1 = 10, 290, 12, 220
    ox, oy = 200, 60
    _axes(s, x0, y0, x1, y1, ox, oy, "U", "I")
    uz, knee, foot = ox - 120, oy + 12, y1 - 8
    s.label(uz + 4, oy - 12, "\u2212U_z", anchor="middle")
    # breakdown on the left, nearly vertical; forward conduction on the right
    s.path("M%s %s L%s %s Q%s %s %s %s L%s %s L%s %s Q%s %s %s %s"
           % (uz - 10, foot, uz, knee, uz + 2, oy, uz + 12, oy, ox + 26, oy,
              ox + 26, oy, ox + 40, oy, ox + 46, y0 + 14), width=2)

    def x_at(y):
        return uz - 10.0 * (y - knee) / (foot - knee)
    a, b = oy + 50, oy + 140
    s.line(x_at(a), a, x_at(b), b, color=RED, width=5)
    for y, name in ((a, "I_zmin"), (b, "I_zmax")):
        _dashed(s, x_at(y), y, ox, y)
        s.label(ox + 5, y, name, size=SMALL + 1)
    s.label(uz - 14, (a + b) / 2.0 - 6, "working", anchor="end", size=SMALL + 1, color=RED)
    s.label(uz - 14, (a + b) / 2.0 + 8, "range", anchor="end", size=SMALL + 1, color=RED)
    return s


PICTURES = {
    "help_rc_response.svg": rc_response,
    "help_555_waveform.svg": waveform_555,
    "help_gate_waveform.svg": gate_waveform,
    "help_schmitt_hysteresis.svg": schmitt_hysteresis,
    "help_zener_range.svg": zener_range,
}
