"""Sky, clouds, smoke, fire and embers for the city scenes (float RGB arrays)."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import palette
from textures import (add_light, blend, fractal_noise, radial, rng, vertical_gradient)


def dusk_sky(w, h, horizon, seed, stops=None, stars=True):
    """Gradient sky reaching its brightest at the horizon, with lit cloud banks."""
    stops = stops or palette.SKY_STOPS
    scaled = [(t * horizon / h, c) for t, c in stops] + [(1.0, stops[-1][1])]
    sky = vertical_gradient(w, h, scaled)
    clouds = fractal_noise(w, h, seed, octaves=4, cells=8, persistence=0.6, stretch=4.0)
    y = np.linspace(0, 1, h, dtype=np.float32)[:, None] * h / max(horizon, 1)
    band = np.clip((clouds - 0.52) * 5, 0, 1) * np.clip(1.1 - np.abs(y - 0.55) * 1.6, 0, 1)
    underlit = np.clip((y - 0.3) * 1.6, 0, 1)
    body = np.clip(band, 0, 1)
    cloud_col = np.broadcast_to(np.stack([16 + 40 * underlit, 10 + 14 * underlit, 24 + 8 * underlit], -1),
                                (h, w, 3))
    sky = sky * (1 - body[..., None] * 0.6) + cloud_col * body[..., None] * 0.6
    # the city glow catches the undersides of the clouds
    rim = np.clip(np.roll(body, 3, axis=0) - body, 0, 1) * (0.3 + underlit)
    sky = sky + np.asarray((230, 110, 60), np.float32) * rim[..., None] * 0.5
    if stars:
        r = rng(seed + 7)
        n = int(w * h / 2500)
        xs, ys = r.integers(0, w, n), (r.random(n) ** 2 * horizon * 0.45).astype(int)
        bright = r.random(n) * 120 + 60
        for x, yy, b in zip(xs, ys, bright):
            if band[yy, x] < 0.2:
                sky[yy, x] += b * (1 - yy / (horizon * 0.5))
    return sky


def plume(w, h, x0, y0, seed, length, spread, drift, density=0.8):
    """Alpha of a billowing smoke column rising from (x0, y0) and bending sideways."""
    r = rng(seed)
    img = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(img)
    steps = 28
    for i in range(steps):
        t = i / steps
        px = x0 + drift * length * t ** 1.6 + (r.random() - 0.5) * spread * length * t * 0.5
        py = y0 - length * t
        rad = 2 + spread * length * t * (0.7 + 0.5 * r.random())
        a = int(255 * density * (1 - t) ** 0.8)
        d.ellipse([px - rad, py - rad * 0.8, px + rad, py + rad * 0.8], fill=a)
    soft = np.asarray(img.filter(ImageFilter.GaussianBlur(max(1.5, spread * length * 0.08))), np.float32) / 255
    n = fractal_noise(w, h, seed + 1, octaves=5, cells=6)
    return np.clip(soft * (0.45 + 0.9 * n), 0, 1)


def smoke(arr, alpha, lit_from_y, colour=(78, 64, 74), glow=palette.EMBER):
    """Dark smoke whose lower part picks up the orange city light."""
    h = arr.shape[0]
    y = np.arange(h, dtype=np.float32)[:, None]
    lit = np.clip(1 - (lit_from_y - y) / (h * 0.5), 0, 1) ** 2
    col = np.asarray(colour, np.float32) + np.asarray(glow, np.float32)[None, None, :] * 0.35 * lit[..., None]
    a = np.clip(alpha, 0, 1)[..., None]
    return arr * (1 - a) + col * a


def fire(arr, x0, y0, fw, fh, seed):
    """Flames rising from a base line centred on x0 at y0."""
    h, w = arr.shape[:2]
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    n = fractal_noise(w, h, seed, octaves=5, cells=6, stretch=0.3)
    up = (y0 - yy) / fh
    across = np.abs(xx - x0) / (fw / 2)
    shape = np.clip(1 - across ** 2, 0, 1) * (up > -0.1) * np.clip(1 + up * 5, 0, 1)
    heat = np.clip(shape * 1.4 - np.clip(up, 0, None) * (1.3 - n) * 1.9 - 0.15, 0, 1)
    out = add_light(arr, palette.EMBER, radial(w, h, x0, y0 - fh * 0.3, fw * 1.6) * 0.8)
    out = blend(out, (200, 50, 20), np.clip(heat * 1.5, 0, 1))
    out = blend(out, palette.EMBER, np.clip(heat * 1.5 - 0.5, 0, 1))
    return blend(out, palette.EMBER_HOT, np.clip(heat * 2 - 1.2, 0, 1))


def embers(arr, seed, count, y_from, y_to, size=1):
    """Glowing sparks drifting over the scene."""
    h, w = arr.shape[:2]
    r = rng(seed)
    out = arr.copy()
    for _ in range(count):
        x = int(r.integers(0, w))
        y = int(y_from + (y_to - y_from) * r.random())
        b = 0.5 + 0.5 * r.random()
        s = size + (1 if r.random() > 0.85 else 0)
        x1, y1 = min(w, x + s), min(h, y + s)
        out[y:y1, x:x1] = out[y:y1, x:x1] * (1 - b) + np.asarray(palette.EMBER_HOT) * b
        gx0, gx1, gy0, gy1 = max(0, x - 2), min(w, x + s + 2), max(0, y - 2), min(h, y + s + 2)
        out[gy0:gy1, gx0:gx1] += np.asarray(palette.EMBER, np.float32) * 0.12 * b
    return out


def ground_haze(arr, top, colour=(200, 90, 40), strength=0.45):
    """Warm fog thickening towards the bottom of the picture from y = top."""
    h = arr.shape[0]
    y = np.arange(h, dtype=np.float32)
    a = np.clip((y - top) / max(h - top, 1), 0, 1) ** 1.5 * strength
    return blend(arr, colour, np.broadcast_to(a[:, None], arr.shape[:2]))
