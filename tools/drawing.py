"""Drawing helpers shared by the scripts that draw the program's pictures.

A picture is designed in logical units (the pixels of the box that shows it),
drawn `scale` times larger and reduced on output, which smooths its edges.
"""

import math
from contextlib import contextmanager
from functools import lru_cache
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFont


def mix(a, b, t):
    """Colour between a and b; t = 0 gives a."""
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def alpha(colour, a):
    return (*colour[:3], a)


# Palette -------------------------------------------------------------------
# The windows' own navy (Qt's "navy", #000080): the pictures sit on and beside
# navy panels, buttons and captions, so theirs is the same, and its darker and
# lighter shades are mixed from it.
NAVY = (0, 0, 128)
TEAL_DEEP = (8, 58, 66)
TEAL = (17, 128, 128)
TEAL_LIGHT = (72, 182, 176)
NAVY_DEEP = mix(NAVY, (0, 0, 0), 0.55)
NAVY_LIGHT = mix(NAVY, TEAL_LIGHT, 0.25)
STEEL_DARK = (38, 50, 64)
STEEL = (122, 138, 154)
STEEL_LIGHT = (196, 206, 216)
WHITE = (244, 247, 250)
AMBER = (242, 166, 35)
AMBER_DARK = (196, 118, 18)
RED = (190, 44, 40)
CHARCOAL = (28, 34, 42)
GLASS = (14, 44, 60)
# Line drawings on paper: navy ink, pale navy surfaces, rust for what to do.
PAPER = (246, 242, 230)
NAVY_TINT = mix(NAVY, WHITE, 0.87)
RUST = (204, 82, 30)
RUST_TINT = (244, 206, 184)

FONT_DIR = Path("/usr/share/fonts/truetype/dejavu")
FACES = {
    "bold": "DejaVuSans-Bold.ttf",
    "regular": "DejaVuSans.ttf",
    "oblique": "DejaVuSans-Oblique.ttf",
    "condensed": "DejaVuSansCondensed.ttf",
    "condensed-bold": "DejaVuSansCondensed-Bold.ttf",
}


@lru_cache(maxsize=None)
def font(face, pixels):
    return ImageFont.truetype(str(FONT_DIR / FACES[face]), pixels)


# Stands for "the canvas's ink" where a colour may be given or left out.
INK = object()


