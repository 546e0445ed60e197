"""Painters for the red mask areas: doors, exits, stairs, item spots, the lab button.

The options say which way the doorway opens: face=n|s|e|w is the side of the
area that touches the wall, and the floor arrow points that way (out).
"""
import numpy as np

from canvas import raster, erode
from font import draw_text
from primitives import rect, poly, block, dome, glow, radial
from textures import hexrgb

_DIRS = {'n': (0, -1), 's': (0, 1), 'e': (1, 0), 'w': (-1, 0)}


def _rect_of(shape):
    (ax, ay), (bx, by) = shape.points
    return ax, ay, bx - ax, by - ay


def _glow_col(shape, pal):
    return np.asarray(hexrgb(shape.opt('glow')) if 'glow' in shape.opts else pal['glow'], np.float32)


def _chevrons(cv, cx, cy, face, size, rgb, count=2, alpha=0.9):
    dx, dy = _DIRS[face]
    px, py = -dy, dx
    for i in range(count):
        ox, oy = cx + dx * (i - (count - 1) / 2) * size * 0.9, cy + dy * (i - (count - 1) / 2) * size * 0.9
        tip = (ox + dx * size * 0.5, oy + dy * size * 0.5)
        back = (ox - dx * size * 0.2, oy - dy * size * 0.2)
        pts = [(back[0] + px * size * 0.6 - dx * size * 0.3, back[1] + py * size * 0.6 - dy * size * 0.3),
               tip,
               (back[0] - px * size * 0.6 - dx * size * 0.3, back[1] - py * size * 0.6 - dy * size * 0.3),
               (back[0] - px * size * 0.35, back[1] - py * size * 0.35),
               (tip[0] - dx * size * 0.35, tip[1] - dy * size * 0.35),
               (back[0] + px * size * 0.35, back[1] + py * size * 0.35)]
        box, a = raster(cv, poly(pts))
        if box is not None:
            cv.blend(box, a * alpha, rgb)


def _pad(cv, shape, col, strength=0.55):
    """Glowing floor inside the area, brightest along the wall side."""
    box, a = raster(cv, shape)
    if box is None:
        return
    x, y, w, h = _rect_of(shape)
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    face = shape.opt('face', 'n')
    t = {'n': (y + h - ys) / h, 's': (ys - y) / h, 'w': (x + w - xs) / w, 'e': (xs - x) / w}[face]
    cv.blend(box, a * (0.25 + strength * np.clip(t, 0, 1)), col)
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1) * 0.8, np.minimum(col * 1.2, 255))


def _jambs(cv, shape, colour, size=7):
    x, y, w, h = _rect_of(shape)
    face = shape.opt('face', 'n')
    if face in ('n', 's'):
        parts = [rect(x - size, y, size, h), rect(x + w, y, size, h)]
    else:
        parts = [rect(x, y - size, w, size), rect(x, y + h, w, size)]
    for p in parts:
        block(cv, p, colour, (3, 4, 2, 0.4), edge=2)


def _label(cv, shape, pal):
    if 'label' not in shape.opts:
        return
    x, y, w, h = _rect_of(shape)
    face = shape.opt('face', 'n')
    off = shape.num('label_off', 16)
    cx, cy = {'n': (x + w / 2, y - off), 's': (x + w / 2, y + h + off),
              'w': (x - off, y + h / 2), 'e': (x + w + off, y + h / 2)}[face]
    ink = hexrgb(shape.opt('ink')) if 'ink' in shape.opts else tuple(int(c) for c in pal['glow'])
    draw_text(cv, cx, cy, shape.opt('label').replace('_', ' '), int(shape.num('scale', 2)), ink)


def door(cv, shape, pal, rnd):
    col = _glow_col(shape, pal)
    x, y, w, h = _rect_of(shape)
    _pad(cv, shape, col)
    _jambs(cv, shape, hexrgb(shape.opt('frame', '#5a5e66')))
    _chevrons(cv, x + w / 2, y + h / 2, shape.opt('face', 'n'), min(w, h) * 0.55,
              np.minimum(col * 1.3, 255), 2)
    _label(cv, shape, pal)


