"""DejaVu fonts and text drawing with shadow, glow and outline."""
from functools import lru_cache

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


@lru_cache(maxsize=None)
def font(name, size):
    """name: file stem such as "DejaVuSans-Bold"."""
    return ImageFont.truetype(FONT_DIR + name + ".ttf", size)


def text_box(text, fnt):
    """Ink box of text drawn at (0, 0): (left, top, right, bottom)."""
    return ImageDraw.Draw(Image.new("L", (1, 1))).textbbox((0, 0), text, font=fnt)


def centred_origin(rect, text, fnt):
    """Origin that puts the ink of text in the middle of rect (x, y, w, h)."""
    x, y, w, h = rect
    l, t, r, b = text_box(text, fnt)
    ox = x + (w - (r - l)) // 2 - l
    oy = y + (h - (b - t)) // 2 - t
    return ox, oy


def text_mask(size, origin, text, fnt, spacing=0):
    """Antialiased coverage of text as an L image of the given size."""
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    if spacing:
        x, y = origin
        for ch in text:
            d.text((x, y), ch, font=fnt, fill=255)
            x += d.textlength(ch, font=fnt) + spacing
    else:
        d.text(origin, text, font=fnt, fill=255)
    return mask


def spaced_width(text, fnt, spacing):
    d = ImageDraw.Draw(Image.new("L", (1, 1)))
    return sum(d.textlength(ch, font=fnt) for ch in text) + spacing * (len(text) - 1)


def paint(img, mask, colour, opacity=1.0):
    """Composite a flat colour through mask onto an RGB image in place."""
    if opacity != 1.0:
        mask = mask.point(lambda v: int(v * opacity))
    img.paste(Image.new("RGB", img.size, colour), (0, 0), mask)


def glow(img, mask, colour, radius, strength=1.0):
    blurred = mask.filter(ImageFilter.GaussianBlur(radius))
    blurred = blurred.point(lambda v: min(255, int(v * strength)))
    paint(img, blurred, colour)


def fancy_text(img, origin, text, fnt, fill, shadow=None, glow_colour=None, glow_radius=4,
               glow_strength=1.6, outline=None, spacing=0):
    """Draw text with an optional drop shadow (dx, dy, colour), glow and 1px outline."""
    if shadow:
        dx, dy, sc = shadow
        m = text_mask(img.size, (origin[0] + dx, origin[1] + dy), text, fnt, spacing)
        paint(img, m.filter(ImageFilter.GaussianBlur(1)), sc)
    m = text_mask(img.size, origin, text, fnt, spacing)
    if glow_colour:
        glow(img, m, glow_colour, glow_radius, glow_strength)
    if outline:
        paint(img, m.filter(ImageFilter.MaxFilter(3)), outline)
    paint(img, m, fill)
    return m


def wrap(text, fnt, width):
    """Greedy word wrap to lines no wider than width pixels."""
    d = ImageDraw.Draw(Image.new("L", (1, 1)))
    lines = []
    for para in text.split("\n"):
        line = ""
        for word in para.split():
            trial = word if not line else line + " " + word
            if d.textlength(trial, font=fnt) <= width:
                line = trial
            else:
                lines.append(line)
                line = word
        lines.append(line)
    return lines