class Canvas:
    """An oversampled drawing surface in the logical units of a picture's box.

    Shapes are filled with `fill` and outlined with `outline`. An outline or
    line given no colour, or INK, takes the canvas's ink (none if that is
    None) and a width not given the pen's: a line drawing sets ink, pen and
    round line ends once, artwork that fills its shapes leaves the ink unset
    and outlines only what it says. A background of None is transparent.
    """

    def __init__(self, width, height, stored_size=None, scale=3, background=(255, 255, 255),
                 ink=None, pen=1, round_caps=False):
        self.width, self.height = width, height
        self.stored_size = stored_size or (width, height)
        self.k = scale
        self.background = background
        self.ink, self.pen, self.round_caps = ink, pen, round_caps
        self.image = Image.new("RGBA", (round(width * scale), round(height * scale)),
                               (0, 0, 0, 0) if background is None else alpha(background, 255))
        self.target = self.image
        self.draw = ImageDraw.Draw(self.image)

    # Coordinates -----------------------------------------------------------
    def pts(self, points):
        return [(x * self.k, y * self.k) for x, y in points]

    def box(self, b):
        return [b[0] * self.k, b[1] * self.k, b[2] * self.k, b[3] * self.k]

    def _px(self, width):
        return max(1, round((self.pen if width is None else width) * self.k))

    def _ink(self, colour):
        return self.ink if colour is INK else colour

    def font(self, face, size):
        return font(face, round(size * self.k))

    # Layers ----------------------------------------------------------------
    @contextmanager
    def layer(self, opacity=1.0):
        """Draws into a transparent layer that is blended in at the end."""
        layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
        saved = self.target, self.draw
        self.target, self.draw = layer, ImageDraw.Draw(layer)
        try:
            yield
        finally:
            self.target, self.draw = saved
            if opacity < 1.0:
                a = layer.getchannel("A").point(lambda v: round(v * opacity))
                layer.putalpha(a)
            self.target.alpha_composite(layer)

    # Shapes ----------------------------------------------------------------
    def rect(self, b, fill=None, outline=INK, width=None, radius=0):
        outline = self._ink(outline)
        self.draw.rounded_rectangle(self.box(b), radius=radius * self.k, fill=self._ink(fill),
                                    outline=outline, width=self._px(width) if outline else 0)

    def poly(self, points, fill=None, outline=INK, width=None):
        fill = self._ink(fill)
        if fill is not None:
            self.draw.polygon(self.pts(points), fill=fill)
        outline = self._ink(outline)
        if outline is not None:
            # Past the first corner again, so that it is joined like the others.
            self.line(list(points) + [points[0], points[1]], outline, width, caps=False)

    def ellipse(self, b, fill=None, outline=INK, width=None):
        outline = self._ink(outline)
        self.draw.ellipse(self.box(b), fill=self._ink(fill), outline=outline,
                          width=self._px(width) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=INK, width=None):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def pie(self, b, start, end, fill):
        self.draw.pieslice(self.box(b), start, end, fill=fill)

    def line(self, points, colour=INK, width=None, caps=None):
        """A polyline; round ends when caps (or the canvas) asks and it is 2 units wide or more."""
        colour = self._ink(colour)
        width = self.pen if width is None else width
        self.draw.line(self.pts(points), fill=colour, width=self._px(width), joint="curve")
        caps = self.round_caps if caps is None else caps
        if caps and width >= 2:
            r = width * self.k / 2
            for x, y in self.pts((points[0], points[-1])):
                self.draw.ellipse((x - r, y - r, x + r, y + r), fill=colour)

    def dashed(self, p0, p1, colour=INK, width=1.5, dash=10, gap=6):
        (x0, y0), (x1, y1) = p0, p1
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        t = 0.0
        while t < length:
            e = min(t + dash, length)
            self.line([(x0 + ux * t, y0 + uy * t), (x0 + ux * e, y0 + uy * e)], colour, width,
                      caps=False)
            t = e + gap

    def arc(self, cx, cy, r, start, end, colour=INK, width=None):
        """Angles in degrees, clockwise from east."""
        self.draw.arc(self.box((cx - r, cy - r, cx + r, cy + r)), start, end,
                      fill=self._ink(colour), width=self._px(width))

    def hatch(self, points, spacing=9, width=1.3, colour=INK, angle=45):
        """Section hatching inside a polygon."""
        mask = Image.new("L", self.image.size, 0)
        ImageDraw.Draw(mask).polygon(self.pts(points), fill=255)
        lines = Image.new("L", self.image.size, 0)
        ld = ImageDraw.Draw(lines)
        xs = [x for x, _ in points]
        ys = [y for _, y in points]
        cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
        reach = math.hypot(max(xs) - min(xs), max(ys) - min(ys))
        a = math.radians(angle)
        dx, dy = math.cos(a), -math.sin(a)
        nx, ny = -dy, dx
        k = -reach
        while k <= reach:
            px, py = cx + nx * k, cy + ny * k
            ends = [(px - dx * reach, py - dy * reach), (px + dx * reach, py + dy * reach)]
            ld.line(self.pts(ends), fill=255, width=round(width * self.k))
            k += spacing
        self.target.paste(self._ink(colour), mask=ImageChops.multiply(mask, lines))

    def gradient(self, b, top, bottom, horizontal=False, shape="rect", radius=0):
        """Fills a rectangle, rounded rectangle or ellipse with a linear gradient."""
        x0, y0, x1, y1 = [round(v) for v in self.box(b)]
        w, h = max(1, x1 - x0), max(1, y1 - y0)
        ramp = Image.linear_gradient("L")
        if horizontal:
            ramp = ramp.rotate(90, expand=True).transpose(Image.Transpose.FLIP_LEFT_RIGHT)
        ramp = ramp.resize((w, h), Image.Resampling.BILINEAR)
        fill = Image.composite(Image.new("RGBA", (w, h), alpha(bottom, 255)),
                               Image.new("RGBA", (w, h), alpha(top, 255)), ramp)
        mask = Image.new("L", (w, h), 0)
        md = ImageDraw.Draw(mask)
        if shape == "rect":
            md.rectangle([0, 0, w - 1, h - 1], fill=255)
        elif shape == "rrect":
            md.rounded_rectangle([0, 0, w - 1, h - 1], radius=radius * self.k, fill=255)
        else:
            md.ellipse([0, 0, w - 1, h - 1], fill=255)
        fill.putalpha(mask)
        self.target.alpha_composite(fill, (x0, y0))

    def glow(self, cx, cy, rx, ry, colour, strength=1.0):
        """A soft radial light that fades out to the ellipse's edge."""
        x0, y0 = round((cx - rx) * self.k), round((cy - ry) * self.k)
        w, h = round(2 * rx * self.k), round(2 * ry * self.k)
        ramp = Image.radial_gradient("L").resize((w, h), Image.Resampling.BILINEAR)
        # The ramp reaches 181 on the ellipse's edge (255 only in the corners).
        a = ramp.point(lambda v: round(255 * strength * max(0.0, 1 - v / 181) ** 2))
        spot = Image.new("RGBA", (w, h), alpha(colour, 255))
        spot.putalpha(a)
        self.target.alpha_composite(spot, (x0, y0))

    # Text ------------------------------------------------------------------
    def text_width(self, s, face, size, tracking=0):
        return self.font(face, size).getlength(s) / self.k + tracking * max(0, len(s) - 1)

    def text(self, x, y, s, face, size, fill=INK, anchor="la", tracking=0, stroke=0,
             stroke_fill=None):
        """Draws s; anchor as PIL's, tracking adds space between letters."""
        f = self.font(face, size)
        fill = self._ink(fill)
        sw = round(stroke * self.k)
        if not tracking:
            self.draw.text((x * self.k, y * self.k), s, font=f, fill=fill, anchor=anchor,
                           stroke_width=sw, stroke_fill=stroke_fill)
            return
        total = self.text_width(s, face, size, tracking)
        if anchor[0] == "m":
            x -= total / 2
        elif anchor[0] == "r":
            x -= total
        for ch in s:
            self.draw.text((x * self.k, y * self.k), ch, font=f, fill=fill,
                           anchor="l" + anchor[1], stroke_width=sw, stroke_fill=stroke_fill)
            x += f.getlength(ch) / self.k + tracking

    def fit(self, s, face, size, max_width, smallest=4, tracking=0):
        """The largest size from size down to smallest at which s fits in max_width."""
        while size > smallest and self.text_width(s, face, size, tracking) > max_width:
            size -= 0.5
        return size

    # Output ----------------------------------------------------------------
    def picture(self, resample=Image.Resampling.LANCZOS):
        """The picture at its stored size, opaque unless its background is transparent."""
        image = self.image if self.background is None else self.image.convert("RGB")
        return image.resize(self.stored_size, resample)


