"""In-game menu, death screen and credits."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import city
import palette
import ui
from fonts import centred_origin, fancy_text, font, paint, spaced_width, text_mask
from textures import add_light, blend, fractal_noise, mask_array, radial, to_image, vignette

IN_GAME_ENTRIES = [
    ("Save game", (64, 112, 201, 33)),
    ("Load Game", (64, 176, 201, 33)),
    ("Exit Game", (64, 272, 201, 33)),
    ("Back To Game", (32, 368, 257, 33)),
]
RED_DUSK = [(0.0, (10, 4, 8)), (0.5, (40, 8, 14)), (0.85, (120, 24, 20)), (1.0, (190, 60, 30))]


def spaced_centred(img, cx, y, text, fnt, fill, spacing, **kw):
    w = spaced_width(text, fnt, spacing)
    return fancy_text(img, (int(cx - w / 2), y), text, fnt, fill, spacing=spacing, **kw)


def in_game_menu():
    w, h = 330, 419
    arr = ui.plate(w, h, 31)
    ui.screen_area(arr, 22, 22, w - 44, 64, 32)
    for _, (x, y, rw, rh) in IN_GAME_ENTRIES:
        ui.screen_area(arr, x, y, rw, rh, 33 + y, glow=(50, 20, 12))
    for y in (240, 336):  # separators between the entry groups
        arr[y, 40:w - 40] -= 25
        arr[y + 1, 40:w - 40] += 25
    img = to_image(arr)
    spaced_centred(img, w / 2, 30, "CINDERWAKE", font("DejaVuSerif-Bold", 22), palette.EMBER,
                   4, shadow=(2, 2, (0, 0, 0)), glow_colour=(160, 50, 10), glow_radius=4)
    spaced_centred(img, w / 2, 60, "GAME PAUSED", font("DejaVuSans-Bold", 13), palette.TEXT_DIM, 4)
    fnt = font("DejaVuSans-Bold", 17)
    for text, rect in IN_GAME_ENTRIES:
        fancy_text(img, centred_origin(rect, text, fnt), text, fnt, palette.TEXT_LIGHT, shadow=(1, 2, (0, 0, 0)))
    return img


def _gravestone(arr, cx, base, gw, gh, seed):
    h, w = arr.shape[:2]
    m = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(m)
    x0, x1, top = cx - gw // 2, cx + gw // 2, base - gh
    d.rectangle([x0, top + gw // 2, x1, base], fill=255)
    d.ellipse([x0, top, x1, top + gw], fill=255)
    a = mask_array(m)
    height = mask_array(m.filter(ImageFilter.GaussianBlur(4)))
    gy, gx = np.gradient(height)
    light = np.clip(1.0 - 6 * (gx + gy), 0.4, 1.6)
    stone = fractal_noise(w, h, seed, octaves=6, cells=10)
    col = np.stack([52 + 44 * stone, 50 + 42 * stone, 56 + 40 * stone], -1) * light[..., None]
    lit = radial(w, h, cx + 60, base - gh - 40, 260)[..., None]
    col = col + np.asarray((120, 40, 20), np.float32) * lit * 0.5
    moss = np.clip(fractal_noise(w, h, seed + 1, octaves=4, cells=6) - 0.6, 0, 1) * 3 * np.clip((np.arange(h)[:, None] - (base - 50)) / 50, 0, 1)
    col = blend(col, (40, 52, 30), moss * 0.7)
    shadow = mask_array(m.filter(ImageFilter.GaussianBlur(10)))
    arr = arr * (1 - 0.5 * np.roll(np.roll(shadow, 8, 1), 4, 0)[..., None])
    return arr * (1 - a[..., None]) + col * a[..., None]


def _engrave(img, rect, text, fnt):
    ox, oy = centred_origin(rect, text, fnt)
    m = text_mask(img.size, (ox, oy), text, fnt)
    paint(img, text_mask(img.size, (ox + 1, oy + 1), text, fnt), (150, 140, 140), 0.6)
    paint(img, m, (24, 20, 24))


def death_screen():
    w, h = 500, 375
    arr = city.city_scene(w, h, 41, 250, 380, 30, s=0.5, stops=RED_DUSK, embers=50)
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    hill = (yy > 300 - 40 * np.exp(-((xx - 250) / 200) ** 2)).astype(np.float32)
    soil = fractal_noise(w, h, 42, octaves=6, cells=12)
    ground = np.stack([18 + 20 * soil, 12 + 14 * soil, 14 + 12 * soil], -1)
    arr = blend(arr, ground, hill)
    arr = _gravestone(arr, 250, 300, 130, 170, 43)
    arr = add_light(arr, (140, 30, 20), radial(w, h, 250, 300, 300) * 0.15)
    fog = fractal_noise(w, h, 44, octaves=4, cells=3, stretch=6) * np.clip((yy - 240) / 135, 0, 1)
    arr = blend(arr, (90, 60, 70), fog * 0.5)
    img = to_image(vignette(arr, 0.6))
    crack = [(222, 142), (230, 158), (226, 170), (236, 188), (233, 200)]
    ImageDraw.Draw(img).line(crack, fill=(22, 18, 20), width=2)
    ImageDraw.Draw(img).line([(x + 1, y + 1) for x, y in crack], fill=(120, 110, 110), width=1)
    _engrave(img, (185, 170, 130, 40), "R.I.P.", font("DejaVuSerif-Bold", 28))
    _engrave(img, (185, 210, 130, 20), "rest in ashes", font("DejaVuSerif-Italic", 12))
    spaced_centred(img, w / 2, 26, "YOU DIED", font("DejaVuSerif-Bold", 50), (220, 30, 24), 6,
                   shadow=(3, 3, (0, 0, 0)), glow_colour=(120, 0, 0), glow_radius=8, glow_strength=1.4,
                   outline=(40, 0, 0))
    spaced_centred(img, w / 2, 342, "Press any key", font("DejaVuSans-Bold", 15), palette.TEXT_LIGHT, 3,
                   shadow=(1, 1, (0, 0, 0)))
    return img


def credits_screen():
    w, h = 497, 464
    arr = ui.plate(w, h, 51)
    ui.screen_area(arr, 24, 36, w - 48, h - 60, 52)
    sky = city.city_scene(w - 52, 120, 53, 100, 340, 20, s=0.35, embers=20)
    fade = np.linspace(0, 1, 120, dtype=np.float32)[:, None, None] ** 0.7
    region = arr[h - 26 - 120:h - 26, 26:w - 26]
    arr[h - 26 - 120:h - 26, 26:w - 26] = region * (1 - fade) + sky * fade
    img = to_image(arr)
    cx = w // 2
    spaced_centred(img, cx, 52, "Cinderwake", font("DejaVuSerif-Bold", 44), palette.EMBER, 3,
                   shadow=(3, 3, (0, 0, 0)), glow_colour=(170, 50, 10), glow_radius=6)
    head, body = font("DejaVuSans-Bold", 13), font("DejaVuSans", 16)
    y = 130
    for title, line in (("MADE BY", "the Cinderwake developers"),
                        ("ART, MUSIC AND CODE", "generated by our own tools"),
                        ("SET IN", "a city that DUVAVE would rather you forgot")):
        spaced_centred(img, cx, y, title, head, (230, 120, 50), 3, shadow=(1, 1, (0, 0, 0)))
        spaced_centred(img, cx, y + 20, line, body, palette.TEXT_LIGHT, 0, shadow=(1, 1, (0, 0, 0)))
        y += 56
    spaced_centred(img, cx, y + 6, "Thanks for playing!", font("DejaVuSerif-BoldItalic", 22),
                   palette.EMBER_HOT, 1, shadow=(2, 2, (0, 0, 0)), glow_colour=(140, 40, 10))
    return img
