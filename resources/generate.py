#!/usr/bin/python3
"""Makes every picture the program holds, into resources/pictures/, and the
contact sheet docs/pictures.png.

Run with the system interpreter (it needs PIL): /usr/bin/python3 resources/generate.py
The output is deterministic and committed, so a normal build never runs this.
"""

import io
import math
import os
import random
import sys

from PIL import Image, ImageChops

sys.dont_write_bytecode = True  # nothing but the pictures lands in the tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import contact_sheet  # noqa: E402
import icofile  # noqa: E402
from drawing import Sketch, mix, rgba  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")
ROOT = os.path.dirname(HERE)

WHITE = (255, 255, 255, 255)

# ---------------------------------------------------------------------------
# Shared look: a glossy badge (disc or triangle) with a glyph on it.
# ---------------------------------------------------------------------------

# (light top, saturated bottom, rim) per colour family.
PALETTE = {
    "orange": ("#FFC25A", "#EE7611", "#B85208"),
    "blue": ("#74BCFF", "#1D6DD0", "#134F9C"),
    "violet": ("#BE9CFF", "#6C48D8", "#4F30A8"),
    "green": ("#8BE07A", "#2E9E3B", "#1F7428"),
    "red": ("#FF7A6C", "#D4271C", "#A0170F"),
    "amber": ("#FFE37A", "#F4A80C", "#B97A00"),
    "teal": ("#6AD8EE", "#1591BE", "#0D6B8E"),
}


def badge_disc(sk, cx, cy, r, family, shadow=True):
    """A glossy disc; returns its mask."""
    light, dark, rim = PALETTE[family]
    disc = sk.circle(cx, cy, r)
    if shadow:
        sk.shadow(disc, 0, r * 0.06, r * 0.07, (0, 0, 0, 90))
    sk.fill(disc, sk.vertical([(0, rgba(light)), (1, rgba(dark))], cy - r, cy + r))
    rim_width = max(0.75, r * 0.05)
    ring = sk.cut(disc, sk.circle(cx, cy, r - rim_width))
    sk.fill(ring, rgba(rim, 200))
    # Gloss over the upper half, fading downwards.
    gloss = sk.intersect(sk.ellipse(cx - r * 0.78, cy - r * 0.94, cx + r * 0.78, cy + r * 0.2),
                         sk.circle(cx, cy, r - rim_width))
    sk.fill(gloss, sk.vertical([(0, (255, 255, 255, 120)), (1, (255, 255, 255, 8))],
                               cy - r, cy + r * 0.2))
    return disc


def glyph(sk, mask, colour=WHITE, depth=1.0):
    """Paints a glyph with a soft shadow under it."""
    sk.shadow(mask, 0, 0.9 * depth, 0.8 * depth, (0, 0, 0, 85))
    sk.fill(mask, colour)


# ---------------------------------------------------------------------------
# Glyph shapes, drawn in a box of `size` pixels whose top-left corner is (x, y).
# ---------------------------------------------------------------------------

def house_mask(sk, x, y, size):
    u = size / 24.0
    roof = sk.stroke([(x + 1.5 * u, y + 11.5 * u), (x + 12 * u, y + 2 * u),
                      (x + 22.5 * u, y + 11.5 * u)], 3.2 * u)
    body = sk.polygon([(x + 12 * u, y + 4.8 * u), (x + 19.6 * u, y + 11.6 * u), (x + 19.6 * u, y + 22 * u),
                       (x + 4.4 * u, y + 22 * u), (x + 4.4 * u, y + 11.6 * u)])
    chimney = sk.rect(x + 16.2 * u, y + 3 * u, x + 19.4 * u, y + 8.5 * u)
    door = sk.rect(x + 9.6 * u, y + 14.5 * u, x + 14.4 * u, y + 22.5 * u, radius=1.2 * u)
    return sk.cut(sk.union(roof, body, chimney), door)


