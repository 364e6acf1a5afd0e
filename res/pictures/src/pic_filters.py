"""Pictures of the RC filter forms: low pass, high pass and twin-T notch,
each followed by a voltage follower in a dotted box."""

from draw import (Svg, INK, THIN, capacitor, dot, ground, opamp, resistor, terminal, wire)


def _res(s, p, q):
    resistor(s, p, q, body=30, thick=10)


def _cap(s, p, q):
    capacitor(s, p, q, plate=18)


def _follower(s, x_in, y_in, x_term, rail):
    """Unity-gain buffer fed at (x_in, y_in); output terminal at x_term."""
    xa = x_in + 32
    yc = y_in + 11
    amp = opamp(s, xa, yc, minus_top=False)
    wire(s, (x_in, y_in), amp["+"])
    xm, ym = amp["-"]
    yf = y_in + 40
    xo = amp["out"][0] + 8
    wire(s, (xm, ym), (xm - 6, ym), (xm - 6, yf), (xo, yf), (xo, yc))
    wire(s, amp["out"], (x_term, yc))
    dot(s, xo, yc)
    s.rect(xa - 24, y_in - 24, 92, 74, fill="none", stroke=INK, width=THIN, dash="2 2")
    terminal(s, x_term, yc)
    terminal(s, x_term, rail)


def _rc(width, height, title, series, series_name, shunt, shunt_name, x_node, x_in):
    s = Svg(width, height, title)
    s.heading(title, y=20)
    y, rail = 80, height - 25
    x_term = width - 14
    terminal(s, 14, y)
    terminal(s, 14, rail)
    wire(s, (14, y), (30, y))
    series(s, (30, y), (x_node - 24, y))
    s.label((30 + x_node - 24) / 2.0, y - 17, series_name, anchor="middle")
    wire(s, (x_node - 24, y), (x_in, y))
    dot(s, x_node, y)
    shunt(s, (x_node, y), (x_node, rail))
    s.label(x_node - 13, (y + rail) / 2.0, shunt_name, anchor="end")
    dot(s, x_node, rail)
    wire(s, (14, rail), (x_term, rail))
    ground(s, x_node + 40, rail)
    _follower(s, x_in, y, x_term, rail)
    return s


def low_pass():
    return _rc(313, 175, "RC low pass filter", _res, "R", _cap, "C", 134, 176)


def high_pass():
    return _rc(268, 188, "RC high pass filter", _cap, "C", _res, "R_1", 108, 134)


def notch():
    s = Svg(360, 290, "RC notch filter")
    s.heading("RC notch filter", y=20)
    top, bot, mid, rail = 72, 192, 132, 262
    xi, xj, xo, x_term = 44, 134, 224, 346
    terminal(s, 14, mid)
    terminal(s, 14, rail)
    wire(s, (14, mid), (xi, mid))
    wire(s, (xi, top), (xi, bot))
    wire(s, (xo, top), (xo, bot))
    for x in (xi, xo):
        dot(s, x, mid)
    # resistor T: R, R and 2 x C to ground
    wire(s, (xi, top), (60, top))
    _res(s, (60, top), (xj - 14, top))
    wire(s, (xj - 14, top), (xj + 14, top))
    _res(s, (xj + 14, top), (xo - 16, top))
    wire(s, (xo - 16, top), (xo, top))
    s.label((60 + xj - 14) / 2.0, top - 16, "R", anchor="middle")
    s.label((xj + 14 + xo - 16) / 2.0, top - 16, "R", anchor="middle")
    dot(s, xj, top)
    _cap(s, (xj, top), (xj, top + 40))
    s.label(xj + 14, top + 20, "2 \u00d7 C")
    ground(s, xj, top + 40)
    # capacitor T: C, C and R/2 to ground
    wire(s, (xi, bot), (64, bot))
    _cap(s, (64, bot), (xj - 10, bot))
    wire(s, (xj - 10, bot), (xj + 10, bot))
    _cap(s, (xj + 10, bot), (xo - 14, bot))
    wire(s, (xo - 14, bot), (xo, bot))
    s.label((64 + xj - 10) / 2.0, bot - 18, "C", anchor="middle")
    s.label((xj + 10 + xo - 14) / 2.0, bot - 18, "C", anchor="middle")
    dot(s, xj, bot)
    _res(s, (xj, bot), (xj, rail))
    s.label(xj + 12, (bot + rail) / 2.0, "R/2")
    dot(s, xj, rail)
    wire(s, (14, rail), (x_term, rail))
    ground(s, 190, rail)
    _follower(s, xo, mid, x_term, rail)
    return s


PICTURES = {
    "bitmap168.svg": high_pass,
    "bitmap169.svg": notch,
    "bitmap170.svg": low_pass,
}
