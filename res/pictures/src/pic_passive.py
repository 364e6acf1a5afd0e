"""Pictures of the passive-component forms: Ohm's law, decibels, two
resistors, two capacitors and the filtering capacitor."""

from draw import (Svg, BLUE, GREY, RED, capacitor, current_arrow, diode, dot, polarized_capacitor,
                  resistor, terminal, voltage_arrow, wire, arrow, LABEL)


def ohms_law():
    s = Svg(117, 206, "Ohm's law")
    s.heading("Ohm's law", y=20)
    x = 46
    wire(s, (x, 44), (x, 70))
    resistor(s, (x, 70), (x, 160), body=50, thick=16)
    wire(s, (x, 160), (x, 186))
    terminal(s, x, 44)
    terminal(s, x, 186)
    s.label(x - 14, 115, "R", anchor="end", size=15)
    current_arrow(s, (x, 50), (x, 68))
    s.label(x - 9, 58, "I", anchor="end", color=RED, size=15)
    voltage_arrow(s, (76, 158), (76, 72))
    s.label(83, 115, "U", color=BLUE, size=15)
    return s


def decibel():
    s = Svg(193, 138, "Decibel calculation")
    s.heading("Decibel calculation", y=20)
    s.rect(72, 46, 49, 64)
    s.label(96.5, 78, "Z", anchor="middle", size=16)
    top, bot = 56, 100
    for xt, xb in ((12, 72), (121, 181)):
        wire(s, (xt, top), (xb, top))
        wire(s, (xt, bot), (xb, bot))
    for xt in (12, 181):
        terminal(s, xt, top)
        terminal(s, xt, bot)
    voltage_arrow(s, (26, bot - 3), (26, top + 3))
    s.label(32, 78, "U_i", color=BLUE)
    voltage_arrow(s, (167, bot - 3), (167, top + 3))
    s.label(161, 78, "U_o", anchor="end", color=BLUE)
    arrow(s, (40, 46), (62, 46), width=1.0, head=6)
    s.label(40, 36, "P_i")
    arrow(s, (130, 46), (152, 46), width=1.0, head=6)
    s.label(130, 36, "P_o")
    return s


def _divider(s):
    s.line(164.5, 30, 164.5, 264, color=GREY, width=1, dash="4 3")


def _two_parts(title, part, cap):
    s = Svg(329, 274, title)
    s.heading(title, y=20)
    _divider(s)
    s.text(82, 44, "Serial", anchor="middle", size=LABEL + 1, bold=True)
    s.text(246, 44, "Parallel", anchor="middle", size=LABEL + 1, bold=True)
    n1, n2 = ("C", "C") if cap else ("R", "R")
    off = 18 if cap else 14

    # serial branch
    x, y0, y1 = 70, 60, 250
    terminal(s, x, y0)
    terminal(s, x, y1)
    part(s, (x, y0), (x, 150))
    part(s, (x, 150), (x, y1))
    dot(s, x, 150)
    s.label(x - off, 105, n1 + "_1", anchor="end")
    s.label(x - off, 195, n2 + "_2", anchor="end")
    voltage_arrow(s, (94, 143), (94, 70))
    s.label(100, 105, "U_1", color=BLUE)
    voltage_arrow(s, (94, 240), (94, 157))
    s.label(100, 195, "U_2", color=BLUE)
    voltage_arrow(s, (130, 240), (130, 70))
    s.label(136, 155, "U", color=BLUE)
    if not cap:
        current_arrow(s, (x, 64), (x, 84))
        s.label(x - 8, 74, "I=I_1=I_2", anchor="end", color=RED)

    # parallel branches between two rails
    xl, xa, xb, top, bot = 180, 262, 312, 80, 230
    terminal(s, xl, top)
    terminal(s, xl, bot)
    wire(s, (xl, top), (xb, top))
    wire(s, (xl, bot), (xb, bot))
    part(s, (xa, top), (xa, bot))
    part(s, (xb, top), (xb, bot))
    dot(s, xa, top)
    dot(s, xa, bot)
    s.label(xa - off, 155, n1 + "_1", anchor="end")
    s.label(xb - off, 155, n2 + "_2", anchor="end")
    voltage_arrow(s, (196, bot - 6), (196, top + 6))
    s.label(202, 104, "U=U_1=U_2", color=BLUE)
    if not cap:
        current_arrow(s, (xa, 186), (xa, 210))
        s.label(xa - 8, 198, "I_1", anchor="end", color=RED)
        current_arrow(s, (xb, 186), (xb, 210))
        s.label(xb - 8, 198, "I_2", anchor="end", color=RED)
    return s