def save_jpeg(picture, path, quality, subsampling):
    """A baseline JPEG with optimised tables; PIL writes no time or other varying
    field, so the same pixels give the same bytes."""
    picture.save(path, "JPEG", quality=quality, optimize=True, progressive=False,
                 subsampling=subsampling)


# Parts of drawings ---------------------------------------------------------

def arrow(c, p0, p1, colour=INK, width=None, head=13, both=False):
    """A straight arrow whose head ends exactly at p1 (and at p0 too when both)."""
    (x0, y0), (x1, y1) = p0, p1
    a = math.atan2(y1 - y0, x1 - x0)

    def tip(x, y, ang):
        left = (x - head * math.cos(ang - 0.42), y - head * math.sin(ang - 0.42))
        right = (x - head * math.cos(ang + 0.42), y - head * math.sin(ang + 0.42))
        c.poly([(x, y), left, right], fill=colour, outline=None)

    # The shaft stops inside the head, so that a round cap cannot show past its tip.
    back = head * 0.8
    sx, sy = (x0 + back * math.cos(a), y0 + back * math.sin(a)) if both else (x0, y0)
    c.line([(sx, sy), (x1 - back * math.cos(a), y1 - back * math.sin(a))], colour, width)
    tip(x1, y1, a)
    if both:
        tip(x0, y0, a + math.pi)


def dimension(c, p0, p1, s, colour=INK, side=1, face="condensed-bold", size=15, width=2, head=10):
    """A dimension line between two points with its value beside it: above or
    right of the line for side 1, below or left for side -1."""
    arrow(c, p0, p1, colour, width, head, both=True)
    mx, my = (p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2
    if abs(p1[0] - p0[0]) >= abs(p1[1] - p0[1]):
        c.text(mx, my - 8 * side, s, face, size, colour, "md" if side > 0 else "ma")
    else:
        c.text(mx + 10 * side, my, s, face, size, colour, "lm" if side > 0 else "rm")


def label(c, s, at, to=None, colour=INK, face="condensed-bold", size=15, anchor="lm", dot=True):
    """A label at `at` on a patch of the background, with a leader line from it to
    the point `to` of the part; anchor's first letter places it (l, m or r)."""
    x, y = at
    tw = c.text_width(s, face, size)
    pad = 4
    if anchor[0] == "l":
        x0 = x + pad
    elif anchor[0] == "r":
        x0 = x - pad - tw
    else:
        x0 = x - tw / 2
    if to is not None:
        c.line([(x0 + tw / 2, y), to], colour, 1.5)
        if dot:
            c.circle(to[0], to[1], 3, fill=colour, outline=None)
    c.rect((x0 - 3, y - size * 0.72, x0 + tw + 3, y + size * 0.72), fill=c.background,
           outline=None)
    c.text(x0, y, s, face, size, colour, "lm")


def gear(c, cx, cy, r, teeth, fill=None, outline=INK, width=None, depth=0.18, rotate=0.0,
         bore=0.0, bore_fill=None):
    """A spur gear of outer radius r; depth (the teeth's) and bore (the hole's
    radius) are shares of r, rotate turns it by that many radians."""
    points = []
    inner = r * (1 - depth)
    pitch = 2 * math.pi / teeth
    for i in range(teeth):
        a = rotate + pitch * i
        # Each tooth is a trapezium centred on a, a little over half the pitch wide at its root.
        for share, radius in ((-0.29, inner), (-0.17, r), (0.17, r), (0.29, inner)):
            points.append((cx + radius * math.cos(a + share * pitch),
                           cy + radius * math.sin(a + share * pitch)))
    c.poly(points, fill=fill, outline=outline, width=width)
    if bore:
        c.circle(cx, cy, r * bore, fill=bore_fill, outline=outline, width=width)
