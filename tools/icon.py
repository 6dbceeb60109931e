"""The program's icon: a diesel locomotive seen head-on.

One list of filled shapes in a 256-unit box is both drawn into the PNGs and
written out as the SVG, so the two cannot drift apart. Below 48 pixels the
icon has its own simpler steps laid on a 16-cell grid, snapped to whole
pixels, so that 16 px stays crisp.
"""

from PIL import Image

from drawing import (AMBER, CHARCOAL, NAVY, NAVY_LIGHT, STEEL, STEEL_LIGHT, TEAL_LIGHT, WHITE,
                     Canvas, mix)

APP_ID = "id.lokomotif.Lokomotif"
BOX = 256
SIZES = (16, 22, 32, 48, 64, 128, 256)
SIMPLE_BELOW = 48
OVERSAMPLE = 8

LAMP = (255, 236, 170)
ROOF = STEEL_LIGHT
WINDSCREEN = TEAL_LIGHT


def detailed():
    """The steps for 48 px and up, in the 256-unit box."""
    steps = [
        ("poly", [(58, 22), (198, 22), (216, 48), (40, 48)], ROOF),
        ("circle", (128, 35, 12), CHARCOAL),
        ("circle", (128, 35, 8), LAMP),
        ("rect", (34, 42, 222, 198, 22), NAVY),
    ]
    for x0, x1 in ((50, 122), (134, 206)):
        steps += [
            ("rect", (x0, 62, x1, 114, 8), WINDSCREEN),
            ("poly", [(x0 + 8, 70), (x0 + 30, 70), (x0 + 8, 98)], mix(WINDSCREEN, WHITE, 0.55)),
        ]
    steps += [
        ("rect", (34, 128, 222, 140, 0), AMBER),
        ("rect", (100, 152, 156, 172, 4), NAVY_LIGHT),
    ]
    for cx in (66, 190):
        steps += [("circle", (cx, 164, 17), CHARCOAL), ("circle", (cx, 164, 11), LAMP)]
    # Pilot: a dark cowcatcher with amber chevrons, buffers at its sides, coupler in the middle.
    steps.append(("poly", [(26, 196), (230, 196), (214, 240), (42, 240)], CHARCOAL))
    for k in range(-2, 3):
        x = 128 + k * 28
        steps.append(("poly", [(x - 8, 200), (x + 4, 200), (x - 6, 236), (x - 18, 236)], AMBER))
    for cx in (56, 200):
        steps += [("rect", (cx - 18, 200, cx + 18, 222, 6), STEEL_LIGHT),
                  ("rect", (cx - 10, 206, cx + 10, 216, 3), STEEL)]
    steps += [
        ("rect", (116, 200, 140, 244, 3), STEEL),
        ("rect", (104, 222, 152, 236, 4), STEEL_LIGHT),
    ]
    return steps


def simple(size):
    """The steps for small sizes: the same front with what a few pixels can show,
    drawn on a 16-cell grid whose lines fall on the pixels of `size`."""

    def snap(v):
        return round(v * size / 16) * BOX / size

    def rect(x0, y0, x1, y1, colour):
        return ("rect", (snap(x0), snap(y0), snap(x1), snap(y1), 0), colour)

    return [
        rect(4, 1, 12, 2, ROOF),
        rect(2, 2, 14, 12, NAVY),
        rect(3, 3, 7, 6, WINDSCREEN),
        rect(9, 3, 13, 6, WINDSCREEN),
        rect(2, 7, 14, 8, AMBER),
        rect(3, 9, 5, 11, LAMP),
        rect(11, 9, 13, 11, LAMP),
        rect(1, 12, 15, 14, AMBER),
        rect(2, 14, 14, 15, AMBER),
        rect(7, 12, 9, 15, CHARCOAL),
    ]


def steps_for(size):
    return simple(size) if size < SIMPLE_BELOW else detailed()


def draw(steps, size):
    """The icon at size x size pixels, with a transparent background."""
    c = Canvas(BOX, BOX, (size, size), scale=size * OVERSAMPLE / BOX, background=None)
    # PIL truncates corners to whole subpixels and fills the last row and column
    # too: half a subpixel inwards makes a rectangle cover exactly its pixels.
    half = 0.5 / c.k
    for kind, shape, colour in steps:
        if kind == "rect":
            x0, y0, x1, y1, radius = shape
            c.rect((x0 + half, y0 + half, x1 - half, y1 - half), fill=colour, radius=radius)
        elif kind == "circle":
            c.circle(*shape, fill=colour)
        else:
            c.poly(shape, fill=colour)
    # Averaging whole blocks of subpixels keeps grid-aligned edges sharp.
    return c.picture(Image.Resampling.BOX)


def svg(steps):
    def hex_colour(colour):
        return "#%02x%02x%02x" % colour

    def num(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (BOX, BOX, BOX, BOX)]
    for kind, shape, colour in steps:
        fill = hex_colour(colour)
        if kind == "rect":
            x0, y0, x1, y1, r = shape
            rounding = ' rx="%s"' % num(r) if r else ""
            lines.append('  <rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"/>'
                         % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), rounding, fill))
        elif kind == "circle":
            cx, cy, r = shape
            lines.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                         % (num(cx), num(cy), num(r), fill))
        else:
            points = " ".join("%s,%s" % (num(x), num(y)) for x, y in shape)
            lines.append('  <polygon points="%s" fill="%s"/>' % (points, fill))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def write(root):
    """Writes the hicolor theme's PNGs and SVG under root; returns the paths."""
    paths = []
    for size in SIZES:
        path = root / ("%dx%d" % (size, size)) / "apps" / (APP_ID + ".png")
        path.parent.mkdir(parents=True, exist_ok=True)
        # PIL writes no time into a PNG, so the same pixels give the same bytes.
        draw(steps_for(size), size).save(path, "PNG", optimize=True)
        paths.append(path)
    path = root / "scalable" / "apps" / (APP_ID + ".svg")
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(svg(detailed()))
    paths.append(path)
    return paths
