"""Painters for walls, city buildings, fences, hedges, water and pillars."""
import numpy as np

from canvas import raster, drop_shadow, bevel, erode, shifted
from font import draw_text
from primitives import rect, block, dome, vgradient
from textures import fbm, hexrgb

ROOF_COLOURS = [(150, 146, 138), (120, 124, 130), (168, 150, 120), (110, 100, 96),
                (140, 84, 66), (96, 110, 104), (176, 170, 160)]


def _face(a, depth):
    """The south face of a solid: pixels within depth of its lower edge."""
    return np.clip(a - shifted(a, 0, -int(depth)), 0, 1)


def _stripes(coord, period):
    """Rounded stripes (logs, pipes of a panel) along coord."""
    return 0.78 + 0.3 * np.sin(np.pi * (coord % period) / period)


def wall(cv, shape, pal, rnd):
    depth = shape.num('h', 16)
    style = shape.opt('style', pal.get('wall_style', 'panel'))
    drop_shadow(cv, shape, 7, 9, 4, 0.5)
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    cap = np.asarray(hexrgb(shape.opt('color')) if 'color' in shape.opts else pal['wall_cap'],
                     np.float32)
    face_col = cap * (np.asarray(pal['wall_face'], np.float32) / np.asarray(pal['wall_cap']))
    n = fbm(y1 - y0, x1 - x0, 20, shape.index + 3, 3)
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    bx0, by0, bx1, by1 = shape.bbox()
    tall = (by1 - by0) > (bx1 - bx0)
    if style == 'logs':
        grain_ = fbm(y1 - y0, x1 - x0, 5, shape.index + 9, 2, stretch=0.15 if tall else 8.0)
        cap_shade = _stripes(xs if tall else ys, 14) * (0.85 + 0.3 * grain_)
    else:
        trim = np.clip(erode(a, 4) - erode(a, 6), 0, 1)
        cap_shade = (0.9 + 0.2 * n) * (1.0 - 0.18 * trim)
    cv.blend(box, a, cap * cap_shade[..., None])
    bevel(cv, box, a, 2, 1.3, 0.8)
    face = _face(a, depth)
    t = np.clip((ys - (by1 - depth)) / max(depth, 1.0), 0, 1)
    if style == 'logs':
        pattern = _stripes(ys, 10)
    elif style == 'brick':
        row = np.floor(ys / 8)
        bx = (xs + (row % 2) * 9) % 18
        pattern = 1.0 - 0.3 * (((ys % 8) < 1.5) | (bx < 1.5))
    else:
        pattern = 1.0 - 0.18 * ((xs % 48) < 2)
    grad = (1.1 - 0.38 * t) * pattern * (0.94 + 0.12 * n)
    cv.blend(box, face, face_col * grad[..., None])
    top_edge = np.clip(face - shifted(face, 0, 2), 0, 1)
    cv.shade(box, 1.0 - 0.45 * top_edge)
    skirting = np.clip(face - shifted(face, 0, -3), 0, 1)
    cv.shade(box, 1.0 - 0.35 * skirting)


