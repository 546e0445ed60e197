"""Start-up splash, main menu backdrop and the four highlight sources of its entries."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import city
import palette
from fonts import centred_origin, fancy_text, font, paint, spaced_width, text_box, text_mask
from textures import add_light, blend, mask_array, radial, to_array, to_image, vignette

TITLE = "Cinderwake"

# text, hot area (x, y, w, h), highlight point, highlight source size, font size, letter spacing
ENTRIES = [
    ("New Game", (248, 176, 305, 33), (250, 180), (308, 29), 28, 4),
    ("Continue Game", (168, 264, 473, 33), (170, 270), (469, 29), 28, 4),
    ("Credits", (288, 352, 241, 33), (290, 358), (237, 29), 28, 4),
    ("End", (16, 568, 73, 17), (20, 565), (61, 15), 14, 1),
]
SOURCE_NAMES = ["Picture3.bmp", "Picture4.bmp", "Picture5.bmp", "Picture6.bmp"]


def _entry_origin(entry):
    """Where the entry's text is drawn on the menu: centred in hot area and highlight both."""
    text, hot, hp, hs, size, sp = entry
    x0, y0 = max(hot[0], hp[0]), max(hot[1], hp[1])
    x1, y1 = min(hot[0] + hot[2], hp[0] + hs[0]), min(hot[1] + hot[3], hp[1] + hs[1])
    fnt = font("DejaVuSans-Bold", size)
    l, t, r, b = text_box(text, fnt)
    w = spaced_width(text, fnt, sp)
    return (x0 + int((x1 - x0 - w) // 2) - l, y0 + (y1 - y0 - (b - t)) // 2 - t), fnt


def _title(img, cx, y, size, spacing=6):
    fnt = font("DejaVuSerif-Bold", size)
    w = spaced_width(TITLE, fnt, spacing)
    origin = (int(cx - w / 2), y)
    # fiery letters: vertical gradient from ember-white at the top to deep red below
    m = text_mask(img.size, origin, TITLE, fnt, spacing)
    fancy_text(img, (origin[0] + 3, origin[1] + 4), TITLE, fnt, (10, 4, 6), spacing=spacing)
    big = m.filter(ImageFilter.GaussianBlur(12)).point(lambda v: min(255, v * 2))
    paint(img, big, (180, 50, 20))
    paint(img, m.filter(ImageFilter.MaxFilter(5)), (30, 8, 6))
    arr = to_array(img)
    box = m.getbbox()
    h = img.height
    t = np.clip((np.arange(h, dtype=np.float32) - box[1]) / max(box[3] - box[1], 1), 0, 1)[:, None]
    top, bottom = np.array(palette.EMBER_HOT, np.float32), np.array((200, 40, 16), np.float32)
    fill = top * (1 - t[..., None]) + bottom * t[..., None]
    arr = blend(arr, np.broadcast_to(fill, arr.shape), mask_array(m))
    return to_image(arr), box


def splash():
    arr = city.city_scene(799, 600, 11, 500, 680, 60, s=1.0, embers=140, tower_h=285)
    arr = add_light(arr, (255, 110, 40), radial(799, 600, 400, 160, 380) * 0.18)
    img = to_image(arr)
    img, box = _title(img, 400, 70, 96)
    sub = font("DejaVuSans-Bold", 18)
    fancy_text(img, centred_origin((0, box[3] + 18, 799, 24), "THE CITY BURNS FROM WITHIN", sub),
               "THE CITY BURNS FROM WITHIN", sub, palette.TEXT_LIGHT, shadow=(2, 2, (0, 0, 0)), spacing=5)
    return img


def menu():
    arr = city.city_scene(799, 600, 23, 520, 650, 40, s=0.9, embers=90)
    arr = arr * 0.72
    # a dark glass panel behind the three main entries
    panel = np.zeros((600, 799), np.float32)
    yy, xx = np.mgrid[0:600, 0:799].astype(np.float32)
    inside = (np.abs(xx - 400) < 270) & (yy > 150) & (yy < 415)
    panel[inside] = 1
    panel = mask_array(Image.fromarray((panel * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(18)))
    arr = blend(arr, (8, 6, 12), panel * 0.62)
    img = to_image(vignette(arr, 0.35))
    d = ImageDraw.Draw(img)
    for x0, x1, y in ((150, 649, 236), (150, 649, 324)):  # thin ember rules between entries
        for x in range(x0, x1):
            k = 1 - abs((x - 400) / 250) ** 2
            base = img.getpixel((x, y))
            d.point((x, y), fill=tuple(int(b + (c - b) * k * 0.7) for b, c in zip(base, palette.EMBER)))
    img, _ = _title(img, 400, 40, 78)
    for entry in ENTRIES:
        origin, fnt = _entry_origin(entry)
        text, sp = entry[0], entry[5]
        small = entry[4] < 20
        fancy_text(img, origin, text, fnt, palette.TEXT_LIGHT, shadow=(2, 2, (0, 0, 0)),
                   glow_colour=None if small else (200, 70, 20), glow_radius=5, glow_strength=1.2,
                   spacing=sp)
    return img


def highlight_source(index):
    """The entry's text at its menu place, relative to the highlight point, on key white."""
    entry = ENTRIES[index]
    (ox, oy), fnt = _entry_origin(entry)
    hp, hs, sp = entry[2], entry[3], entry[5]
    m = text_mask(hs, (ox - hp[0], oy - hp[1]), entry[0], fnt, sp)
    a = mask_array(m)
    inner = mask_array(m.filter(ImageFilter.GaussianBlur(1.2)))
    # raised letters: brightest on the stroke centres so the relief reads as a bevel
    lum = 255 - a * (200 - 110 * inner)
    lum = np.where(a > 0.02, np.minimum(lum, 250), 255)
    g = np.clip(np.rint(lum), 0, 255).astype(np.uint8)
    return Image.fromarray(np.stack([g, g, g], -1), "RGB")
