"""Pictures of the operational-amplifier forms: inverting and non-inverting
amplifiers, differentiator, integrator, summator, subtractor and the Schmitt
trigger."""

from draw import (Svg, BLUE, INK, THIN, arrowhead, capacitor, dot, ground, opamp, resistor,
                  terminal, voltage_arrow, wire)


def _res(s, p, q):
    resistor(s, p, q, body=30, thick=10)


def _cap(s, p, q):
    capacitor(s, p, q, plate=18)


def _ports(s, xin, yin, xout, yout, rail, label_in="U_i", in_arrow_x=None):
    """Input and output terminals over a common ground rail, with their voltages."""
    terminal(s, xin, yin)
    terminal(s, xin, rail)
    terminal(s, xout, yout)
    terminal(s, xout, rail)
    wire(s, (xin, rail), (xout, rail))
    ax = in_arrow_x if in_arrow_x is not None else xin + 12
    voltage_arrow(s, (ax, rail - 4), (ax, yin + 4))
    s.label(ax + 6, (yin + rail) / 2.0, label_in, color=BLUE)
    voltage_arrow(s, (xout - 12, rail - 4), (xout - 12, yout + 4))
    s.label(xout - 18, (yout + rail) / 2.0 + 4, "U_o", anchor="end", color=BLUE)


def _inverting(width, height, title, in_part, in_name, fb_part, fb_name):
    """Input part into the inverting input, feedback part from the output back."""
    s = Svg(width, height, title)
    s.heading(title, y=20)
    yc, rail = 104, height - 22
    xa = 112
    amp = opamp(s, xa, yc)
    ym = amp["-"][1]
    xn = xa - 22
    xo = width - 30
    xout = amp["out"][0] + 8
    in_part(s, (32, ym), (78, ym))
    s.label(55, ym - 16, in_name, anchor="middle")
    wire(s, (12, ym), (32, ym))
    wire(s, (78, ym), amp["-"])
    dot(s, xn, ym)
    yf = 56
    wire(s, (xn, ym), (xn, yf), (xn + 16, yf))
    fx0, fx1 = xn + 16, xout - 8
    fb_part(s, (fx0, yf), (fx1, yf))
    s.label((fx0 + fx1) / 2.0, yf - 16, fb_name, anchor="middle")
    wire(s, (fx1, yf), (xout, yf), (xout, yc))
    wire(s, amp["out"], (xo, yc))
    dot(s, xout, yc)
    xp = amp["+"][0]
    wire(s, amp["+"], (xp, rail))
    dot(s, xp, rail)
    ground(s, xp + 30, rail)
    _ports(s, 12, ym, xo, yc, rail)
    return s


def inverting_amp():
    return _inverting(225, 170, "Inverting amplifier", _res, "R_1", _res, "R_2")


def differentiator():
    return _inverting(225, 178, "Differentiator", _cap, "C", _res, "R")


def integrator():
    return _inverting(241, 178, "Integrator", _res, "R", _cap, "C")


def non_inverting_amp():
    s = Svg(281, 154, "Non-inverting amplifier")
    s.heading("Non-inverting amplifier", y=20)
    # The form's Help and Close buttons stand over the bottom right of the
    # picture: the ground rail runs above them and the ground symbol hangs
    # left of them.
    yc, rail = 64, 122
    xa = 126
    amp = opamp(s, xa, yc, minus_top=False)
    xo, xout = 252, amp["out"][0] + 22
    wire(s, (12, amp["+"][1]), amp["+"])
    xn, yj = amp["-"][0] - 10, 86
    wire(s, amp["-"], (xn, amp["-"][1]), (xn, yj))
    dot(s, xn, yj)
    _res(s, (xn, yj), (xn, rail))
    s.label(xn - 10, (yj + rail) / 2.0, "R_1", anchor="end")
    wire(s, (xn, yj), (xn + 30, yj))
    _res(s, (xn + 30, yj), (xout - 14, yj))
    s.label((xn + xout + 16) / 2.0, yj + 16, "R_2", anchor="middle")
    wire(s, (xout - 14, yj), (xout, yj), (xout, yc))
    wire(s, amp["out"], (xo, yc))
    dot(s, xout, yc)
    dot(s, xn, rail)
    ground(s, 70, rail)
    _ports(s, 12, amp["+"][1], xo, yc, rail)
    return s