def wrench_mask(sk, x, y, size):
    u = size / 24.0
    # Axis from the handle's end (lower left) to the head (upper right).
    hx, hy = x + 15.5 * u, y + 8.5 * u
    handle = sk.stroke([(x + 4.5 * u, y + 19.5 * u), (hx, hy)], 4.6 * u)
    head = sk.circle(hx, hy, 6.6 * u)
    # The jaw: a slot opening away from the handle.
    d = (math.sqrt(0.5), -math.sqrt(0.5))
    n = (-d[1], d[0])
    half_w, near, far = 2.3 * u, 1.0 * u, 10 * u
    jaw = sk.polygon([(hx + d[0] * near + n[0] * half_w, hy + d[1] * near + n[1] * half_w),
                      (hx + d[0] * far + n[0] * half_w, hy + d[1] * far + n[1] * half_w),
                      (hx + d[0] * far - n[0] * half_w, hy + d[1] * far - n[1] * half_w),
                      (hx + d[0] * near - n[0] * half_w, hy + d[1] * near - n[1] * half_w)])
    jaw = sk.union(jaw, sk.circle(hx + d[0] * near, hy + d[1] * near, half_w))
    hole = sk.circle(x + 5.6 * u, y + 18.4 * u, 1.0 * u)
    return sk.cut(sk.cut(sk.union(handle, head), jaw), hole)


def info_mask(sk, x, y, size):
    u = size / 24.0
    dot = sk.circle(x + 12.4 * u, y + 4.2 * u, 2.7 * u)
    stem = sk.rect(x + 10 * u, y + 9.2 * u, x + 15 * u, y + 22 * u, radius=1.2 * u)
    serif = sk.rect(x + 7.6 * u, y + 9.2 * u, x + 15 * u, y + 12 * u, radius=1.0 * u)
    base = sk.rect(x + 7.6 * u, y + 19.6 * u, x + 17.4 * u, y + 22.4 * u, radius=1.0 * u)
    return sk.union(dot, stem, serif, base)


def plus_mask(sk, x, y, size, thickness=5.2):
    u = size / 24.0
    t = thickness * u / 2
    c = 12 * u
    horizontal = sk.rect(x + 2 * u, y + c - t, x + 22 * u, y + c + t, radius=1.2 * u)
    vertical = sk.rect(x + c - t, y + 2 * u, x + c + t, y + 22 * u, radius=1.2 * u)
    return sk.union(horizontal, vertical)


def cross_mask(sk, cx, cy, half, width):
    return sk.union(sk.stroke([(cx - half, cy - half), (cx + half, cy + half)], width),
                    sk.stroke([(cx - half, cy + half), (cx + half, cy - half)], width))


def question_mask(sk, cx, top, height, width):
    """A question mark `height` pixels tall, centred on cx."""
    r = height * 0.25
    cy = top + r + width / 2
    hook = sk.arc(cx, cy, r, 195, 405, width)
    end_x = cx + r * math.cos(math.radians(45))
    end_y = cy + r * math.sin(math.radians(45))
    stem_bottom = top + height * 0.68
    stem = sk.stroke([(end_x, end_y), (cx, cy + r * 1.25), (cx, stem_bottom)], width)
    dot = sk.circle(cx, top + height - width * 0.62, width * 0.62)
    return sk.union(hook, stem, dot)


def exclamation_mask(sk, cx, top, height, width):
    stem = sk.polygon([(cx - width / 2, top), (cx + width / 2, top),
                       (cx + width * 0.3, top + height * 0.66), (cx - width * 0.3, top + height * 0.66)])
    cap = sk.circle(cx, top + width / 2, width / 2)
    stem = sk.union(sk.cut(stem, sk.rect(cx - width, top - 1, cx + width, top + width / 2)), cap)
    dot = sk.circle(cx, top + height - width * 0.55, width * 0.55)
    return sk.union(stem, dot)


# ---------------------------------------------------------------------------
# Tab icons, 48 x 48.
# ---------------------------------------------------------------------------

TAB_SIZE = 48


def tab_icon(family, glyph_mask):
    sk = Sketch(TAB_SIZE, TAB_SIZE)
    badge_disc(sk, 24, 23, 21, family)
    glyph(sk, glyph_mask(sk))
    return sk.result()


TAB_FILES = ("tab_home.png", "tab_tools.png", "tab_about.png", "tab_add.png")


def tab_icons():
    return {
        "tab_home.png": tab_icon("orange", lambda sk: house_mask(sk, 12.5, 10.5, 23)),
        "tab_tools.png": tab_icon("blue", lambda sk: wrench_mask(sk, 12, 11.5, 24)),
        "tab_about.png": tab_icon("violet", lambda sk: info_mask(sk, 11.4, 11, 24)),
        "tab_add.png": tab_icon("green", lambda sk: plus_mask(sk, 12, 11, 24)),
    }


