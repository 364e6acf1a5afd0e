"""Pictures of the oscillator forms: NE555 astable and monostable and the
CMOS-gate astable."""

from draw import (Svg, BLUE, capacitor, dimension, dot, ground, ic555, inverter, resistor,
                  terminal, wire, arrowhead, SMALL)

PINS = {4: ("T", 20), 8: ("T", 50), 1: ("B", 20), 5: ("B", 50), 3: ("R", 50)}


def _res(s, p, q):
    resistor(s, p, q, body=30, thick=10)


def _supply(s, pins, x_left, vcc, gnd, x_right):
    """Vcc and ground rails, pins 4, 8, 1 and the 10nF on pin 5."""
    terminal(s, x_left - 16, vcc)
    s.label(x_left - 16, vcc - 16, "V_cc", anchor="middle")
    wire(s, (x_left - 16, vcc), (pins[8][0], vcc), pins[8])
    wire(s, (pins[4][0], vcc), pins[4])
    dot(s, pins[4][0], vcc)
    dot(s, x_left, vcc)
    wire(s, (x_left, gnd), (x_right, gnd))
    wire(s, pins[1], (pins[1][0], gnd))
    dot(s, pins[1][0], gnd)
    capacitor(s, pins[5], (pins[5][0], gnd), plate=14)
    s.label(pins[5][0] + 11, (pins[5][1] + gnd) / 2.0, "10nF", size=SMALL)
    dot(s, pins[5][0], gnd)
    ground(s, (pins[1][0] + pins[5][0]) / 2.0, gnd)


def astable_555():
    s = Svg(299, 241, "Astable oscillator, NE555 based")
    s.heading("Astable oscillator, NE555 based", y=20)
    vcc, gnd, xl = 52, 224, 64
    pins = dict(PINS)
    pins.update({7: ("L", 18), 6: ("L", 48), 2: ("L", 72)})
    ends = ic555(s, 130, 82, 70, 100, pins)
    _supply(s, ends, xl, vcc, gnd, ends[5][0])
    y7, y6, y2 = ends[7][1], ends[6][1], ends[2][1]
    _res(s, (xl, vcc), (xl, y7))
    s.label(xl - 10, (vcc + y7) / 2.0, "R_1", anchor="end")
    wire(s, (xl, y7), ends[7])
    dot(s, xl, y7)
    _res(s, (xl, y7), (xl, y2))
    s.label(xl - 10, (y7 + y2) / 2.0, "R_2", anchor="end")
    wire(s, (xl, y2), ends[2])
    wire(s, (108, y2), (108, y6), ends[6])
    dot(s, 108, y2)
    dot(s, xl, y2)
    capacitor(s, (xl, y2), (xl, gnd), plate=18)
    s.label(xl - 13, (y2 + gnd) / 2.0, "C", anchor="end")
    dot(s, xl, gnd)
    # output: square wave with its high and low times
    y3 = ends[3][1]
    wire(s, ends[3], (222, y3))
    terminal(s, 222, y3)
    hi, lo = y3 - 22, y3 + 22
    s.polyline([(232, lo), (240, lo), (240, hi), (262, hi), (262, lo), (278, lo), (278, hi),
                (292, hi)], color=BLUE, width=2)
    dimension(s, (240, hi - 10), (262, hi - 10), head=6)
    s.label(251, hi - 22, "T_h", anchor="middle")
    dimension(s, (262, lo + 10), (278, lo + 10), head=6)
    s.label(270, lo + 22, "T_l", anchor="middle")
    return s


def monostable_555():
    s = Svg(310, 241, "Monostable oscillator, NE555 based")
    s.heading("Monostable oscillator, NE555 based", y=20)
    vcc, gnd, xl = 52, 224, 48
    pins = dict(PINS)
    pins.update({7: ("L", 18), 6: ("L", 40), 2: ("L", 80)})
    ends = ic555(s, 136, 82, 70, 100, pins)
    _supply(s, ends, xl, vcc, gnd, ends[5][0])
    y7, y6, y2 = ends[7][1], ends[6][1], ends[2][1]
    _res(s, (xl, vcc), (xl, y6))
    s.label(xl - 10, (vcc + y6) / 2.0, "R_1", anchor="end")
    wire(s, (xl, y6), ends[6])
    wire(s, (112, y6), (112, y7), ends[7])
    dot(s, 112, y6)
    dot(s, xl, y6)
    capacitor(s, (xl, y6), (xl, gnd), plate=18)
    s.label(xl - 13, (y6 + gnd) / 2.0, "C", anchor="end")
    dot(s, xl, gnd)
    # trigger: a falling edge into pin 2
    terminal(s, 108, y2)
    wire(s, (108, y2), ends[2])
    hi, lo = y2 - 10, y2 + 10
    s.polyline([(64, hi), (82, hi), (82, lo), (98, lo)], color=BLUE, width=2)
    arrowhead(s, (82, y2 + 6), (82, hi), BLUE, length=7, half=3.5)
    # output: one pulse of length T
    y3 = ends[3][1]
    wire(s, ends[3], (228, y3))
    terminal(s, 228, y3)
    hi, lo = y3 - 22, y3 + 22
    s.polyline([(238, lo), (248, lo), (248, hi), (282, hi), (282, lo), (302, lo)],
               color=BLUE, width=2)
    dimension(s, (248, hi - 10), (282, hi - 10), head=6)
    s.label(265, hi - 22, "T", anchor="middle")
    return s


def gate_astable():
    s = Svg(301, 156, "Astable oscillator, CMOS gates based")
    s.heading("Astable oscillator, CMOS gates based", y=20)
    y, yc, yr = 84, 52, 120
    in1, out1 = inverter(s, 88, y)
    in2, out2 = inverter(s, 160, y)
    xn, xj, xo = 62, out1[0] + 8, out2[0] + 10
    wire(s, (xn, y), in1)
    wire(s, out1, in2)
    wire(s, out2, (222, y))
    for x in (xn, xj, xo):
        dot(s, x, y)
    # R from the junction of the inverters (the first one's output) back to
    # the input node: C charges and discharges through it.
    wire(s, (xn, y), (xn, yc))
    _res(s, (xn, yc), (xj, yc))
    wire(s, (xj, yc), (xj, y))
    s.label((xn + xj) / 2.0, yc - 17, "R", anchor="middle")
    # C from the output of the second inverter to the input node: each edge
    # of the output kicks the input past the threshold.
    wire(s, (xn, y), (xn, yr), (100, yr))
    capacitor(s, (100, yr), (170, yr), plate=16)
    wire(s, (170, yr), (xo, yr), (xo, y))
    s.label(135, yr + 17, "C", anchor="middle")
    terminal(s, 222, y)
    hi, lo = y - 20, y + 20
    s.polyline([(232, lo), (240, lo), (240, hi), (258, hi), (258, lo), (276, lo), (276, hi),
                (294, hi)], color=BLUE, width=2)
    return s


PICTURES = {
    "bitmap163.svg": astable_555,
    "bitmap164.svg": monostable_555,
    "bitmap165.svg": gate_astable,
}
