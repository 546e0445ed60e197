"""The city skyline at dusk: hazy far blocks, lit mid blocks, the DUVAVE tower,
the power plant and black foreground roofs, composed over a dusk sky."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import atmosphere
import palette
from fonts import font, text_mask
from textures import blend, fractal_noise, mask_array, radial, rng, add_light, vignette, grain


def _blocks(r, w, min_h, max_h, min_w, max_w):
    x = -int(r.integers(0, max_w))
    out = []
    while x < w:
        bw = int(r.integers(min_w, max_w))
        out.append((x, int(r.integers(min_h, max_h)), bw))
        x += bw - int(r.integers(0, max(2, bw // 5)))
    return out


def _roof(d, r, x, top, bw, s):
    kind = r.random()
    if kind < 0.25:  # stepped top
        iw = int(bw * 0.6)
        d.rectangle([x + (bw - iw) // 2, top - int(10 * s), x + (bw + iw) // 2, top], fill=255)
    elif kind < 0.4:  # water tank on legs
        tx = x + int(bw * r.random() * 0.6)
        d.rectangle([tx, top - int(9 * s), tx + int(8 * s), top - int(4 * s)], fill=255)
        d.line([tx + 1, top - int(4 * s), tx + 1, top], fill=255)
        d.line([tx + int(7 * s), top - int(4 * s), tx + int(7 * s), top], fill=255)
    elif kind < 0.55:  # slanted roof
        d.polygon([(x, top), (x + bw, top), (x + bw, top - int(12 * s))], fill=255)
    return kind


def _windows(d, r, x, top, bw, base, s, lit, cold_share):
    ww, wh = max(1, int(3 * s)), max(1, int(4 * s))
    gx, gy = max(2, int(7 * s)), max(3, int(9 * s))
    for wy in range(top + gy, base - gy, gy):
        row_lit = r.random() < 0.85
        for wx in range(x + gx // 2 + 1, x + bw - ww - 1, gx):
            if row_lit and r.random() < lit:
                base_col = palette.WINDOW_COLD if r.random() < cold_share else palette.WINDOW_WARM
                k = 0.35 + 0.65 * r.random()
                d.rectangle([wx, wy, wx + ww - 1, wy + wh - 1], fill=tuple(int(c * k) for c in base_col))


def _layer(arr, mask, lights, colour, seed, rim=None, glow=0.6):
    h, w = arr.shape[:2]
    m = mask_array(mask)
    shade = 0.75 + 0.45 * fractal_noise(w, h, seed, octaves=3, cells=8)
    y = np.linspace(1.1, 0.7, h, dtype=np.float32)[:, None]
    col = np.asarray(colour, np.float32) * (shade * y)[..., None]
    out = arr * (1 - m[..., None]) + col * m[..., None]
    if rim is not None:  # warm light catching the top edges
        edge = np.clip(m - mask_array(mask.transform(mask.size, Image.AFFINE, (1, 0, 0, 0, 1, -1))), 0, 1)
        out = add_light(out, rim, edge * 0.5)
    li = np.asarray(lights, np.float32)
    halo = np.asarray(lights.filter(ImageFilter.GaussianBlur(3)), np.float32)
    return out * (1 - (li.max(-1, keepdims=True) > 0)) + li + halo * glow


def skyline_layer(arr, seed, base, hmin, hmax, wmin, wmax, colour, lit, s, cold=0.3, rim=None, skip=()):
    h, w = arr.shape[:2]
    r = rng(seed)
    mask = Image.new("L", (w, h), 0)
    lights = Image.new("RGB", (w, h), 0)
    dm, dl = ImageDraw.Draw(mask), ImageDraw.Draw(lights)
    for x, bh, bw in _blocks(r, w, hmin, hmax, wmin, wmax):
        if any(a <= x + bw // 2 <= b for a, b in skip):
            continue
        top = base - bh
        dm.rectangle([x, top, x + bw, h], fill=255)
        if _roof(dm, r, x, top, bw, s) > 0.8:
            ax = x + int(bw * 0.7)
            dm.line([ax, top, ax, top - int(22 * s)], fill=255)
            dl.point((ax, top - int(22 * s)), fill=palette.DUVAVE_RED)
        _windows(dl, r, x, top, bw, h, s, lit, cold)
    return _layer(arr, mask, lights, colour, seed + 1, rim)


def duvave_tower(arr, cx, top, width, s, seed, burning=False):
    """The corporation's skyscraper: setbacks, a spire, light stripes and its red sign."""
    h, w = arr.shape[:2]
    mask = Image.new("L", (w, h), 0)
    lights = Image.new("RGB", (w, h), 0)
    dm, dl = ImageDraw.Draw(mask), ImageDraw.Draw(lights)
    hw = width // 2
    dm.rectangle([cx - hw, top + int(40 * s), cx + hw, h], fill=255)
    dm.rectangle([cx - int(hw * 0.8), top + int(14 * s), cx + int(hw * 0.8), h], fill=255)
    dm.polygon([(cx - int(hw * 0.55), top + int(14 * s)), (cx, top - int(18 * s)),
                (cx + int(hw * 0.55), top + int(14 * s))], fill=255)
    dm.line([cx, top - int(18 * s), cx, top - int(60 * s)], fill=255, width=max(1, int(2 * s)))
    r = rng(seed)
    for i in range(-2, 3):  # glowing vertical stripes
        sx = cx + int(i * hw * 0.35)
        k = 0.5 + 0.3 * r.random()
        dl.line([sx, top + int(44 * s), sx, h], fill=tuple(int(c * k) for c in palette.WINDOW_COLD), width=1)
    ww, gy = max(1, int(2 * s)), max(3, int(8 * s))
    for wy in range(top + int(60 * s), h, gy):
        for wx in range(cx - hw + 3, cx + hw - 2, max(3, int(6 * s))):
            if r.random() < 0.25:
                dl.rectangle([wx, wy, wx + ww, wy + ww], fill=(70, 110, 150))
    dl.point((cx, top - int(60 * s)), fill=(255, 60, 60))
    out = _layer(arr, mask, lights, (18, 20, 30), seed + 3, rim=(120, 60, 50), glow=0.8)
    out = add_light(out, (255, 40, 40), radial(w, h, cx, top - 60 * s, 14 * s) * 0.9)
    size = max(7, int(15 * s))
    m = text_mask((w, h), (0, 0), "DUVAVE", font("DejaVuSans-Bold", size))
    box = m.getbbox()
    if box:
        m = m.crop(box)
        pos = (cx - m.width // 2, top + int(24 * s))
        big = Image.new("L", (w, h), 0)
        big.paste(m, pos)
        a = mask_array(big)
        out = add_light(out, palette.DUVAVE_RED, mask_array(big.filter(ImageFilter.GaussianBlur(4 * s))) * 1.2)
        out = blend(out, (255, 90, 90), a)
    if burning:
        cloud = atmosphere.plume(w, h, cx, top + int(30 * s), seed + 8, 300 * s, 0.6, 0.5, 1.0)
        out = atmosphere.smoke(out, np.clip(cloud * 1.4, 0, 0.92), top + int(90 * s), colour=(36, 28, 32))
        out = atmosphere.fire(out, cx, top + int(90 * s), width * 1.4, 120 * s, seed + 9)
    return out


def power_plant(arr, x, base, s, seed):
    """Cooling tower and two chimneys with beacons and smoke."""
    h, w = arr.shape[:2]
    mask = Image.new("L", (w, h), 0)
    dm = ImageDraw.Draw(mask)
    th, tw = int(90 * s), int(80 * s)
    pts = []
    for i in range(21):
        t = i / 20
        half = tw / 2 * (0.62 + 0.38 * (2 * t - 1) ** 2) * (1.0 + 0.1 * t)
        pts.append((x + tw / 2 - half, base - th + t * th))
    pts += [(2 * x + tw - px, py) for px, py in reversed(pts)]
    dm.polygon(pts, fill=255)
    chim = []
    for i, cxo in enumerate((tw + int(20 * s), tw + int(44 * s))):
        ch = int((150 - 20 * i) * s)
        cw = max(2, int(7 * s))
        dm.polygon([(x + cxo - cw, base), (x + cxo - cw + 2, base - ch), (x + cxo + cw - 2, base - ch),
                    (x + cxo + cw, base)], fill=255)
        chim.append((x + cxo, base - ch))
    dm.rectangle([x - int(10 * s), base - int(30 * s), x + tw + int(70 * s), h], fill=255)
    out = _layer(arr, mask, Image.new("RGB", (w, h), 0), (26, 22, 28), seed, rim=(150, 70, 40))
    alpha = np.zeros((h, w), np.float32)
    alpha += atmosphere.plume(w, h, x + tw / 2, base - th, seed + 1, 200 * s, 0.45, 0.9, 0.9)
    for j, (cx, cy) in enumerate(chim):
        alpha += atmosphere.plume(w, h, cx, cy, seed + 2 + j, 170 * s, 0.3, 1.2, 0.9)
        out = add_light(out, (255, 40, 40), radial(w, h, cx, cy + 2, 5 * s) * 0.9)
    return atmosphere.smoke(out, np.clip(alpha, 0, 0.85), base)


def city_scene(w, h, seed, horizon, tower_x, plant_x, s=1.0, burning=False, stops=None, embers=60,
               tower_h=330):
    """The whole dusk cityscape as a float RGB array."""
    arr = atmosphere.dusk_sky(w, h, horizon, seed, stops)
    arr = add_light(arr, (255, 120, 50), radial(w, h, w * 0.5, horizon, w * 0.6) * 0.25)
    fog = (110, 50, 60)
    arr = skyline_layer(arr, seed + 10, horizon, int(40 * s), int(150 * s), int(20 * s), int(50 * s),
                        (62, 36, 58), 0.12, s, rim=(90, 40, 30))
    arr = blend(arr, fog, np.full((h, w), 0.35, np.float32))
    arr = power_plant(arr, plant_x, horizon + int(6 * s), s, seed + 20)
    arr = duvave_tower(arr, tower_x, int(horizon - tower_h * s), int(56 * s), s, seed + 30, burning)
    tw = int(40 * s)
    arr = skyline_layer(arr, seed + 40, horizon + int(20 * s), int(30 * s), int(120 * s), int(28 * s),
                        int(70 * s), (30, 22, 34), 0.3, s, rim=(140, 60, 40),
                        skip=((tower_x - tw, tower_x + tw), (plant_x - 10 * s, plant_x + 150 * s)))
    arr = atmosphere.ground_haze(arr, horizon - int(60 * s), strength=0.35)
    arr = skyline_layer(arr, seed + 50, h - int(10 * s), int(10 * s), int(80 * s), int(40 * s),
                        int(110 * s), (10, 8, 12), 0.18, s, cold=0.1, rim=(120, 50, 30))
    arr = atmosphere.embers(arr, seed + 60, embers, horizon - 200 * s, h)
    arr = vignette(arr, 0.5)
    return arr + grain(w, h, seed + 70, 3.0)[..., None]