# ---------------------------------------------------------------------------
# Message-box icon strip: five 40 x 40 icons side by side.
# ---------------------------------------------------------------------------

MSG_CELL = 40
MSG_ICONS = ("stop", "exclamation", "question", "information", "bulb")


def msg_stop(sk, ox):
    badge_disc(sk, ox + 20, 19.5, 17.5, "red")
    glyph(sk, cross_mask(sk, ox + 20, 19.5, 6.2, 4.2))


def msg_exclamation(sk, ox):
    light, dark, rim = PALETTE["amber"]
    corners = [(ox + 20, 3.2), (ox + 36.6, 33.4), (ox + 3.4, 33.4)]
    tri = sk.union(sk.polygon(corners), sk.stroke(corners + [corners[0]], 4.2))
    sk.shadow(tri, 0, 1.0, 1.1, (0, 0, 0, 90))
    sk.fill(tri, sk.vertical([(0, rgba(light)), (1, rgba(dark))], 1, 36))
    inner = sk.union(sk.polygon(corners), sk.stroke(corners + [corners[0]], 2.6))
    sk.fill(sk.cut(tri, inner), rgba(rim, 200))
    gloss = sk.intersect(inner, sk.ellipse(ox + 4, -6, ox + 36, 24))
    sk.fill(gloss, sk.vertical([(0, (255, 255, 255, 110)), (1, (255, 255, 255, 10))], 2, 24))
    sk.fill(exclamation_mask(sk, ox + 20, 12.2, 18.6, 4.0), rgba("#4A3000", 240))


def msg_question(sk, ox):
    badge_disc(sk, ox + 20, 19.5, 17.5, "blue")
    glyph(sk, question_mask(sk, ox + 20, 9.4, 20.6, 3.9))


def msg_information(sk, ox):
    badge_disc(sk, ox + 20, 19.5, 17.5, "teal")
    glyph(sk, info_mask(sk, ox + 10.2, 9.6, 20))


def msg_bulb(sk, ox):
    cx = ox + 20
    glass = sk.union(sk.circle(cx, 15, 11.4),
                     sk.polygon([(cx - 9.4, 21.4), (cx + 9.4, 21.4), (cx + 5.4, 28.4), (cx - 5.4, 28.4)]))
    base = sk.rect(cx - 5.6, 27.6, cx + 5.6, 34.2, radius=1.6)
    tip = sk.rect(cx - 2.8, 33, cx + 2.8, 37.2, radius=1.6)
    whole = sk.union(glass, base, tip)
    sk.shadow(whole, 0, 1.0, 1.1, (0, 0, 0, 90))
    # A soft glow round the glass.
    sk.fill(sk.blur(glass, 2.2), (255, 236, 120, 120))
    sk.fill(glass, sk.vertical([(0, rgba("#FFF7C2")), (0.55, rgba("#FFD84A")), (1, rgba("#F5A60C"))], 3.6, 28.4))
    ring = sk.cut(glass, sk.union(sk.circle(cx, 15, 10.6),
                                  sk.polygon([(cx - 8.6, 21.4), (cx + 8.6, 21.4), (cx + 4.9, 27.6),
                                              (cx - 4.9, 27.6)])))
    sk.fill(ring, rgba("#C98A00", 200))
    filament = sk.stroke([(cx - 3.2, 26.8), (cx - 2.6, 19.4), (cx - 1.2, 17.2), (cx, 19.2), (cx + 1.2, 17.2),
                          (cx + 2.6, 19.4), (cx + 3.2, 26.8)], 1.1)
    sk.fill(filament, rgba("#B35A00", 210))
    gloss = sk.ellipse(cx - 7.4, 6.2, cx - 1.0, 13.6)
    sk.fill(gloss, sk.vertical([(0, (255, 255, 255, 210)), (1, (255, 255, 255, 30))], 6.2, 13.6))
    sk.fill(base, sk.vertical([(0, rgba("#D9DEE4")), (0.5, rgba("#9AA3AE")), (1, rgba("#6E7782"))], 27.6, 34.2))
    for y in (29.6, 31.8):
        sk.fill(sk.stroke([(cx - 5.2, y), (cx + 5.2, y - 0.9)], 0.9, caps=False), rgba("#59616B", 200))
    sk.fill(tip, rgba("#4E5660"))


