"""Small vector symbols: the held key and access card, and the ability row marks."""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from textures import fractal_noise, mask_array, to_image

SLOT = (12, 12, 16)  # fill of the item slots on the status bar


def _shade(mask, base, seed, lift=1.0):
    """Colour a mask with a bevel lit from the top-left plus a little noise."""
    w, h = mask.size
    height = mask_array(mask.filter(ImageFilter.GaussianBlur(1.2)))
    gy, gx = np.gradient(height)
    light = np.clip(1.0 - 3.0 * (gx + gy) * lift, 0.45, 1.7)
    n = 0.9 + 0.2 * fractal_noise(w, h, seed, octaves=3, cells=4)
    return np.asarray(base, np.float32) * (light * n)[..., None]


def _compose(size, parts, bg, scale=4, with_alpha=False):
    """parts: [(draw_fn(draw, s), colour, seed)] drawn at scale, shaded, then reduced."""
    big = (size[0] * scale, size[1] * scale)
    arr = np.broadcast_to(np.asarray(bg, np.float32), (big[1], big[0], 3)).copy()
    cover = Image.new("L", big, 0)
    for draw_fn, colour, seed in parts:
        m = Image.new("L", big, 0)
        draw_fn(ImageDraw.Draw(m), scale)
        a = mask_array(m)[..., None]
        arr = arr * (1 - a) + _shade(m, colour, seed) * a
        cover.paste(255, (0, 0), m)
    img = to_image(arr).resize(size, Image.LANCZOS)
    if with_alpha:
        return img, cover.resize(size, Image.LANCZOS)
    return img


def key_icon():
    def bow(d, s):
        d.ellipse([3 * s, 3 * s, 14 * s, 14 * s], fill=255)
        d.ellipse([6 * s, 6 * s, 11 * s, 11 * s], fill=0)

    def shaft(d, s):
        d.line([(12 * s, 12 * s), (26 * s, 26 * s)], fill=255, width=3 * s)
        d.polygon([(20 * s, 20 * s), (23 * s, 17 * s), (26 * s, 20 * s), (23 * s, 23 * s)], fill=255)
        d.polygon([(23 * s, 23 * s), (26 * s, 20 * s), (28 * s, 22 * s), (25 * s, 25 * s)], fill=255)
    return _compose((30, 30), [(shaft, (200, 160, 60), 1), (bow, (226, 184, 72), 2)], SLOT)


def card_icon():
    def body(d, s):
        d.rounded_rectangle([3 * s, 7 * s, 27 * s, 23 * s], radius=2 * s, fill=255)

    def stripe(d, s):
        d.rectangle([3 * s, 10 * s, 27 * s, 12 * s], fill=255)

    def chip(d, s):
        d.rounded_rectangle([6 * s, 15 * s, 11 * s, 20 * s], radius=s, fill=255)

    def logo(d, s):
        d.polygon([(19 * s, 15 * s), (24 * s, 15 * s), (21.5 * s, 20 * s)], fill=255)
    return _compose((30, 30), [(body, (170, 196, 220), 3), (stripe, (30, 34, 44), 4),
                               (chip, (214, 176, 70), 5), (logo, (220, 40, 48), 6)], SLOT)


def _fist(d, s):
    d.rounded_rectangle([3 * s, 5 * s, 13 * s, 14 * s], radius=2 * s, fill=255)
    d.rectangle([5 * s, 2 * s, 11 * s, 6 * s], fill=255)


def _shield(d, s):
    d.polygon([(8 * s, 1 * s), (14 * s, 3 * s), (13 * s, 10 * s), (8 * s, 15 * s), (3 * s, 10 * s),
               (2 * s, 3 * s)], fill=255)


def _heart(d, s):
    d.ellipse([1 * s, 2 * s, 9 * s, 10 * s], fill=255)
    d.ellipse([7 * s, 2 * s, 15 * s, 10 * s], fill=255)
    d.polygon([(2 * s, 8 * s), (14 * s, 8 * s), (8 * s, 15 * s)], fill=255)


def _bolt(d, s):
    d.polygon([(9 * s, 0), (3 * s, 9 * s), (8 * s, 9 * s), (6 * s, 16 * s), (13 * s, 6 * s), (8 * s, 6 * s)],
              fill=255)


def _cross(d, s):
    d.rectangle([6 * s, 2 * s, 10 * s, 14 * s], fill=255)
    d.rectangle([2 * s, 6 * s, 14 * s, 10 * s], fill=255)


def _star(d, s):
    pts = []
    for i in range(10):
        r = (7 if i % 2 == 0 else 3) * s
        a = math.pi * i / 5 - math.pi / 2
        pts.append((8 * s + r * math.cos(a), 8.5 * s + r * math.sin(a)))
    d.polygon(pts, fill=255)


def _chevron(d, s):
    for k in (0, 5):
        d.polygon([(2 * s, (9 + k) * s - 3 * s), (8 * s, (3 + k) * s), (14 * s, (9 + k) * s - 3 * s),
                   (14 * s, (11 + k) * s - 3 * s), (8 * s, (5 + k) * s), (2 * s, (11 + k) * s - 3 * s)], fill=255)


ROW_MARKS = [(_fist, (220, 120, 60)), (_shield, (120, 160, 210)), (_heart, (220, 50, 60)),
             (_bolt, (240, 210, 80)), (_cross, (90, 210, 110)), (_star, (240, 180, 70)),
             (_chevron, (200, 200, 210))]


def row_mark(index):
    """(picture, coverage mask) of the mark of ability row index."""
    fn, colour = ROW_MARKS[index]
    return _compose((16, 16), [(fn, colour, 10 + index)], colour, with_alpha=True)
