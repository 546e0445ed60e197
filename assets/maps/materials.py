"""Named ground and surface materials, made once per map at full size.

Colours come from the map's palette, so the same material looks different in
the hut and in the lab.  Everything is seeded from the map seed.
"""
import numpy as np

from textures import fbm, grain, grid, per_tile, joints, tile_light, colour, mix


def _asphalt(h, w, s, p):
    sh = 0.86 + 0.22 * fbm(h, w, 90, s) + 0.18 * (grain(h, w, s + 1) - 0.5)
    patches = fbm(h, w, 160, s + 2, 3) > 0.63
    sh = sh * np.where(patches, 0.9, 1.0)
    return colour(p['asphalt'], sh)


def _concrete(h, w, s, p):
    sh = 0.88 + 0.18 * fbm(h, w, 70, s) + 0.1 * (grain(h, w, s + 1) - 0.5)
    stains = np.clip((fbm(h, w, 50, s + 5, 3) - 0.64) * 2, 0, 0.12)
    return colour(p['concrete'], sh - stains)


def _slabs(h, w, s, base, size, stagger, tint, joint_dark=0.6, second=None):
    row, col, lx, ly = grid(h, w, size, size, stagger)
    sh = 1.0 + per_tile(row, col, s, tint) + 0.07 * (grain(h, w, s + 1) - 0.5)
    sh = sh * tile_light(lx, ly, size, size, 0.06)
    sh = sh * (0.92 + 0.16 * fbm(h, w, 120, s + 3, 3))
    sh = sh * (1.0 - (1.0 - joint_dark) * joints(lx, ly, size, size))
    if second is None:
        return colour(base, sh)
    checker = ((row + col) % 2).astype(np.float32)
    return mix(base, second, checker) * sh[..., None]


def _pavement(h, w, s, p):
    return _slabs(h, w, s, p['pavement'], 28, True, 0.05)


def _plaza(h, w, s, p):
    return _slabs(h, w, s, p['plaza'], 56, False, 0.03, 0.7, p['plaza2'])


def _tiles(h, w, s, p):
    size = p.get('tile_size', 40)
    return _slabs(h, w, s, p['tiles'], size, False, 0.035, 0.55, p.get('tiles2'))


def _grass(h, w, s, p):
    big = fbm(h, w, 140, s, 3)
    fine = grain(h, w, s + 1)
    tufts = fbm(h, w, 9, s + 2, 2)
    sh = 0.78 + 0.3 * big + 0.22 * (fine - 0.5) + 0.2 * (tufts - 0.5)
    dry = np.clip((big - 0.55) * 2.5, 0, 1) * 0.5
    return mix(p['grass'], p['grass_dry'], dry) * sh[..., None]


def _dirt(h, w, s, p):
    sh = 0.8 + 0.35 * fbm(h, w, 60, s) + 0.2 * (grain(h, w, s + 1) - 0.5)
    pebbles = (grain(h, w, s + 2) > 0.985).astype(np.float32) * 0.25
    return colour(p['dirt'], sh + pebbles)


def _planks(h, w, s, p):
    ph = 16
    row, col, lx, ly = grid(h, w, 150, ph, True)
    streak = fbm(h, w, 6, s, 3, stretch=14.0)
    sh = 1.0 + per_tile(row, col, s + 1, 0.1) + 0.22 * (streak - 0.5)
    sh = sh * tile_light(lx, ly, 150, ph, 0.1)
    sh = sh * (1.0 - 0.5 * joints(lx, ly, 150, ph, 1.2))
    return colour(p['planks'], sh)


def _carpet(h, w, s, p):
    sh = 0.9 + 0.12 * fbm(h, w, 80, s, 3) + 0.14 * (grain(h, w, s + 1) - 0.5)
    row, col, lx, ly = grid(h, w, 12, 12)
    sh = sh * (1.0 + 0.035 * ((row + col) % 2))
    return colour(p['carpet'], sh)


def _metal(h, w, s, p):
    size = 64
    row, col, lx, ly = grid(h, w, size, size)
    ys, xs = np.mgrid[0:h, 0:w]
    diamond = ((xs + ys) % 10 < 2) | ((xs - ys) % 10 < 2)
    sh = 1.0 + per_tile(row, col, s, 0.05) + 0.06 * diamond
    sh = sh * (0.9 + 0.18 * fbm(h, w, 60, s + 1, 3)) * tile_light(lx, ly, size, size, 0.1)
    sh = sh * (1.0 - 0.55 * joints(lx, ly, size, size, 1.5))
    for cx in (6, size - 6):
        for cy in (6, size - 6):
            rivet = np.hypot(lx - cx, ly - cy) < 2.5
            sh = np.where(rivet, sh * 1.35, sh)
    rust = np.clip((fbm(h, w, 40, s + 7, 3) - 0.6) * 2.5, 0, 1) * p.get('rust', 0.0)
    return mix(colour(p['metal'], sh), np.asarray((120, 72, 40)) * sh[..., None], rust)


def _gravel(h, w, s, p):
    sh = 0.8 + 0.4 * grain(h, w, s) * 0.6 + 0.2 * fbm(h, w, 30, s + 1, 3)
    return colour((1.0, 1.0, 1.0), sh)


def _shingles(h, w, s, p):
    row, col, lx, ly = grid(h, w, 16, 10, True)
    sh = 1.0 + per_tile(row, col, s, 0.12) - 0.35 * (ly / 10) ** 3
    sh = sh * (0.92 + 0.1 * (grain(h, w, s + 1) - 0.5) + 0.1 * fbm(h, w, 50, s + 2, 2))
    return colour((1.0, 1.0, 1.0), sh)


def _corrugated(h, w, s, p):
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    sh = 0.92 + 0.1 * np.sin(xs * 2 * np.pi / 9) + 0.08 * fbm(h, w, 40, s, 3)
    return colour((1.0, 1.0, 1.0), sh)


def _tar(h, w, s, p):
    sh = 0.85 + 0.2 * fbm(h, w, 40, s, 3) + 0.08 * (grain(h, w, s + 1) - 0.5)
    seams = np.clip(1.0 - np.abs(fbm(h, w, 120, s + 2, 2) - 0.5) * 60, 0, 1)
    return colour((1.0, 1.0, 1.0), sh - 0.12 * seams)


def _water(h, w, s, p):
    ripple = np.sin(fbm(h, w, 50, s, 3) * 40)
    sh = 0.9 + 0.08 * ripple + 0.1 * fbm(h, w, 120, s + 1, 2)
    return colour(p['water'], sh)


MATERIALS = {
    'asphalt': _asphalt, 'concrete': _concrete, 'pavement': _pavement,
    'plaza': _plaza, 'tiles': _tiles, 'grass': _grass, 'dirt': _dirt,
    'planks': _planks, 'carpet': _carpet, 'metal': _metal, 'water': _water,
    # neutral surfaces tinted per shape (roofs)
    'gravel': _gravel, 'shingles': _shingles, 'corrugated': _corrugated, 'tar': _tar,
}


class Materials:
    def __init__(self, width, height, seed, palette):
        self.w, self.h, self.seed, self.pal = width, height, seed, palette
        self.cache = {}

    def get(self, name):
        if name not in self.cache:
            if name not in MATERIALS:
                raise KeyError(f'unknown material {name!r}')
            salt = sum(ord(c) * (i + 1) for i, c in enumerate(name))
            self.cache[name] = MATERIALS[name](
                self.h, self.w, self.seed * 1009 + salt, self.pal).astype(np.float32)
        return self.cache[name]