def msgbox_icons():
    sk = Sketch(MSG_CELL * len(MSG_ICONS), MSG_CELL)
    for i, draw in enumerate((msg_stop, msg_exclamation, msg_question, msg_information, msg_bulb)):
        draw(sk, i * MSG_CELL)
    return sk.result()


# ---------------------------------------------------------------------------
# Check mark, 20 x 20.
# ---------------------------------------------------------------------------

def check_mark():
    sk = Sketch(20, 20)
    points = [(4.4, 10.6), (8.2, 14.4), (15.6, 5.4)]
    tick = sk.stroke(points, 2.8)
    sk.fill(sk.stroke(points, 4.8), (255, 255, 255, 150))  # keeps it apart from a highlight
    sk.shadow(tick, 0, 0.6, 0.5, (0, 0, 0, 70))
    sk.fill(tick, sk.vertical([(0, rgba("#4CC35A")), (1, rgba("#1E7F2B"))], 5, 15.5))
    return sk.result()


# ---------------------------------------------------------------------------
# Caption-button strip, 729 x 20: for each button its normal, hot and pressed
# cell. Cells start at row 2 and are 19 rows tall (the last one lies outside
# the picture, so what shows is rows 2 to 19); the close button's cells are 39
# pixels wide, all others 28, and one empty column separates neighbours.
# ---------------------------------------------------------------------------

STRIP_SIZE = (729, 20)
CELL_TOP = 2
CELL_BOTTOM = 20  # exclusive: the visible part of a 19-row cell
CLOSE_WIDTH = 39
BUTTON_WIDTH = 28
# (glyph, x of the normal, hot and pressed cells), in strip order.
STRIP_CELLS = (
    ("close", (0, 40, 80)),
    ("maximise", (120, 149, 178)),
    ("restore", (207, 236, 265)),
    ("minimise", (294, 323, 352)),
    ("menu", (381, 410, 439)),
    ("skin", (468, 497, 526)),
    ("web", (555, 584, 613)),
    ("help", (642, 671, 700)),
)
STATES = ("normal", "hot", "pressed")


def caption_glyph(sk, name, cx, cy):
    """The glyph of one caption button, centred on (cx, cy); mostly 10 x 10
    pixels on whole-pixel edges so that its lines stay crisp."""
    x, y = cx - 5, cy - 5
    if name == "close":
        return cross_mask(sk, cx, cy, 3.9, 1.7)
    if name == "maximise":
        outer = sk.rect(x, y, x + 10, y + 10)
        return sk.cut(outer, sk.rect(x + 1, y + 2, x + 9, y + 9))
    if name == "restore":
        back = sk.cut(sk.rect(x + 3, y, x + 10, y + 7), sk.rect(x + 3, y + 2, x + 9, y + 6))
        front_outer = sk.rect(x, y + 3, x + 7, y + 10)
        front = sk.cut(front_outer, sk.rect(x + 1, y + 5, x + 6, y + 9))
        return sk.union(sk.cut(back, front_outer), front)
    if name == "minimise":
        return sk.rect(x, y + 7, x + 10, y + 9)
    if name == "menu":
        return sk.union(*(sk.rect(x, y + dy, x + 10, y + dy + 1) for dy in (1, 5, 9)))
    if name == "skin":
        shirt = [(0, 2.0), (3.1, 0.3), (3.9, 1.3), (6.1, 1.3), (6.9, 0.3), (10, 2.0), (8.9, 4.6), (7.6, 4.0),
                 (7.6, 10), (2.4, 10), (2.4, 4.0), (1.1, 4.6)]
        return sk.polygon([(x + px, y + py) for px, py in shirt])
    if name == "web":
        # A globe: a disc with its meridian and equator cut out.
        lines = sk.union(sk.cut(sk.ellipse(cx - 2.4, cy - 5.5, cx + 2.4, cy + 5.5),
                                sk.ellipse(cx - 1.5, cy - 4.6, cx + 1.5, cy + 4.6)),
                         sk.rect(cx - 5, cy - 0.45, cx + 5, cy + 0.45))
        return sk.cut(sk.circle(cx, cy, 5), lines)
    if name == "help":
        return question_mask(sk, cx, y, 10, 1.8)
    raise ValueError(name)


