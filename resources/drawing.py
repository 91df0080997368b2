"""Small drawing kit for the program's pictures.

Shapes are drawn SCALE times larger into masks and reduced at the end, which
gives anti-aliased edges with plain PIL. Coordinates are given in pixels of
the final picture; (0, 0) is the top-left corner of the top-left pixel.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SCALE = 8


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """Mixes two RGBA tuples."""
    return tuple(round(lerp(a, b, t)) for a, b in zip(c1, c2))


def rgba(hex_colour, alpha=255):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, alpha)


def column(height, stops):
    """A list of RGBA colours, one a row, interpolated between (position, colour)
    stops with positions from 0 (top) to 1 (bottom)."""
    rows = []
    for y in range(height):
        t = (y + 0.5) / height
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if t <= p1 or (p1, c1) == stops[-1]:
                u = 0.0 if p1 == p0 else min(max((t - p0) / (p1 - p0), 0.0), 1.0)
                rows.append(mix(c0, c1, u))
                break
    return rows


class Sketch:
    """An RGBA picture of w x h pixels being drawn at SCALE times its size."""

    def __init__(self, w, h, scale=SCALE):
        self.w, self.h, self.s = w, h, scale
        self.size = (w * scale, h * scale)
        self.image = Image.new("RGBA", self.size, (0, 0, 0, 0))

    # Masks -----------------------------------------------------------------

    def mask(self):
        return Image.new("L", self.size, 0)

    def p(self, *values):
        return [v * self.s for v in values]

    def box(self, x0, y0, x1, y1):
        s = self.s
        return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]

    def ellipse(self, x0, y0, x1, y1, mask=None, fill=255):
        m = mask if mask is not None else self.mask()
        ImageDraw.Draw(m).ellipse(self.box(x0, y0, x1, y1), fill=fill)
        return m

    def circle(self, cx, cy, r, mask=None, fill=255):
        return self.ellipse(cx - r, cy - r, cx + r, cy + r, mask, fill)

    def rect(self, x0, y0, x1, y1, radius=0, mask=None, fill=255):
        m = mask if mask is not None else self.mask()
        d = ImageDraw.Draw(m)
        if radius > 0:
            d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=radius * self.s, fill=fill)
        else:
            d.rectangle(self.box(x0, y0, x1, y1), fill=fill)
        return m

    def polygon(self, points, mask=None, fill=255):
        m = mask if mask is not None else self.mask()
        ImageDraw.Draw(m).polygon([(x * self.s, y * self.s) for x, y in points], fill=fill)
        return m

    def stroke(self, points, width, mask=None, fill=255, caps=True):
        """A polyline with round joins and, with caps, round ends."""
        m = mask if mask is not None else self.mask()
        d = ImageDraw.Draw(m)
        pts = [(x * self.s, y * self.s) for x, y in points]
        wd = width * self.s
        for a, b in zip(pts, pts[1:]):
            d.line([a, b], fill=fill, width=round(wd))
        joints = pts if caps else pts[1:-1]
        r = wd / 2
        for x, y in joints:
            d.ellipse([x - r, y - r, x + r, y + r], fill=fill)
        return m

    def arc(self, cx, cy, r, start, end, width, mask=None, fill=255, caps=True):
        """An arc of radius r (to the middle of the stroke); angles in degrees,
        clockwise from three o'clock, as PIL counts them."""
        m = mask if mask is not None else self.mask()
        d = ImageDraw.Draw(m)
        outer = r + width / 2
        d.arc(self.box(cx - outer, cy - outer, cx + outer, cy + outer), start, end, fill=fill,
              width=round(width * self.s))
        if caps:
            for a in (start, end):
                x = cx + r * math.cos(math.radians(a))
                y = cy + r * math.sin(math.radians(a))
                self.circle(x, y, width / 2, m, fill)
        return m

    # Combining masks ---------------------------------------------------------

    @staticmethod
    def union(*masks):
        out = masks[0]
        for m in masks[1:]:
            out = ImageChops.lighter(out, m)
        return out

    @staticmethod
    def cut(mask, hole):
        return ImageChops.subtract(mask, hole)

    @staticmethod
    def intersect(a, b):
        return ImageChops.multiply(a, b)

    def grow(self, mask, pixels):
        """The mask widened by about `pixels` on every side."""
        size = 2 * round(pixels * self.s) + 1
        return mask.filter(ImageFilter.MaxFilter(size))

    def blur(self, mask, radius):
        return mask.filter(ImageFilter.GaussianBlur(radius * self.s))

    def shifted(self, mask, dx, dy):
        return ImageChops.offset(mask, round(dx * self.s), round(dy * self.s))

    # Painting ----------------------------------------------------------------

    def vertical(self, stops, y0=0, y1=None):
        """A layer filled with a vertical gradient running from y0 to y1."""
        y1 = self.h if y1 is None else y1
        h = max(1, round((y1 - y0) * self.s))
        col = column(h, stops)
        layer = Image.new("RGBA", (1, self.size[1]))
        top = round(y0 * self.s)
        for y in range(self.size[1]):
            layer.putpixel((0, y), col[min(max(y - top, 0), h - 1)])
        return layer.resize(self.size, Image.NEAREST)

    def fill(self, mask, paint):
        """Paints `paint` (an RGBA tuple or a layer) through the mask."""
        if isinstance(paint, tuple):
            layer = Image.new("RGBA", self.size, paint[:3] + (255,))
            alpha = ImageChops.multiply(mask, Image.new("L", self.size, paint[3]))
        else:
            layer = paint.copy()
            alpha = ImageChops.multiply(mask, paint.getchannel("A"))
        layer.putalpha(alpha)
        self.image.alpha_composite(layer)

    def shadow(self, mask, dx, dy, radius, colour):
        self.fill(self.blur(self.shifted(mask, dx, dy), radius), colour)

    def result(self):
        """The picture at its final size (reduced with premultiplied alpha)."""
        return self.image.convert("RGBa").reduce(self.s).convert("RGBA")
