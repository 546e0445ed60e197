"""Procedural noise, gradients and finishing passes on float RGB arrays (h, w, 3)."""
import numpy as np
from PIL import Image, ImageFilter


def rng(seed):
    return np.random.default_rng(seed)


def upscale(grid, w, h):
    """Smoothly resize a small float grid to w x h."""
    img = Image.fromarray(np.ascontiguousarray(grid, dtype=np.float32), "F")
    return np.asarray(img.resize((w, h), Image.BICUBIC), dtype=np.float32)


def fractal_noise(w, h, seed, octaves=5, cells=4, persistence=0.55, stretch=1.0):
    """Value noise in 0..1; stretch > 1 makes it streaky horizontally."""
    r = rng(seed)
    out = np.zeros((h, w), np.float32)
    amp, total = 1.0, 0.0
    for o in range(octaves):
        cx = max(2, int(cells * 2 ** o / stretch))
        cy = max(2, int(cells * 2 ** o * h / w))
        out += amp * upscale(r.random((cy + 1, cx + 1)), w, h)
        total += amp
        amp *= persistence
    out /= total
    lo, hi = out.min(), out.max()
    return (out - lo) / max(hi - lo, 1e-6)


def grain(w, h, seed, amount=8.0):
    return (rng(seed).random((h, w), dtype=np.float32) - 0.5) * 2 * amount


def vertical_gradient(w, h, stops):
    """stops: [(t, (r, g, b)), ...] with t from 0 (top) to 1 (bottom)."""
    t = np.linspace(0, 1, h, dtype=np.float32)
    cols = np.zeros((h, 3), np.float32)
    ts = [s[0] for s in stops]
    for c in range(3):
        cols[:, c] = np.interp(t, ts, [s[1][c] for s in stops])
    return np.repeat(cols[:, None, :], w, axis=1)


def solid(w, h, colour):
    return np.broadcast_to(np.array(colour, np.float32), (h, w, 3)).copy()


def radial(w, h, cx, cy, radius):
    """1 at (cx, cy) falling to 0 at radius (smooth)."""
    y, x = np.mgrid[0:h, 0:w].astype(np.float32)
    d = np.sqrt((x - cx) ** 2 + (y - cy) ** 2) / radius
    return np.clip(1 - d, 0, 1) ** 2


def vignette(arr, strength=0.55, power=2.2):
    h, w = arr.shape[:2]
    y, x = np.mgrid[0:h, 0:w].astype(np.float32)
    d = np.sqrt(((x - w / 2) / (w / 2)) ** 2 + ((y - h / 2) / (h / 2)) ** 2) / 1.42
    return arr * (1 - strength * d[..., None] ** power)


def blend(base, colour, alpha):
    """Mix colour (tuple or array) into base with alpha (h, w) in 0..1."""
    a = np.clip(alpha, 0, 1)[..., None]
    return base * (1 - a) + np.asarray(colour, np.float32) * a


def add_light(base, colour, amount):
    """Additive light: amount (h, w) in 0..1 times colour."""
    return base + np.asarray(colour, np.float32) * np.clip(amount, 0, None)[..., None]


def metal(w, h, seed, tone=(48, 52, 60), scratch=10.0):
    """Brushed, scuffed metal plate."""
    n = fractal_noise(w, h, seed, octaves=4, cells=3)
    streak = fractal_noise(w, h, seed + 1, octaves=3, cells=6, stretch=12.0)
    arr = solid(w, h, tone)
    arr *= (0.8 + 0.35 * n)[..., None]
    arr += (streak[..., None] - 0.5) * scratch
    arr += grain(w, h, seed + 2, 4.0)[..., None]
    return arr


def to_image(arr):
    return Image.fromarray(np.clip(np.rint(arr), 0, 255).astype(np.uint8), "RGB")


def to_array(img):
    return np.asarray(img.convert("RGB"), dtype=np.float32)


def mask_array(mask_img):
    return np.asarray(mask_img, dtype=np.float32) / 255.0


def blur_mask(mask_img, radius):
    return mask_img.filter(ImageFilter.GaussianBlur(radius))
