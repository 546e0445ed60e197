"""Story page backdrop (with its prompt line) and the plain patch that covers the prompt."""
import numpy as np

import city
import palette
import ui
from fonts import fancy_text, font, spaced_width, text_box
from textures import blend, fractal_noise, grain, radial, add_light, to_image, vignette

PAGE_AT = (100, 100, 304, 336)      # where the story page picture is drawn
PROMPT_RECT = (163, 560, 485, 19)   # the prompt line, covered by picStory_little
PROMPT = "Press any key to continue"


def _texture():
    w, h = 800, 600
    n = fractal_noise(w, h, 81, octaves=6, cells=6)
    fine = fractal_noise(w, h, 82, octaves=3, cells=60)
    arr = np.stack([28 + 26 * n, 22 + 18 * n, 26 + 16 * n], -1) * (0.9 + 0.2 * fine)[..., None]
    rust = np.clip(fractal_noise(w, h, 83, octaves=5, cells=5) - 0.62, 0, 1) * 2.6
    arr = blend(arr, (80, 36, 22), rust * 0.7)
    arr = add_light(arr, (150, 50, 20), radial(w, h, 400, 640, 520) * 0.35)
    arr = vignette(arr, 0.55)
    return arr + grain(w, h, 84, 4.0)[..., None]


def _frames(arr):
    x, y, w, h = PAGE_AT
    ui.fill_rect(arr, x - 12, y - 12, w + 24, h + 24, (34, 34, 40))
    arr[y - 12:y + h + 12, x - 12:x + w + 12] = ui.metal(w + 24, h + 24, 85, (50, 50, 58))
    ui.bevel(arr, x - 12, y - 12, w + 24, h + 24, 45, 55, 2)
    ui.bevel(arr, x - 4, y - 4, w + 8, h + 8, 40, 50, 2, inset=True)
    ui.fill_rect(arr, x - 2, y - 2, w + 4, h + 4, (6, 6, 8))
    for cx, cy in ((x - 7, y - 7), (x + w + 6, y - 7), (x - 7, y + h + 6), (x + w + 6, y + h + 6)):
        ui.rivet(arr, cx, cy, 2.5)
    # a window on the city, right of the page
    vx, vy, vw, vh = 460, 184, 300, 264
    view = city.city_scene(vw, vh, 86, 220, -400, 20, s=0.5, embers=30) * 0.8   # no tower: it may burn
    arr[vy - 10:vy + vh + 10, vx - 10:vx + vw + 10] = ui.metal(vw + 20, vh + 20, 87, (50, 50, 58))
    ui.bevel(arr, vx - 10, vy - 10, vw + 20, vh + 20, 45, 55, 2)
    arr[vy:vy + vh, vx:vx + vw] = view
    ui.bevel(arr, vx, vy, vw, vh, 30, 40, 2, inset=True)
    return arr


def backdrop_and_patch():
    """(backdrop with the prompt, plain patch of the backdrop under the prompt)."""
    arr = _frames(_texture())
    px, py, pw, ph = PROMPT_RECT
    arr[py - 3:py + ph + 3, px - 40:px + pw + 40] *= 0.7   # a darker strip that carries the prompt
    img = to_image(arr)
    patch = img.crop((px, py, px + pw, py + ph))
    title = font("DejaVuSerif-Bold", 46)
    tw = spaced_width("Cinderwake", title, 3)
    fancy_text(img, (int(610 - tw / 2), 98), "Cinderwake", title, palette.EMBER, shadow=(3, 3, (0, 0, 0)),
               glow_colour=(170, 50, 10), glow_radius=6, spacing=3)
    fnt = font("DejaVuSans-Bold", 13)
    l, t, r, b = text_box(PROMPT, fnt)
    w = spaced_width(PROMPT, fnt, 2)
    # keep the ink inside whole 8-pixel rows so the patch covers every trace of it
    origin = (int(px + (pw - w) / 2) - l, 561 - t)
    fancy_text(img, origin, PROMPT, fnt, (226, 206, 180), spacing=2)
    return img, patch