def stairs(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    box, a = raster(cv, shape)
    if box is None:
        return
    face = shape.opt('face', 'n')
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    along = {'n': y + h - ys, 's': ys - y, 'w': x + w - xs, 'e': xs - x}[face]
    depth = along / max(1.0, (h if face in 'ns' else w))
    step = (along % 12) < 2
    base = np.asarray(hexrgb(shape.opt('color', '#9a968e')), np.float32)
    cv.blend(box, a, base * (1.05 - 0.55 * depth - 0.3 * step)[..., None])
    _jambs(cv, shape, hexrgb(shape.opt('frame', '#5a5e66')), 8)
    col = _glow_col(shape, pal)
    _chevrons(cv, x + w / 2, y + h / 2, face, min(w, h) * 0.45, col, 2, 0.75)
    _label(cv, shape, pal)


def gate(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (74, 74, 76), None, edge=0, noise=0.1)
    box, a = raster(cv, shape)
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    cv.blend(box, a * ((ys - y) % 10 < 2) * 0.4, (30, 30, 30))
    _jambs(cv, shape, (180, 60, 40), 12)
    bar = rect(x, y + h * 0.5 - 3, w, 6)
    block(cv, bar, (230, 230, 220), (3, 4, 2, 0.4), edge=1)
    bbox, ba = raster(cv, bar)
    bx0, by0, bx1, by1 = bbox
    bxs = np.mgrid[by0:by1, bx0:bx1][1]
    cv.blend(bbox, ba * ((bxs % 16) < 8), (200, 40, 30))
    glow(cv, x + w / 2, y + h * 0.2, w * 0.55, _glow_col(shape, pal), 0.35)
    _chevrons(cv, x + w / 2, y + h * 0.25, shape.opt('face', 's'), min(w, h) * 0.35,
              _glow_col(shape, pal), 1)
    _label(cv, shape, pal)


def item(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    col = _glow_col(shape, pal)
    glow(cv, cx, cy, r * 1.8, col, 0.55)
    box, a = raster(cv, shape)
    d = radial(box, cx, cy, r)
    cv.blend(box, a * np.clip(0.7 - 0.5 * d, 0, 1), col)
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1) * 0.8, np.minimum(col * 1.2 + 30, 255))
    thing = shape.opt('item', 'key')
    if thing == 'key':
        gold = (236, 196, 60)
        dome(cv, cx - r * 0.3, cy, r * 0.28, gold, shine=0.5)
        dome(cv, cx - r * 0.3, cy, r * 0.12, (60, 50, 30), shadow=False, shine=0)
        block(cv, rect(cx - r * 0.1, cy - 2, r * 0.6, 4), gold, (2, 3, 1, 0.5), edge=1)
        block(cv, rect(cx + r * 0.3, cy + 1, 3, 5), gold, None, edge=1)
        block(cv, rect(cx + r * 0.42, cy + 1, 3, 4), gold, None, edge=1)
    else:
        block(cv, rect(cx - r * 0.45, cy - r * 0.3, r * 0.9, r * 0.6), (230, 236, 240),
              (2, 3, 1, 0.5), edge=1, noise=0.02)
        block(cv, rect(cx - r * 0.45, cy - r * 0.18, r * 0.9, r * 0.14), (40, 40, 50), None, edge=0)
        block(cv, rect(cx - r * 0.3, cy + r * 0.02, r * 0.25, r * 0.18), (220, 180, 60), None, edge=0)
    _label(cv, shape, pal)


def button(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    col = _glow_col(shape, pal)
    _pad(cv, shape, col, 0.4)
    face = shape.opt('face', 'n')
    px, py = {'n': (x + w / 2 - 18, y - 22), 's': (x + w / 2 - 18, y + h + 2),
              'w': (x - 22, y + h / 2 - 18), 'e': (x + w + 2, y + h / 2 - 18)}[face]
    pw, ph = (36, 20) if face in 'ns' else (20, 36)
    block(cv, rect(px, py, pw, ph), (180, 184, 190), (3, 4, 2, 0.5), edge=2)
    dome(cv, px + pw / 2, py + ph / 2, 6, (220, 30, 30), shadow=True, shine=0.6)
    glow(cv, px + pw / 2, py + ph / 2, 14, (255, 60, 40), 0.3)
    _chevrons(cv, x + w / 2, y + h / 2, face, min(w, h) * 0.5, np.minimum(col * 1.3, 255), 1)
    _label(cv, shape, pal)


def hatch(cv, shape, pal, rnd):
    """The hidden lab entrance: a steel sliding panel, faint light in its seam."""
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (120, 126, 134), None, edge=2, noise=0.06)
    face = shape.opt('face', 'n')
    seam = rect(x + w / 2 - 1, y, 2, h) if face in 'ns' else rect(x, y + h / 2 - 1, w, 2)
    block(cv, seam, hexrgb(shape.opt('glow', '#60d0ff')), None, edge=0, noise=0)
    glow(cv, x + w / 2, y + h / 2, max(w, h) * 0.6, _glow_col(shape, pal), 0.25)
    _jambs(cv, shape, (70, 74, 82), 8)
    _chevrons(cv, x + w / 2, y + h / 2, face, min(w, h) * 0.4, _glow_col(shape, pal), 1, 0.45)
    _label(cv, shape, pal)


LOOKS = {'door': door, 'stairs': stairs, 'gate': gate, 'item': item, 'button': button,
         'hatch': hatch}


def trigger(cv, shape, pal, rnd):
    look = shape.opt('look', 'door')
    if look not in LOOKS:
        raise KeyError(f'line {shape.line}: unknown trigger look {look!r}')
    LOOKS[look](cv, shape, pal, rnd)
