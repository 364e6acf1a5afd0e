"""Pictures of the semiconductor forms: heatsink, zener regulator and the
class A common-emitter stage."""

from draw import (Svg, BLUE, INK, RED, THIN, arrow, capacitor, current_arrow, dot, ground,
                  npn, resistor, terminal, voltage_arrow, wire, zener, fmt)

METAL = "#c8ccd4"
METAL_EDGE = "#555a64"


def _pointer(s, p, q):
    arrow(s, p, q, color=INK, width=THIN, head=6)


def heatsink():
    s = Svg(235, 200, "Heating calculations")
    s.heading("Heating calculations", y=20)
    x0, x1, base_top, base_bot, fin_top = 58, 168, 118, 128, 62
    # fins and base plate in one outline
    n, fw = 7, 6
    gap = (x1 - x0 - fw) / float(n - 1)
    d = ["M%s %s" % (fmt(x0), fmt(base_bot))]
    for i in range(n):
        fx = x0 + i * gap
        d.append("L%s %s L%s %s L%s %s L%s %s" % (fmt(fx), fmt(base_top) if i else fmt(fin_top),
                                                  fmt(fx), fmt(fin_top), fmt(fx + fw), fmt(fin_top),
                                                  fmt(fx + fw), fmt(base_top)))
    d.append("L%s %s Z" % (fmt(x1), fmt(base_bot)))
    s.path(" ".join(d), fill=METAL, stroke=METAL_EDGE)
    # insulating washer, then the component and its leads
    s.rect(86, base_bot, 54, 4, fill="#f4f4f4", stroke=INK, width=THIN)
    s.rect(92, base_bot + 4, 42, 22, fill="#303030", stroke=INK)
    for lx in (101, 113, 125):
        s.line(lx, base_bot + 26, lx, 180, width=2)
    # warm air rising over the fins
    for ax in (84, 113, 142):
        s.path("M%s 56 q-4 -5 0 -10 q4 -5 0 -10" % fmt(ax), stroke="#e07070", width=THIN)
    # thermometer for the ambient temperature
    tx = 24
    s.rect(tx - 3.5, 66, 7, 52, fill="#ffffff", stroke=INK, width=THIN, rx=3.5)
    s.rect(tx - 1.5, 86, 3, 34, fill=RED, stroke="none")
    s.circle(tx, 122, 6, fill=RED, stroke=INK, width=THIN)
    s.label(tx + 9, 82, "T_a")
    # thermal resistances
    s.label(172, 44, "R_thHA")
    _pointer(s, (170, 44), (132, 40))
    s.label(174, base_bot + 2, "R_thPH")
    _pointer(s, (172, base_bot + 2), (140, base_bot + 2))
    s.label(174, 160, "R_thJP")
    _pointer(s, (172, 158), (124, 144))
    return s


def zener_regulator():
    s = Svg(235, 202, "Zener diode")
    s.heading("Zener diode", y=20)
    top, bot = 52, 172
    xi, xn, xl, xo = 14, 136, 180, 218
    terminal(s, xi, top)
    terminal(s, xi, bot)
    wire(s, (xi, top), (76, top))
    resistor(s, (76, top), (122, top), body=28, thick=10)
    wire(s, (122, top), (xo, top))
    s.label(99, top - 15, "R", anchor="middle")
    wire(s, (xi, bot), (xo, bot))
    ground(s, 100, bot)
    voltage_arrow(s, (28, bot - 4), (28, top + 4))
    s.label(34, 104, "U_max", color=BLUE)
    s.label(34, 122, "U_min", color=BLUE)
    zener(s, (xn, bot), (xn, top), size=14)
    s.label(xn - 12, 112, "D", anchor="end")
    dot(s, xn, top)
    dot(s, xn, bot)
    resistor(s, (xl, top), (xl, bot), body=30, thick=10)
    s.label(xl - 10, 112, "R_c", anchor="end")
    dot(s, xl, top)
    dot(s, xl, bot)
    current_arrow(s, (xl, 60), (xl, 84))
    s.label(xl + 6, 72, "I_c", color=RED)
    terminal(s, xo, top)
    terminal(s, xo, bot)
    voltage_arrow(s, (xo - 12, bot - 6), (xo - 12, top + 6))
    s.label(xo - 6, 126, "U_z", color=BLUE)
    return s


def class_a():
    s = Svg(303, 331, "Class A transistor stage")
    s.heading("Class A transistor stage", y=20)
    vcc, gnd = 50, 300
    xb, xt, yb = 112, 186, 184
    t = npn(s, xt, yb)
    xc = t["c"][0]
    xo, xl, xby = 282, 260, 220
    # supply rails
    terminal(s, 34, vcc)
    s.label(34, vcc - 16, "V_cc", anchor="middle")
    wire(s, (34, vcc), (xc, vcc))
    wire(s, (xb, gnd), (xl, gnd))
    ground(s, 150, gnd)
    # base: input coupling and divider
    terminal(s, 20, yb)
    s.label(20, yb - 17, "V_in", anchor="middle")
    wire(s, (20, yb), (46, yb))
    capacitor(s, (46, yb), (86, yb), plate=16)
    s.label(66, yb - 18, "C_in", anchor="middle")
    wire(s, (86, yb), t["b"])
    dot(s, xb, yb)
    dot(s, xb, vcc)
    resistor(s, (xb, vcc), (xb, yb), body=32, thick=10)
    s.label(xb - 10, 117, "R_b", anchor="end")
    resistor(s, (xb, yb), (xb, gnd), body=32, thick=10)
    s.label(xb - 10, 244, "R_x", anchor="end")
    # collector: load resistor and output coupling
    yc = 132
    resistor(s, (xc, vcc), (xc, yc), body=30, thick=10)
    s.label(xc - 10, 91, "R_c", anchor="end")
    wire(s, (xc, yc), t["c"])
    dot(s, xc, yc)
    wire(s, (xc, yc), (204, yc))
    capacitor(s, (204, yc), (240, yc), plate=16)
    s.label(222, yc - 18, "C_out", anchor="middle")
    wire(s, (240, yc), (xo, yc))
    dot(s, xl, yc)
    terminal(s, xo, yc)
    s.label(xo - 4, yc - 17, "V_out", anchor="middle")
    resistor(s, (xl, yc), (xl, gnd), body=32, thick=10)
    s.label(xl + 10, 216, "R_l")
    dot(s, xl, gnd)
    # emitter: unbypassed Re, then Rv with Cby across it
    ye = 250
    resistor(s, t["e"], (xc, ye), body=26, thick=10)
    s.label(xc - 10, 225, "R_e", anchor="end")
    resistor(s, (xc, ye), (xc, gnd), body=26, thick=10)
    s.label(xc - 10, 275, "R_v", anchor="end")
    dot(s, xc, ye)
    dot(s, xc, gnd)
    wire(s, (xc, ye), (xby, ye))
    capacitor(s, (xby, ye), (xby, gnd), plate=16)
    s.label(xby + 11, 272, "C_by")
    dot(s, xby, gnd)
    return s


PICTURES = {
    "bitmap145.svg": heatsink,
    "bitmap146.svg": zener_regulator,
    "bitmap147.svg": class_a,
}