def _formula(s, y, text):
    s.label(s.width / 2.0, y, text, anchor="middle")


def summator():
    s = Svg(273, 193, "Summator")
    s.heading("Summator", y=20)
    rail, yc = 150, 99
    amp = opamp(s, 130, yc)
    ym = amp["-"][1]
    y1, y2, yf, xn, xout, xo = 70, 120, 48, 106, amp["out"][0] + 12, 258
    for y, name, label in ((y1, "R_1", "U_1"), (y2, "R_2", "U_2")):
        wire(s, (12, y), (50, y))
        _res(s, (50, y), (90, y))
        s.label(70, y - 15, name, anchor="middle")
        wire(s, (90, y), (xn, y), (xn, ym))
        terminal(s, 12, y)
    wire(s, (xn, ym), amp["-"])
    wire(s, (xn, y1), (xn, yf), (126, yf))
    _res(s, (126, yf), (xout - 10, yf))
    s.label((126 + xout - 10) / 2.0, yf - 15, "R_3", anchor="middle")
    wire(s, (xout - 10, yf), (xout, yf), (xout, yc))
    dot(s, xn, ym)
    dot(s, xn, y1)
    dot(s, xout, yc)
    wire(s, amp["out"], (xo, yc))
    wire(s, amp["+"], (amp["+"][0], rail))
    dot(s, amp["+"][0], rail)
    ground(s, 180, rail)
    terminal(s, 12, rail)
    terminal(s, xo, yc)
    terminal(s, xo, rail)
    wire(s, (12, rail), (xo, rail))
    voltage_arrow(s, (24, rail - 4), (24, y1 + 4), over=[(24, y2)])
    s.label(29, 96, "U_1", color=BLUE)
    voltage_arrow(s, (40, rail - 4), (40, y2 + 4))
    s.label(45, 137, "U_2", color=BLUE)
    voltage_arrow(s, (xo - 12, rail - 4), (xo - 12, yc + 4))
    s.label(xo - 18, 127, "U_o", anchor="end", color=BLUE)
    _formula(s, 177, "U_o = \u2212(G_1 \u00d7 U_1 + G_2 \u00d7 U_2)")
    return s


def subtractor():
    s = Svg(257, 241, "Substractor")
    s.heading("Substractor", y=20)
    rail, yc = 198, 104
    amp = opamp(s, 132, yc)
    ym, yp = amp["-"][1], amp["+"][1]
    y2, yf, xn, xout, xo = 146, 58, 110, amp["out"][0] + 12, 242
    wire(s, (12, ym), (52, ym))
    _res(s, (52, ym), (92, ym))
    s.label(72, ym - 15, "R_1", anchor="middle")
    wire(s, (92, ym), amp["-"])
    wire(s, (xn, ym), (xn, yf), (128, yf))
    _res(s, (128, yf), (xout - 10, yf))
    s.label((128 + xout - 10) / 2.0, yf - 15, "R_2", anchor="middle")
    wire(s, (xout - 10, yf), (xout, yf), (xout, yc))
    wire(s, amp["out"], (xo, yc))
    dot(s, xn, ym)
    dot(s, xout, yc)
    wire(s, (12, y2), (52, y2))
    _res(s, (52, y2), (92, y2))
    s.label(72, y2 - 15, "R_3", anchor="middle")
    xq = 114
    wire(s, (92, y2), (xq, y2), (xq, yp), amp["+"])
    dot(s, xq, y2)
    _res(s, (xq, y2), (xq, rail))
    s.label(xq - 10, (y2 + rail) / 2.0 + 4, "R_2", anchor="end")
    dot(s, xq, rail)
    ground(s, 170, rail)
    for y in (ym, y2, rail):
        terminal(s, 12, y)
    terminal(s, xo, yc)
    terminal(s, xo, rail)
    wire(s, (12, rail), (xo, rail))
    voltage_arrow(s, (24, rail - 4), (24, ym + 4), over=[(24, y2)])
    s.label(29, 124, "U_1", color=BLUE)
    voltage_arrow(s, (40, rail - 4), (40, y2 + 4))
    s.label(45, 176, "U_2", color=BLUE)
    voltage_arrow(s, (xo - 12, rail - 4), (xo - 12, yc + 4))
    s.label(xo - 18, 150, "U_o", anchor="end", color=BLUE)
    _formula(s, 224, "U_o = G_2 \u00d7 U_2 \u2212 G_1 \u00d7 U_1")
    return s


