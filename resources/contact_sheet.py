"""The contact sheet docs/pictures.png: every picture at 100 % and 400 % on a
light and a dark ground, and a mock-up of the pictures in place."""

from PIL import Image, ImageDraw, ImageFont

LIGHT = (244, 245, 247, 255)
DARK = (38, 42, 50, 255)
PAGE = (255, 255, 255, 255)
INK = (40, 40, 40, 255)
MUTED = (120, 124, 130, 255)
GAP = 16
ZOOM = 4


def zoom(image, factor=ZOOM):
    return image.resize((image.width * factor, image.height * factor), Image.NEAREST)


def on_ground(images, ground, gap=GAP):
    """Images side by side on a ground colour, aligned at the bottom."""
    w = sum(i.width for i in images) + gap * (len(images) + 1)
    h = max(i.height for i in images) + 2 * gap
    panel = Image.new("RGBA", (w, h), ground)
    x = gap
    for image in images:
        panel.alpha_composite(image, (x, h - gap - image.height))
        x += image.width + gap
    return panel


def cell_grid(rows, ground, gap=GAP):
    """Rows of images on a ground, each column as wide as its widest image."""
    columns = len(rows[0])
    widths = [max(r[c].width for r in rows) for c in range(columns)]
    heights = [max(i.height for i in r) for r in rows]
    grid = Image.new("RGBA", (sum(widths) + gap * (columns + 1), sum(heights) + gap * (len(rows) + 1)), ground)
    y = gap
    for r, h in zip(rows, heights):
        x = gap
        for image, w in zip(r, widths):
            grid.alpha_composite(image, (x, y))
            x += w + gap
        y += h + gap
    return grid


def light_and_dark(images):
    """The same images on a light and on a dark ground, side by side."""
    light, dark = on_ground(images, LIGHT), on_ground(images, DARK)
    both = Image.new("RGBA", (light.width + dark.width, light.height), PAGE)
    both.alpha_composite(light, (0, 0))
    both.alpha_composite(dark, (light.width, 0))
    return both


class Sheet:
    def __init__(self, width):
        self.width = width
        self.blocks = []
        self.font = ImageFont.load_default()

    def text(self, text, colour=INK, height=16):
        block = Image.new("RGBA", (self.width, height), PAGE)
        ImageDraw.Draw(block).text((0, 2), text, fill=colour, font=self.font)
        self.blocks.append(block)

    def heading(self, text):
        self.blocks.append(Image.new("RGBA", (self.width, 14), PAGE))
        self.text(text)
        self.blocks.append(Image.new("RGBA", (self.width, 2), (200, 204, 210, 255)))
        self.blocks.append(Image.new("RGBA", (self.width, 6), PAGE))

    def image(self, image, caption=None):
        if caption:
            self.text(caption, MUTED, 14)
        self.blocks.append(image)
        self.blocks.append(Image.new("RGBA", (self.width, 8), PAGE))

    def row(self, images):
        """Several images left to right in one block."""
        h = max(i.height for i in images)
        block = Image.new("RGBA", (sum(i.width for i in images) + GAP * (len(images) - 1), h), PAGE)
        x = 0
        for image in images:
            block.alpha_composite(image, (x, 0))
            x += image.width + GAP
        self.image(block)

    def render(self):
        margin = 24
        width = max(self.width, max(b.width for b in self.blocks)) + 2 * margin
        height = sum(b.height for b in self.blocks) + 2 * margin
        page = Image.new("RGBA", (width, height), PAGE)
        y = margin
        for block in self.blocks:
            page.alpha_composite(block, (margin, y))
            y += block.height
        return page.convert("RGB")


# ---------------------------------------------------------------------------
# Mock-ups: what the pictures look like where the program draws them.
# ---------------------------------------------------------------------------

def caption_cell(strip, x, width):
    return strip.crop((x, 2, x + width, 21))  # row 20 lies outside: transparent


def overlay(image, paint):
    """Runs paint(draw) on a clear layer and blends the layer over image
    (ImageDraw on its own replaces pixels instead of blending them)."""
    layer = Image.new("RGBA", image.size, (0, 0, 0, 0))
    paint(ImageDraw.Draw(layer))
    image.alpha_composite(layer)


def message_box(frame, icons, icon_index, width=320, height=150, ground=(0, 136, 255, 210)):
    """A message box: the theme colour, the three stretched frame bands, the icon."""
    box = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    ImageDraw.Draw(box).rounded_rectangle([5, 5, width - 6, height - 6], 4, fill=ground)
    band = frame.crop((0, 0, 1, 160))
    title = band.crop((0, 0, 1, 96)).resize((width - 14, 96), Image.BILINEAR)
    body = band.crop((0, 97, 1, 118)).transpose(Image.FLIP_TOP_BOTTOM).resize((width - 14, height - 145),
                                                                              Image.BILINEAR)
    buttons = band.crop((0, 129, 1, 160)).resize((width - 14, 35), Image.BILINEAR)
    box.alpha_composite(title, (7, 7))
    box.alpha_composite(body, (7, 103))
    box.alpha_composite(buttons, (7, height - 42))
    box.alpha_composite(icons.crop((40 * icon_index, 0, 40 * icon_index + 40, 40)), (30, 40))

    def paint(d):
        d.rounded_rectangle([6, 6, width - 7, height - 7], 3, outline=(0, 0, 0, 102))
        d.rounded_rectangle([7, 7, width - 8, height - 8], 3, outline=(255, 255, 255, 102))
        font = ImageFont.load_default()
        d.text((11, 13), "Message", fill=(255, 255, 255, 250), font=font)
        d.text((85, 47), "The message text sits here.", fill=(0, 0, 0, 210), font=font)
        for i in (1, 2):
            x = width - 75 * i - 10
            d.rounded_rectangle([x, height - 36, x + 69, height - 13], 3, fill=(236, 240, 245, 255),
                                outline=(150, 160, 172, 255))
    overlay(box, paint)
    return box