def caption_cell(sk, name, state, x0):
    width = CLOSE_WIDTH if name == "close" else BUTTON_WIDTH
    x1, y0, y1 = x0 + width, CELL_TOP, CELL_BOTTOM
    face = sk.rect(x0, y0, x1, y1, radius=3)
    inner = sk.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius=2)
    edge = sk.cut(face, inner)
    if state == "hot" and name == "close":
        sk.fill(face, sk.vertical([(0, rgba("#F4776C")), (1, rgba("#D6382C"))], y0, y1))
        sk.fill(edge, rgba("#A8231A", 230))
        sk.fill(sk.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2), (255, 255, 255, 80))
    elif state == "pressed" and name == "close":
        sk.fill(face, sk.vertical([(0, rgba("#B9281F")), (1, rgba("#D23D31"))], y0, y1))
        sk.fill(edge, rgba("#7E150E", 240))
        sk.fill(sk.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2), (0, 0, 0, 50))
    elif state == "hot":
        sk.fill(face, sk.vertical([(0, (255, 255, 255, 110)), (1, (255, 255, 255, 55))], y0, y1))
        sk.fill(edge, (255, 255, 255, 120))
        sk.fill(sk.cut(sk.rect(x0, y0, x1, y1, radius=3), sk.rect(x0, y0, x1, y1 - 1, radius=3)),
                (0, 0, 0, 40))
    elif state == "pressed":
        sk.fill(face, sk.vertical([(0, (0, 0, 0, 95)), (1, (0, 0, 0, 55))], y0, y1))
        sk.fill(edge, (0, 0, 0, 80))
        sk.fill(sk.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2), (0, 0, 0, 50))
    cx = x0 + width / 2
    cy = (y0 + y1) / 2 + (1 if state == "pressed" else 0)
    if name == "close":
        cx = x0 + 19.5
    shape = caption_glyph(sk, name, round(cx) if name != "close" else cx, cy)
    sk.fill(sk.blur(sk.grow(shape, 0.7), 0.5), (0, 0, 0, 150))
    sk.fill(shape, (255, 255, 255, 250))


def skin_strip():
    sk = Sketch(*STRIP_SIZE)
    for name, xs in STRIP_CELLS:
        for state, x0 in zip(STATES, xs):
            caption_cell(sk, name, state, x0)
    return sk.result()


# ---------------------------------------------------------------------------
# Message-box frame, 2 x 160: one column (twice, so that stretching never
# blends in anything else) holding three bands that the box stretches: the
# title area (rows 0-95, drawn at its own height), the body (rows 97-117, read
# upwards and stretched) and the button area (rows 129-159). Rows 76-128 are
# all body colour, so the body looks the same whichever way the mirrored read
# runs, and the rows beside each band match it.
# ---------------------------------------------------------------------------

FRAME_SIZE = (2, 160)
TITLE_ROWS = 30  # the caption: title text and caption buttons
BODY = (249, 251, 253, 232)


def frame_column():
    rows = []
    for y in range(FRAME_SIZE[1]):
        if y < TITLE_ROWS - 2:
            # A faint sheen over the window's own colour, where the white title sits.
            rows.append(mix((255, 255, 255, 60), (255, 255, 255, 14), y / (TITLE_ROWS - 3)))
        elif y < TITLE_ROWS:
            rows.append(((255, 255, 255, 90), (255, 255, 255, 170))[y - (TITLE_ROWS - 2)])
        elif y < 60:
            rows.append(mix((255, 255, 255, 222), BODY, (y - TITLE_ROWS) / (60 - TITLE_ROWS)))
        elif y < 129:
            rows.append(BODY)
        elif y == 129:
            rows.append((196, 206, 216, 240))  # the line above the buttons
        elif y == 130:
            rows.append((255, 255, 255, 240))
        else:
            rows.append(mix((240, 244, 248, 238), (226, 233, 240, 242), (y - 131) / 28))
    return rows


def msgbox_frame():
    image = Image.new("RGBA", FRAME_SIZE)
    for y, colour in enumerate(frame_column()):
        for x in range(FRAME_SIZE[0]):
            image.putpixel((x, y), colour)
    return image


# ---------------------------------------------------------------------------
# Main background, 510 x 339 JPEG: a calm sky, deeper blue at the top where
# the white title and caption buttons sit, pale where the pages and the black
# status line sit, with soft light and gentle ribbons.
# ---------------------------------------------------------------------------