def schmitt():
    s = Svg(355, 178, "Schmitt trigger")
    s.heading("Schmitt trigger", y=20)
    rail, yc = 152, 92
    amp = opamp(s, 96, yc, minus_top=False)
    yp = amp["+"][1]
    xn, yf, xout, xo = 84, 50, amp["out"][0] + 12, 190
    wire(s, (12, yp), (34, yp))
    _res(s, (34, yp), (72, yp))
    s.label(53, yp - 15, "R_1", anchor="middle")
    wire(s, (72, yp), amp["+"])
    wire(s, (xn, yp), (xn, yf), (102, yf))
    _res(s, (102, yf), (xout - 8, yf))
    s.label((102 + xout - 8) / 2.0, yf - 15, "R_2", anchor="middle")
    wire(s, (xout - 8, yf), (xout, yf), (xout, yc))
    wire(s, amp["out"], (xo, yc))
    dot(s, xn, yp)
    dot(s, xout, yc)
    wire(s, amp["-"], (amp["-"][0], rail))
    dot(s, amp["-"][0], rail)
    ground(s, 130, rail)
    terminal(s, 12, yp)
    terminal(s, 12, rail)
    terminal(s, xo, yc)
    terminal(s, xo, rail)
    wire(s, (12, rail), (xo, rail))
    voltage_arrow(s, (24, rail - 4), (24, yp + 4))
    s.label(30, 118, "U_i", color=BLUE)
    voltage_arrow(s, (xo - 12, rail - 4), (xo - 12, yc + 4))
    s.label(xo - 18, 126, "U_o", anchor="end", color=BLUE)

    # hysteresis of Uo against Ui
    fx, fy, fw, fh = 216, 34, 132, 130
    s.rect(fx, fy, fw, fh, stroke=INK, width=THIN)
    cx, cy = fx + fw / 2.0, fy + fh / 2.0
    s.line(fx + 6, cy, fx + fw - 6, cy, width=THIN)
    arrowhead(s, (fx + fw - 4, cy), (fx, cy), INK, length=6, half=2.5)
    s.line(cx, fy + fh - 6, cx, fy + 6, width=THIN)
    arrowhead(s, (cx, fy + 4), (cx, fy + fh), INK, length=6, half=2.5)
    s.label(fx + fw - 6, cy - 10, "U_i", anchor="end", size=11)
    s.label(cx + 5, fy + 12, "U_o", size=11)
    xm, xp, hi, lo = cx - 26, cx + 26, fy + 26, fy + fh - 26
    s.polyline([(fx + 8, lo), (xp, lo), (xp, hi)], color=BLUE, width=2)
    s.polyline([(fx + fw - 8, hi), (xm, hi), (xm, lo)], color=BLUE, width=2)
    arrowhead(s, (xp, cy - 12), (xp, lo), BLUE, length=7, half=3.5)
    arrowhead(s, (xm, cy + 12), (xm, hi), BLUE, length=7, half=3.5)
    s.label(xm - 3, cy - 10, "\u2212U_trig", anchor="end", size=11)
    s.label(xp + 3, cy + 10, "+U_trig", size=11)
    return s


PICTURES = {
    "bitmap153.svg": inverting_amp,
    "bitmap154.svg": non_inverting_amp,
    "bitmap155.svg": differentiator,
    "bitmap156.svg": integrator,
    "bitmap157.svg": summator,
    "bitmap158.svg": subtractor,
    "bitmap159.svg": schmitt,
}
