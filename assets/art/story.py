"""The two illustrated story pages (304 x 336 GIF): a picture above, a few lines below."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import city
import palette
from fonts import fancy_text, font, wrap
from textures import add_light, fractal_noise, grain, radial, to_array, to_image, vignette

W, H, ART_H = 304, 336, 186

START_TITLE = "THE CITY UNDER DUVAVE"
START_TEXT = ("The DUVAVE corporation owns this city. Since DUVAVE sealed its tower, strange "
              "creatures have crawled out into the streets. The answer lies in the secret lab hidden "
              "inside the DUVAVE skyscraper. Find the key in the old hut and the access card in the "
              "power plant, and find your way in.")
END_TITLE = "THE CITY BREATHES AGAIN"
END_TEXT = ("The creature is dead. Behind you the secret lab burns, and the secrets of DUVAVE burn "
            "with it. Smoke thins over the rooftops, the streets fall quiet, and for the first time "
            "in years the city breathes again.")
DAWN = [(0.0, (40, 30, 62)), (0.45, (120, 60, 80)), (0.8, (230, 120, 70)), (1.0, (255, 190, 110))]


def _street(arr, horizon, seed, wet_light):
    h, w = arr.shape[:2]
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    road = yy >= horizon
    depth = np.clip((yy - horizon) / max(h - horizon, 1), 0, 1)
    n = fractal_noise(w, h, seed, octaves=5, cells=20)
    asphalt = np.stack([14 + 16 * n, 12 + 14 * n, 16 + 14 * n], -1) * (0.6 + 0.6 * depth[..., None])
    arr = np.where(road[..., None], asphalt, arr)
    # wet reflections of the lit city, streaked downwards
    refl = np.flipud(arr[max(0, 2 * horizon - h):horizon])
    pad = np.zeros_like(arr)
    pad[horizon:horizon + refl.shape[0]] = refl
    streak = Image.fromarray(np.clip(pad, 0, 255).astype(np.uint8)).filter(ImageFilter.BoxBlur(2))
    arr = arr + to_array(streak) * 0.35 * road[..., None] * (1 - depth[..., None] * 0.6)
    # a faint kerb line where the street meets the blocks
    arr[horizon:horizon + 1] += wet_light
    return arr


def _creature(d, x, y, s, eyes):
    """A hunched, long-armed silhouette with glowing eyes."""
    d.ellipse([x - 7 * s, y - 14 * s, x + 7 * s, y + 2 * s], fill=(6, 4, 8))
    d.ellipse([x - 4 * s, y - 20 * s, x + 5 * s, y - 11 * s], fill=(6, 4, 8))
    d.line([(x - 6 * s, y - 10 * s), (x - 12 * s, y + 2 * s), (x - 13 * s, y + 8 * s)], fill=(6, 4, 8), width=max(1, int(2 * s)))
    d.line([(x + 6 * s, y - 10 * s), (x + 11 * s, y), (x + 14 * s, y + 7 * s)], fill=(6, 4, 8), width=max(1, int(2 * s)))
    d.line([(x - 3 * s, y), (x - 5 * s, y + 12 * s)], fill=(6, 4, 8), width=max(1, int(3 * s)))
    d.line([(x + 3 * s, y), (x + 4 * s, y + 12 * s)], fill=(6, 4, 8), width=max(1, int(3 * s)))
    d.point([(x - 1 * s, y - 16 * s), (x + 2 * s, y - 16 * s)], fill=eyes)


def _start_art():
    arr = city.city_scene(W, ART_H, 91, 140, 175, 8, s=0.42, embers=25, tower_h=250)
    arr = _street(arr, 140, 92, np.asarray((70, 60, 50), np.float32))
    arr = add_light(arr, (90, 255, 140), radial(W, ART_H, 175, 138, 26) * 0.5)  # the lab glows below
    img = to_image(vignette(arr, 0.45))
    d = ImageDraw.Draw(img)
    for x, y, s in ((70, 172, 1.1), (118, 160, 0.7), (244, 176, 1.2), (205, 156, 0.55)):
        _creature(d, x, y, s, (255, 60, 40))
    return img


def _end_art():
    arr = city.city_scene(W, ART_H, 93, 140, 175, 8, s=0.42, burning=True, stops=DAWN, embers=60,
                          tower_h=250)
    arr = _street(arr, 140, 94, np.asarray((120, 80, 50), np.float32))
    arr = add_light(arr, (255, 150, 60), radial(W, ART_H, 175, 60, 160) * 0.25)
    img = to_image(vignette(arr, 0.4))
    d = ImageDraw.Draw(img)
    # the fallen creature in the foreground, in a pool of its own blood
    d.ellipse([44, 174, 156, 186], fill=(70, 6, 10))
    d.ellipse([60, 170, 140, 180], fill=(96, 10, 14))
    body = (10, 7, 10)
    d.ellipse([58, 164, 108, 178], fill=body)
    d.ellipse([102, 163, 118, 175], fill=body)
    d.line([(70, 175), (56, 181), (46, 179)], fill=body, width=3)
    d.line([(84, 176), (76, 183)], fill=body, width=3)
    d.line([(108, 172), (128, 167), (140, 172)], fill=body, width=3)
    for k in (-2, 0, 2):
        d.line([(140, 172), (146, 170 + k * 2)], fill=body, width=1)
    d.point([(112, 167)], fill=(120, 40, 20))
    return img


def _page(art, title, text, seed, closing=None):
    arr = np.zeros((H, W, 3), np.float32)
    n = fractal_noise(W, H, seed, octaves=5, cells=6)
    arr[:] = np.stack([22 + 14 * n, 18 + 10 * n, 20 + 8 * n], -1)
    arr += grain(W, H, seed + 1, 3.0)[..., None]
    img = to_image(arr)
    img.paste(art, (0, 0))
    d = ImageDraw.Draw(img)
    d.line([(0, ART_H), (W, ART_H)], fill=(200, 90, 40))
    d.line([(0, ART_H + 1), (W, ART_H + 1)], fill=(60, 24, 12))
    fancy_text(img, (12, ART_H + 9), title, font("DejaVuSans-Bold", 13), palette.EMBER, shadow=(1, 1, (0, 0, 0)))
    body = font("DejaVuSans", 11)
    y = ART_H + 30
    for line in wrap(text, body, W - 24):
        fancy_text(img, (12, y), line, body, palette.TEXT_LIGHT, shadow=(1, 1, (0, 0, 0)))
        y += 15
    if closing:
        cf = font("DejaVuSerif-BoldItalic", 14)
        l, t, r, b = d.textbbox((0, 0), closing, font=cf)
        fancy_text(img, ((W - (r - l)) // 2 - l, H - 30), closing, cf, palette.EMBER_HOT, shadow=(1, 1, (0, 0, 0)))
    # nothing may be pure white: the page transition treats white as see-through
    arr = np.minimum(to_array(img), 246)
    img = to_image(arr)
    return img.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.FLOYDSTEINBERG)


def start_page():
    return _page(_start_art(), START_TITLE, START_TEXT, 95)


def end_page():
    return _page(_end_art(), END_TITLE, END_TEXT, 96, closing="Thanks for playing Cinderwake")