BACKGROUND_SIZE = (510, 339)
BACKGROUND_QUALITY = 92


def main_background():
    w, h = BACKGROUND_SIZE
    sk = Sketch(w, h, scale=2)
    sky = [(0.0, rgba("#3A78BC")), (0.16, rgba("#5C9CD6")), (0.40, rgba("#9FCBEC")),
           (0.70, rgba("#D3E9F5")), (1.0, rgba("#EDF7F4"))]
    sk.fill(sk.rect(0, 0, w, h), sk.vertical(sky))
    # Light falling in from the left, below the caption, and a trace of
    # sea-green low on the right.
    sk.fill(sk.blur(sk.ellipse(-200, 40, 230, 260), 60), (255, 255, 255, 60))
    sk.fill(sk.blur(sk.ellipse(300, 230, 700, 420), 50), (170, 225, 205, 70))
    # Soft ribbons across the lower half.
    for y0, amp, phase, thick, alpha in ((196, 18, 0.4, 36, 60), (232, 14, 2.2, 28, 50), (272, 10, 4.0, 42, 42)):
        top = [(x, y0 + amp * math.sin(x / w * 2.4 * math.pi + phase)) for x in range(-10, w + 11, 6)]
        bottom = [(x, y + thick * (0.55 + 0.45 * math.sin(x / w * 1.7 * math.pi + phase * 1.3)))
                  for x, y in reversed(top)]
        ribbon = sk.polygon(top + bottom)
        sk.fill(sk.blur(ribbon, 6), sk.vertical([(0, (255, 255, 255, alpha)), (1, (255, 255, 255, alpha // 4))],
                                                y0 - amp, y0 + amp + thick))
        sk.fill(sk.blur(sk.stroke(top, 1.2, caps=False), 0.7), (255, 255, 255, alpha + 40))
    # A few out-of-focus lights, top right.
    rng = random.Random(7)
    for _ in range(11):
        cx, cy = rng.uniform(240, 505), rng.uniform(18, 160)
        r = rng.uniform(7, 24)
        disc = sk.blur(sk.circle(cx, cy, r), r * 0.16)
        sk.fill(disc, (255, 255, 255, rng.randint(16, 34)))
        sk.fill(sk.cut(disc, sk.blur(sk.circle(cx, cy, r - 1.2), r * 0.16)), (255, 255, 255, 20))
    image = sk.result().convert("RGB")
    # A trace of noise keeps the long gradients free of bands.
    noise = Image.new("L", (w, h))
    noise.putdata([128 + rng.randint(-2, 2) for _ in range(w * h)])
    # noise - 128 is taken off each channel: c - noise + 128.
    return Image.merge("RGB", [ImageChops.subtract(c, noise, 1.0, 128) for c in image.split()])


# ---------------------------------------------------------------------------
# Program icon: a glossy blue tile with a white "L" and an orange spark, drawn
# for each size on its own so that the small ones stay sharp.
# ---------------------------------------------------------------------------

ICON_SIZES = (48, 32, 24, 16)
ICON_DEPTHS = (4, 8, 32)
# Colours the 16- and 256-colour images keep: the letter and the spark.
ICON_ACCENTS = ((255, 255, 255), (255, 178, 52), (255, 222, 120))


def program_icon(size):
    sk = Sketch(size, size)
    u = size / 48.0
    m = 1.0 if size <= 16 else 2.0 * u  # room for the shadow
    x0, y0, x1, y1 = m, m * 0.6, size - m, size - m * 1.4
    radius = (x1 - x0) * 0.24
    tile = sk.rect(x0, y0, x1, y1, radius=radius)
    if size > 16:
        sk.shadow(tile, 0, 1.2 * u, 1.2 * u, (0, 0, 0, 110))
    sk.fill(tile, sk.vertical([(0, rgba("#5FB4FF")), (0.55, rgba("#2476DC")), (1, rgba("#1A4FB0"))], y0, y1))
    rim = max(0.8, 1.4 * u)
    sk.fill(sk.cut(tile, sk.rect(x0 + rim, y0 + rim, x1 - rim, y1 - rim, radius=radius - rim)),
            rgba("#123E8E", 210))
    if size > 16:
        gloss = sk.intersect(sk.rect(x0 + rim, y0 + rim, x1 - rim, y1 - rim, radius=radius - rim),
                             sk.ellipse(x0 - 8 * u, y0 - 30 * u, x1 + 8 * u, y0 + 22 * u))
        sk.fill(gloss, sk.vertical([(0, (255, 255, 255, 120)), (1, (255, 255, 255, 16))], y0, y0 + 22 * u))
    # The letter: a thick "L" standing a little left of the middle.
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    stem = 9.0 * u if size > 16 else 3.0
    left, top, bottom, right = cx - 11 * u, cy - 14 * u, cy + 13 * u, cx + 11.5 * u
    if size <= 16:
        left, top, bottom, right = round(cx - 4), round(cy - 5), round(cy + 5), round(cx + 4)
    letter = sk.union(sk.rect(left, top, left + stem, bottom, radius=1.2 * u),
                      sk.rect(left, bottom - stem * 0.85, right, bottom, radius=1.2 * u))
    if size > 16:
        glyph(sk, letter, depth=u * 1.6)
    else:
        sk.fill(letter, WHITE)
    # The spark, in the corner that the letter leaves open.
    sx, sy = cx + 7.5 * u, cy - 8 * u
    r = 6.5 * u if size > 16 else 2.2
    if size <= 16:
        sx, sy = cx + 3.0, cy - 2.6
    spark = sk.polygon([(sx + r * math.cos(math.radians(a)) * (1 if i % 2 == 0 else 0.38),
                         sy + r * math.sin(math.radians(a)) * (1 if i % 2 == 0 else 0.38))
                        for i, a in enumerate(range(-90, 270, 45))])
    if size <= 24:
        spark = sk.circle(sx, sy, r * 0.62)
    sk.fill(sk.blur(spark, 1.2 * u + 0.3), (255, 200, 80, 150))
    sk.fill(spark, sk.vertical([(0, rgba("#FFE58A")), (1, rgba("#FF9A1F"))], sy - r, sy + r))
    return sk.result()


def program_icon_images():
    return [(program_icon(size), depth) for size in ICON_SIZES for depth in ICON_DEPTHS]


# ---------------------------------------------------------------------------
# Files.
# ---------------------------------------------------------------------------

STRIP_FILE = "skin_strip.bin"
ICON_FILE = "lanvo.ico"
BACKGROUND_FILE = "main_background.jpg"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
RESOURCE_SCRIPT = os.path.join(HERE, "pictures.rc")
SHEET = os.path.join(ROOT, "docs", "pictures.png")


def png_bytes(image):
    buffer = io.BytesIO()
    image.save(buffer, "PNG", optimize=False, compress_level=9)
    return buffer.getvalue()


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def read_back():
    """The pictures as the program will see them: the JPEG after compression,
    the strip with its signature put back, the icon's images as their
    palettes left them."""
    def png(name):
        return Image.open(os.path.join(OUT, name)).convert("RGBA")

    with open(os.path.join(OUT, STRIP_FILE), "rb") as f:
        strip = Image.open(io.BytesIO(PNG_SIGNATURE + f.read())).convert("RGBA")
    pictures = {name: png(name) for name in TAB_FILES + ("check_mark.png", "msgbox_frame.png", "msgbox_icons.png")}
    pictures["skin_strip"] = strip
    pictures["main_background"] = Image.open(os.path.join(OUT, BACKGROUND_FILE)).convert("RGB")
    return pictures, icofile.read_ico(os.path.join(OUT, ICON_FILE))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, image in tab_icons().items():
        write(name, png_bytes(image))
    write("check_mark.png", png_bytes(check_mark()))
    write("msgbox_frame.png", png_bytes(msgbox_frame()))
    write("msgbox_icons.png", png_bytes(msgbox_icons()))
    strip = png_bytes(skin_strip())
    assert strip.startswith(PNG_SIGNATURE)
    write(STRIP_FILE, strip[len(PNG_SIGNATURE):])  # held without its signature
    icofile.write_ico(os.path.join(OUT, ICON_FILE), program_icon_images(), ICON_ACCENTS)
    main_background().save(os.path.join(OUT, BACKGROUND_FILE), quality=BACKGROUND_QUALITY, subsampling=0,
                           optimize=False, progressive=False)
    # The build does not see which files the resource script names; a newer
    # script makes it embed them again.
    os.utime(RESOURCE_SCRIPT)

    pictures, icon_images = read_back()
    contact_sheet.build(pictures, icon_images, SHEET)


if __name__ == "__main__":
    main()