def main_window(background, tabs, strip, icon16, frame, icons):
    """The main window (714 x 419) with its tabs and caption buttons."""
    w, h = 714, 419
    window = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    window.alpha_composite(background.convert("RGBA").resize((w - 10, h - 10), Image.BILINEAR), (5, 5))
    font = ImageFont.load_default()

    def paint(d):
        for i in range(len(tabs)):
            x = 24 + 80 * i
            d.rounded_rectangle([x, 32, x + 79, 111], 7, fill=(255, 255, 255, 70 if i == 0 else 25),
                                outline=(255, 255, 255, 150 if i == 0 else 60))
            d.text((x + 28, 94), ("Home", "Tools", "About", "More")[i], fill=(0, 0, 0, 210), font=font)
        d.rounded_rectangle([10, 120, 699, 389], 7, outline=(0, 0, 0, 80))
        d.text((29, 13), "Lanvo3.0", fill=(255, 255, 255, 250), font=font)
        for j in range(12):
            d.text((20, 128 + 20 * j), "[link] a web page of the home list", fill=(0, 0, 0, 210), font=font)
        d.text((10, 393), "V3.0   status line", fill=(0, 0, 0, 210), font=font)
    overlay(window, paint)
    for i, tab in enumerate(tabs):
        window.alpha_composite(tab, (24 + 80 * i + 16, 38))
    window.alpha_composite(icon16, (11, 11))
    # Close, minimise and the web button, laid out from the right as the host does.
    for (x, width), cell_x in zip(((669, 39), (641, 28), (613, 28)), (0, 294, 555)):
        window.alpha_composite(caption_cell(strip, cell_x, width), (x, 7))
    window.alpha_composite(message_box(frame, icons, 3, ground=(120, 170, 220, 255)), (380, 200))
    return window


def build(pictures, icon_images, path):
    background = pictures["main_background"]
    tabs = [pictures[n] for n in ("tab_home.png", "tab_tools.png", "tab_about.png", "tab_add.png")]
    strip = pictures["skin_strip"]
    check = pictures["check_mark.png"]
    frame = pictures["msgbox_frame.png"]
    icons = pictures["msgbox_icons.png"]

    sheet = Sheet(1500)
    sheet.text("Pictures held in the program (made by resources/generate.py). Left: light ground; right: dark.")

    sheet.heading("In place: the main window with its caption buttons, tabs and a message box")
    icon16 = next(i for i, bpp in icon_images if i.width == 16 and bpp == 32)
    sheet.row([main_window(background, tabs, strip, icon16, frame, icons)])

    sheet.heading("Main background, JPEG 510 x 339: 100 %, and 400 % of its top-right corner")
    corner = background.convert("RGBA").crop((380, 0, 510, 86))
    sheet.row([background.convert("RGBA"), zoom(corner)])

    sheet.heading("Tab icons, PNG 48 x 48: 100 % and 400 %")
    sheet.image(light_and_dark(tabs))
    sheet.image(light_and_dark([zoom(t) for t in tabs]))

    sheet.heading("Caption-button strip, 729 x 20: 100 %, then each cell at 400 % (normal, hot, pressed)")
    sheet.image(light_and_dark([strip]))
    xs = ((0, 40, 80), (120, 149, 178), (207, 236, 265), (294, 323, 352), (381, 410, 439), (468, 497, 526),
          (555, 584, 613), (642, 671, 700))
    grids = [cell_grid([[zoom(caption_cell(strip, x, 39 if k == 0 else 28)) for x in row]
                        for k, row in enumerate(xs)], ground) for ground in (LIGHT, DARK)]
    sheet.row(grids)

    sheet.heading("Check mark, PNG 20 x 20: 100 % and 400 %")
    sheet.row([light_and_dark([check, zoom(check)])])

    sheet.heading("Message-box icons, PNG 200 x 40 (stop, exclamation, question, information, light bulb)")
    sheet.image(light_and_dark([icons]))
    sheet.image(light_and_dark([zoom(icons)]))

    sheet.heading("Message-box frame, PNG 2 x 160: 100 %, 400 %, and stretched into boxes of 320 x 150 and 420 x 220")
    boxes = [message_box(frame, icons, i) for i in range(5)]
    sheet.row([light_and_dark([frame, zoom(frame)]),
               cell_grid([[boxes[0], message_box(frame, icons, 4, 420, 220)], [boxes[1], boxes[2]],
                          [boxes[3], Image.new("RGBA", (1, 1))]], LIGHT)])

    sheet.heading("Program icon, 12 images: 48, 32, 24, 16 px at 4, 8 and 32 bits per pixel (rows), 100 % and 400 %")
    depths = sorted({bpp for _, bpp in icon_images})
    rows = [[i for i, bpp in icon_images if bpp == depth] for depth in depths]
    sheet.row([cell_grid(rows, ground) for ground in (LIGHT, DARK)])
    sheet.row([cell_grid([[zoom(i) for i in row] for row in rows], ground) for ground in (LIGHT, DARK)])

    sheet.render().save(path, optimize=False, compress_level=9)