def _windows(cv, box, face, seed, lit_colour=(250, 220, 140)):
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    cell = ((xs % 22) >= 5) & ((xs % 22) < 17) & ((ys % 14) >= 3) & ((ys % 14) < 10)
    pane = face * cell * erode(face, 3)
    g = np.random.default_rng(seed).random(((y1 - y0) // 14 + 2, (x1 - x0) // 22 + 2))
    lit = g[(ys - y0) // 14, (xs - x0) // 22] > 0.72
    glass = np.where(lit[..., None], np.float32(lit_colour), np.float32((58, 74, 96)))
    cv.blend(box, pane * 0.92, glass)


def _roof_props(cv, shape, rnd, roof_col):
    (ax, ay), (bx, by) = shape.points
    w, h = bx - ax, by - ay
    count = int(w * h / 14000) + (1 if w * h > 6000 else 0)
    for _ in range(min(count, 9)):
        pw, ph = rnd.uniform(14, 34), rnd.uniform(12, 28)
        if w < pw + 30 or h < ph + 50:
            continue
        px, py = rnd.uniform(ax + 14, bx - pw - 14), rnd.uniform(ay + 14, by - ph - 40)
        kind = rnd.random()
        if kind < 0.55:   # air-conditioning box with fan
            block(cv, rect(px, py, pw, ph), (176, 178, 180), (4, 5, 2, 0.5), seed=int(px))
            r = min(pw, ph) * 0.32
            dome(cv, px + pw / 2, py + ph / 2, r, (70, 72, 76), shadow=False, shine=0.1)
        elif kind < 0.8:  # vent
            dome(cv, px + pw / 2, py + ph / 2, min(pw, ph) * 0.35, (150, 150, 146), shine=0.3)
        else:             # skylight
            block(cv, rect(px, py, pw, ph), (110, 150, 176), (3, 4, 2, 0.35), edge=2, noise=0.2)


def building(cv, shape, pal, rnd):
    depth = shape.num('h', 28)
    drop_shadow(cv, shape, shape.num('sx', 16), shape.num('sy', 20), 6, 0.55)
    box, a = raster(cv, shape)
    if box is None:
        return
    roof_col = np.asarray(hexrgb(shape.opt('color')) if 'color' in shape.opts
                          else ROOF_COLOURS[rnd.integers(len(ROOF_COLOURS))], np.float32)
    face = _face(a, depth)
    roof = np.clip(a - face, 0, 1)
    tex = cv.material(shape.opt('roof', 'gravel'), box)
    cv.blend(box, roof, tex * roof_col)
    cv.shade(box, 1.0 - 0.22 * np.clip(erode(roof, 5) - erode(roof, 10), 0, 1))
    rim = np.clip(roof - erode(roof, 5), 0, 1)
    cv.blend(box, rim, np.minimum(roof_col * 1.25 + 20, 255))
    bevel(cv, box, roof, 2, 1.3, 0.7)
    wall_col = np.asarray(hexrgb(shape.opt('wall', '#8c8276')), np.float32)
    cv.blend(box, face, wall_col * vgradient(box, 1.0, 0.7)[..., None])
    if shape.opt('windows', 'yes') == 'yes':
        _windows(cv, box, face, shape.index * 7 + 1)
    else:   # timber boards instead of a glazed front
        xs = np.mgrid[box[1]:box[3], box[0]:box[2]][1]
        cv.shade(box, 1.0 - 0.3 * face * ((xs % 12) < 2))
    cv.shade(box, 1.0 - 0.5 * np.clip(face - shifted(face, 0, 2), 0, 1))
    if shape.kind == 'rect' and shape.opt('props', 'yes') != 'no':
        _roof_props(cv, shape, rnd, roof_col)
    if 'label' in shape.opts:
        (ax, ay), (bx, by) = shape.points
        draw_text(cv, (ax + bx) / 2, (ay + by - depth) / 2, shape.opt('label').replace('_', ' '),
                  int(shape.num('scale', 4)), hexrgb(shape.opt('ink', '#f0e8d0')))


def fence(cv, shape, pal, rnd):
    drop_shadow(cv, shape, 4, 6, 2, 0.35)
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    mesh = (((xs + ys) % 6) < 1.5) | (((xs - ys) % 6) < 1.5)
    col = hexrgb(shape.opt('color', '#9aa0a4'))
    cv.blend(box, a * 0.35, (40, 42, 40))
    cv.blend(box, a * mesh * 0.9, col)
    posts = ((xs % 40) < 4) & ((ys % 40) < 4)
    cv.blend(box, a * posts, (200, 204, 206))


def hedge(cv, shape, pal, rnd):
    drop_shadow(cv, shape, 6, 8, 4, 0.45)
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    leaves = fbm(y1 - y0, x1 - x0, 7, shape.index + 11, 3)
    edge = np.clip((erode(a, 1) * 1.0 + (leaves - 0.5) * 1.2), 0, 1) * a
    col = np.asarray((52, 96, 44), np.float32) * (0.7 + 0.6 * leaves)[..., None]
    cv.blend(box, edge, col)
    bevel(cv, box, edge, 3, 1.2, 0.75)


def water(cv, shape, pal, rnd):
    box, a = raster(cv, shape)
    if box is None:
        return
    cv.blend(box, a, cv.material('water', box))
    inner = erode(a, 6)
    cv.shade(box, 1.0 - 0.3 * np.clip(a - inner, 0, 1))
    cv.blend(box, np.clip(a - erode(a, 4), 0, 1), (168, 162, 150))
    bevel(cv, box, np.clip(a - erode(a, 4), 0, 1), 1, 1.2, 0.7)


def pillar(cv, shape, pal, rnd):
    col = hexrgb(shape.opt('color')) if 'color' in shape.opts else pal['wall_cap']
    if shape.kind == 'circle':
        (cx, cy), r = shape.points[0], shape.radius
        dome(cv, cx, cy, r, col, shine=0.2)
    else:
        block(cv, shape, col, (7, 9, 4, 0.5), edge=3)


def solid(cv, shape, pal, rnd):
    """Any plain obstacle: crate stacks, rocks, blocks of machinery."""
    col = hexrgb(shape.opt('color', '#7d7468'))
    block(cv, shape, col, (6, 8, 3, 0.5), edge=3, noise=0.15, seed=shape.index)


PAINTERS = {
    'wall': wall, 'building': building, 'fence': fence, 'hedge': hedge,
    'water': water, 'pillar': pillar, 'solid': solid,
}