def two_resistors():
    return _two_parts("Two resistors",
                      lambda s, p, q: resistor(s, p, q, body=34, thick=12), cap=False)


def two_capacitors():
    return _two_parts("Two capacitors",
                      lambda s, p, q: capacitor(s, p, q, gap=7, plate=24), cap=True)


def _output_stage(s, top, bot):
    """Reservoir capacitor, load current and ripple, common to both rectifiers."""
    xc, xo = 160, 214
    wire(s, (xc, top), (xo, top))
    wire(s, (xc, bot), (xo, bot))
    dot(s, xc, top)
    dot(s, xc, bot)
    polarized_capacitor(s, (xc, top), (xc, bot), plate=22)
    s.label(xc - 16, (top + bot) / 2, "C", anchor="end")
    current_arrow(s, (176, top), (200, top))
    s.label(188, top - 11, "I", anchor="middle", color=RED)
    terminal(s, xo, top)
    terminal(s, xo, bot)
    voltage_arrow(s, (232, bot - 4), (232, top + 4))
    s.label(238, (top + bot) / 2, "\u0394U", color=BLUE)


def filter_cap():
    s = Svg(281, 290, "Filtering capacitor")
    s.heading("Filtering capacitor", y=20)
    s.line(8, 148, 273, 148, color=GREY, width=1, dash="4 3")

    # half-wave: one diode
    s.text(140, 44, "Mono-alternance", anchor="middle", size=LABEL + 1, bold=True)
    top, bot = 66, 128
    terminal(s, 14, top)
    terminal(s, 14, bot)
    wire(s, (14, top), (60, top))
    diode(s, (60, top), (110, top), size=14)
    wire(s, (110, top), (160, top))
    wire(s, (14, bot), (160, bot))
    s.label(85, top - 16, "D", anchor="middle")
    voltage_arrow(s, (28, bot - 4), (28, top + 4))
    s.label(34, (top + bot) / 2, "U", color=BLUE)
    _output_stage(s, top, bot)

    # full-wave: diode bridge, AC on the top and bottom corners
    s.text(140, 170, "Bi-Alternance", anchor="middle", size=LABEL + 1, bold=True)
    cx, cy, r = 92, 226, 36
    t, b, l, rt = (cx, cy - r), (cx, cy + r), (cx - r, cy), (cx + r, cy)
    diode(s, t, rt, size=12)
    diode(s, b, rt, size=12)
    diode(s, l, t, size=12)
    diode(s, l, b, size=12)
    for p in (t, b, l, rt):
        dot(s, *p)
    terminal(s, 14, t[1])
    terminal(s, 14, b[1])
    wire(s, (14, t[1]), t)
    wire(s, (14, b[1]), b)
    voltage_arrow(s, (28, b[1] - 4), (28, t[1] + 4))
    s.label(34, cy, "U", color=BLUE)
    top, bot = cy, 280
    wire(s, rt, (160, top))
    wire(s, l, (l[0], bot), (160, bot))
    _output_stage(s, top, bot)
    return s


PICTURES = {
    "bitmap130.svg": ohms_law,
    "bitmap132.svg": decibel,
    "bitmap134.svg": two_resistors,
    "bitmap135.svg": two_capacitors,
    "bitmap144.svg": filter_cap,
}
