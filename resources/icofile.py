"""Writes Windows icon files with BMP images at 4, 8 and 32 bits per pixel.

PIL's own ICO writer stores every image at one depth, so the directory and the
device-independent bitmaps are written here by hand.
"""

import io
import struct

from PIL import Image

# Pixels more transparent than this are cut out by the AND mask.
MASK_THRESHOLD = 128


def _row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def _and_mask(image):
    """The 1-bpp AND mask, bottom-up: 1 where the picture is transparent."""
    w, h = image.size
    alpha = image.getchannel("A")
    stride = _row_bytes(w)
    out = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if alpha.getpixel((x, y)) < MASK_THRESHOLD:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def _header(w, h, bpp, colours, image_size):
    # The height counts the XOR and the AND bitmap together.
    return struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, image_size, 0, 0, colours, 0)


def _palette_image(image, colours, accents):
    """The opaque part of the picture reduced to an adaptive palette.

    Entry 0 is black and taken by the transparent pixels: the AND mask keeps
    the screen there and the XOR bitmap must then leave it unchanged. The
    accent colours (small details that a palette made from the picture's
    frequent colours would lose) are kept as well."""
    w, h = image.size
    opaque = image.getchannel("A").point(lambda a: 255 if a >= MASK_THRESHOLD else 0)
    # Transparent pixels are black here, so they claim no palette entry of
    # their own.
    flat = Image.new("RGB", (w, h), (0, 0, 0))
    flat.paste(image.convert("RGB"), mask=opaque)
    fixed = [(0, 0, 0)] + list(accents)[: colours - 1]
    common = flat.quantize(colors=colours - len(fixed), method=Image.Quantize.MEDIANCUT,
                           dither=Image.Dither.NONE)
    palette = [c for rgb in fixed for c in rgb] + common.getpalette()[: 3 * (colours - len(fixed))]
    target = Image.new("P", (1, 1))
    target.putpalette(palette + [0] * (768 - len(palette)))
    indexed = flat.quantize(palette=target, dither=Image.Dither.NONE)
    # Transparent pixels point at the black entry.
    indexed.paste(0, mask=opaque.point(lambda a: 255 - a))
    return indexed


def _indexed_dib(image, bpp, accents):
    w, h = image.size
    count = 1 << bpp
    quantized = _palette_image(image, count, accents)
    palette = quantized.getpalette()[: 3 * count]
    palette += [0] * (3 * count - len(palette))
    table = b"".join(struct.pack("<BBBB", palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0)
                     for i in range(count))
    stride = _row_bytes(w * bpp)
    pixels = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            index = quantized.getpixel((x, y))
            if bpp == 8:
                row[x] = index
            else:
                row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += row
    mask = _and_mask(image)
    return _header(w, h, bpp, 0, len(pixels) + len(mask)) + table + bytes(pixels) + mask


def _argb_dib(image):
    w, h = image.size
    pixels = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    mask = _and_mask(image)
    return _header(w, h, 32, 0, len(pixels) + len(mask)) + bytes(pixels) + mask


def dib(image, bpp, accents=()):
    """One icon image as a device-independent bitmap with its AND mask."""
    image = image.convert("RGBA")
    return _argb_dib(image) if bpp == 32 else _indexed_dib(image, bpp, accents)


def write_ico(path, entries, accents=()):
    """entries: (RGBA image, bits per pixel) pairs, in directory order;
    accents: RGB colours that every palette keeps."""
    images = [(img.size, bpp, dib(img, bpp, accents)) for img, bpp in entries]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    body = b""
    for (w, h), bpp, data in images:
        colour_count = 16 if bpp == 4 else 0
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, colour_count, 0, 1, bpp, len(data),
                                 offset + len(body))
        body += data
    with open(path, "wb") as f:
        f.write(directory + body)


def read_ico(path):
    """The images of an icon file as (RGBA image, bits per pixel) pairs."""
    with open(path, "rb") as f:
        data = f.read()
    count = struct.unpack_from("<HHH", data)[2]
    images = []
    for i in range(count):
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size, offset = entry[6], entry[7]
        single = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", *entry[:6], size, 22)
        image = Image.open(io.BytesIO(single + data[offset:offset + size]))
        images.append((image.convert("RGBA"), entry[5]))
    return images
