"""Panels, frames, slots and plates shared by the fixed screens (float RGB arrays)."""
import numpy as np

import palette
from textures import blend, fractal_noise, grain, metal, rng


def bevel(arr, x, y, w, h, light=40.0, dark=50.0, width=2, inset=False):
    """Raised (or sunken) edge: light on top/left, dark on bottom/right."""
    lo, hi = (light, -dark) if not inset else (-dark, light)
    for i in range(width):
        arr[y + i, x + i:x + w - i] += lo
        arr[y + i + 1:y + h - i, x + i] += lo
        arr[y + h - 1 - i, x + i:x + w - i] += hi
        arr[y + i:y + h - 1 - i, x + w - 1 - i] += hi
    return arr


def fill_rect(arr, x, y, w, h, colour, alpha=1.0):
    arr[y:y + h, x:x + w] = arr[y:y + h, x:x + w] * (1 - alpha) + np.asarray(colour, np.float32) * alpha
    return arr


def rivet(arr, cx, cy, r=2.5):
    h, w = arr.shape[:2]
    y0, y1, x0, x1 = max(0, int(cy - r - 1)), min(h, int(cy + r + 2)), max(0, int(cx - r - 1)), min(w, int(cx + r + 2))
    yy, xx = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    d = np.sqrt((xx - cx) ** 2 + (yy - cy) ** 2)
    inside = np.clip(r + 0.5 - d, 0, 1)
    shade = 150 - 60 * ((xx - cx) + (yy - cy)) / max(r, 1)
    arr[y0:y1, x0:x1] = arr[y0:y1, x0:x1] * (1 - inside[..., None]) + shade[..., None] * inside[..., None]
    return arr


def plate(w, h, seed, tone=(44, 46, 54), border=10):
    """A metal screen plate with a raised frame, corner rivets and grime."""
    arr = metal(w, h, seed, tone)
    grime = fractal_noise(w, h, seed + 5, octaves=5, cells=5)
    arr *= (0.82 + 0.25 * grime)[..., None]
    rust = np.clip(fractal_noise(w, h, seed + 6, octaves=4, cells=4) - 0.68, 0, 1) * 2.5
    arr = blend(arr, (96, 50, 30), rust * 0.6)
    bevel(arr, 0, 0, w, h, 45, 55, 2)
    bevel(arr, border, border, w - 2 * border, h - 2 * border, 40, 50, 2, inset=True)
    for cx, cy in ((border / 2, border / 2), (w - border / 2 - 1, border / 2), (border / 2, h - border / 2 - 1),
                   (w - border / 2 - 1, h - border / 2 - 1)):
        rivet(arr, cx, cy, 2.5)
    return arr


def screen_area(arr, x, y, w, h, seed, tone=(16, 14, 20), glow=(60, 24, 14)):
    """Sunken dark glass with a faint warm glow from below."""
    sub = metal(w, h, seed, tone, scratch=4.0)
    t = np.linspace(0, 1, h, dtype=np.float32)[:, None, None]
    sub = sub + np.asarray(glow, np.float32) * t ** 2.5
    arr[y:y + h, x:x + w] = sub
    bevel(arr, x, y, w, h, 35, 45, 2, inset=True)
    return arr


def slot(arr, x, y, w, h, colour=(12, 12, 16)):
    fill_rect(arr, x, y, w, h, colour)
    bevel(arr, x, y, w, h, 30, 40, 1, inset=True)
    return arr


def band(arr, x, y, w, h, colour, alpha=0.55, edge=(200, 90, 40)):
    """A translucent row band with a thin warm line at its left end."""
    fill_rect(arr, x, y, w, h, colour, alpha)
    fill_rect(arr, x, y, 3, h, edge, 0.9)
    arr[y + h - 1, x:x + w] += 14
    return arr


def scanlines(arr, x, y, w, h, amount=6.0):
    arr[y:y + h:2, x:x + w] -= amount
    return arr


def embers_on(arr, seed, count):
    h, w = arr.shape[:2]
    r = rng(seed)
    for _ in range(count):
        px, py = int(r.integers(0, w)), int(r.integers(0, h))
        arr[py, px] = arr[py, px] * 0.3 + np.asarray(palette.EMBER_HOT) * 0.7
    return arr


def noise_overlay(arr, seed, amount=4.0):
    h, w = arr.shape[:2]
    return arr + grain(w, h, seed, amount)[..., None]
