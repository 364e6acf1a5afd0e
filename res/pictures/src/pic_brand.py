"""The About banner with the product name and the application icon."""

from draw import Svg, fmt

NAME = "Voltaris"


def banner():
    s = Svg(400, 80, NAME)
    face = s.linear_gradient("face", [(0, "#fff27a"), (0.5, "#ffb000"), (1, "#e03c00")])
    s.linear_gradient("wave", [(0, "#dce6ff"), (1, "#c4d4ff")], x2=1, y2=0)
    # a faint sine wave running behind the lettering
    d = ["M0 40"]
    for i in range(8):
        x = 50 * i
        d.append("Q%s %s %s 40" % (fmt(x + 12.5), "22" if i % 2 == 0 else "58", fmt(x + 25)))
        d.append("T%s 40" % fmt(x + 50))
    s.path(" ".join(d), stroke="url(#wave)", width=3)
    x, y, size = 200, 62, 60
    depth = 6
    for i in range(depth, 0, -1):
        shade = 0x30 + (depth - i) * 0x12
        colour = "#%02x%02x%02x" % (shade // 3, shade // 2, shade + 0x30)
        s.add('<text x="%s" y="%s" font-family="Liberation Sans" font-size="%s" '
              'font-weight="bold" text-anchor="middle" fill="%s">%s</text>'
              % (fmt(x + i * 0.8), fmt(y + i * 0.8), size, colour, NAME))
    s.add('<text x="%s" y="%s" font-family="Liberation Sans" font-size="%s" font-weight="bold" '
          'text-anchor="middle" fill="%s" stroke="#7a2800" stroke-width="1">%s</text>'
          % (fmt(x), fmt(y), size, face, NAME))
    return s


def icon():
    s = Svg(128, 128, NAME, paper=False)
    tile = s.linear_gradient("tile", [(0, "#3a66e0"), (1, "#0f2a78")])
    bolt = s.linear_gradient("bolt", [(0, "#fff48a"), (1, "#ffb400")])
    s.rect(4, 4, 120, 120, fill=tile, stroke="#0a1c50", width=3, rx=24)
    s.polygon([(76, 10), (34, 72), (62, 72), (50, 118), (94, 52), (66, 52), (88, 10)],
              fill=bolt, stroke="#3a2000", width=4)
    return s


PICTURES = {
    "bitmap151.svg": banner,
    "icon128.svg": icon,
}
