"""Procedural building blocks: seeded noise, tilings and colour helpers."""
import numpy as np
from PIL import Image


def rng(seed):
    return np.random.default_rng(int(seed) & 0xFFFFFFFF)


def value_noise(h, w, cell_x, seed, cell_y=None):
    """Smooth noise in 0..1; cell sizes in pixels (anisotropic when cell_y given)."""
    cell_y = cell_y or cell_x
    gw, gh = int(w / cell_x) + 4, int(h / cell_y) + 4
    grid = rng(seed).random((gh, gw), dtype=np.float32)
    big = Image.fromarray(grid, 'F').resize(
        (int(gw * cell_x), int(gh * cell_y)), Image.BICUBIC)
    ox, oy = int(cell_x), int(cell_y)
    return np.asarray(big)[oy:oy + h, ox:ox + w]


def fbm(h, w, cell, seed, octaves=4, stretch=1.0):
    """Fractal noise roughly in 0..1 with mean 0.5."""
    total = np.zeros((h, w), np.float32)
    amp, norm = 1.0, 0.0
    for i in range(octaves):
        c = max(1.0, cell / (2 ** i))
        total += amp * value_noise(h, w, c * stretch, seed * 31 + i, c)
        norm += amp
        amp *= 0.5
    return total / norm


def grain(h, w, seed):
    return rng(seed).random((h, w), dtype=np.float32)


def grid(h, w, tw, th, stagger=False):
    """Tile coordinates: (row, col, local x, local y) arrays for a tiling."""
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    row = np.floor(ys / th)
    shift = (row % 2) * (tw / 2) if stagger else 0
    xx = xs + shift
    col = np.floor(xx / tw)
    return row.astype(np.int32), col.astype(np.int32), xx - col * tw, ys - row * th


def per_tile(row, col, seed, spread=1.0):
    """A random value in -spread..spread per tile, stable for the tile."""
    table = rng(seed).uniform(-spread, spread, (row.max() + 2, col.max() + 2))
    return table[row, col].astype(np.float32)


def colour(base, shade):
    """base RGB times a (h, w) shade field -> (h, w, 3)."""
    return np.asarray(base, np.float32) * shade[..., None]


def mix(a, b, t):
    a = np.asarray(a, np.float32)
    b = np.asarray(b, np.float32)
    t = np.asarray(t, np.float32)
    if t.ndim == 2:
        t = t[..., None]
    return a + (b - a) * t


def hexrgb(text):
    text = text.lstrip('#')
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def joints(lx, ly, tw, th, width=1.5):
    """1 on the joint lines of a tiling, 0 inside tiles (soft edged)."""
    dx = np.minimum(lx, tw - lx)
    dy = np.minimum(ly, th - ly)
    d = np.minimum(dx, dy)
    return np.clip(1.0 - d / width, 0, 1)


def tile_light(lx, ly, tw, th, amount=0.08):
    """A gentle bevel inside each tile: lit north-west, darker south-east."""
    return 1.0 + amount * (0.5 - lx / tw) + amount * (0.5 - ly / th)
