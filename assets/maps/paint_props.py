"""Painters for furniture and household things (hut, offices, lab rooms)."""
import numpy as np

from canvas import raster, erode
from primitives import rect, circle, block, dome, glow
from textures import fbm, hexrgb

BOOK_COLOURS = [(140, 40, 36), (40, 70, 120), (50, 100, 60), (170, 140, 60), (90, 60, 110),
                (190, 180, 160), (120, 80, 50)]


def _rect_of(shape):
    (ax, ay), (bx, by) = shape.points
    return ax, ay, bx - ax, by - ay


def _col(shape, default):
    return np.asarray(hexrgb(shape.opt('color', default)), np.float32)


def _chair(cv, cx, cy, r, col=(52, 54, 60)):
    dome(cv, cx, cy, r, col, shine=0.15)
    dome(cv, cx, cy, r * 0.62, np.asarray(col) * 1.3, shadow=False, shine=0.1)


def desk(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    chair = shape.opt('chair', 's')
    top_h = h * 0.62 if chair in ('s', 'n') else h
    ty = y + h - top_h if chair == 'n' else y
    if chair == 's':
        _chair(cv, x + w / 2, y + h - 0.19 * h, min(w, h) * 0.17)
    elif chair == 'n':
        _chair(cv, x + w / 2, y + 0.19 * h, min(w, h) * 0.17)
    block(cv, rect(x, ty, w, top_h), _col(shape, '#8a6a48'), (5, 6, 3, 0.45), edge=2,
          seed=shape.index)
    mx = x + w * rnd.uniform(0.3, 0.5)
    block(cv, rect(mx, ty + 4, w * 0.26, 6), (30, 32, 36), (2, 3, 1, 0.4), edge=1)
    block(cv, rect(mx + 2, ty + 5, w * 0.26 - 4, 3), (90, 150, 200), None, edge=0, noise=0.2)
    block(cv, rect(mx, ty + 14, w * 0.24, 6), (200, 200, 196), None, edge=1)
    for _ in range(2):
        px = x + rnd.uniform(4, w * 0.25)
        block(cv, rect(px, ty + rnd.uniform(4, top_h - 16), 10, 12), (236, 234, 226),
              (1, 1, 1, 0.3), edge=0, noise=0.02)


def table(cv, shape, pal, rnd):
    col = _col(shape, '#9a7650')
    chairs = int(shape.num('chairs', 4))
    if shape.kind == 'circle':
        (cx, cy), r = shape.points[0], shape.radius
        for k in range(chairs):
            a = k * 2 * np.pi / max(1, chairs) + 0.4
            _chair(cv, cx + np.cos(a) * r * 0.78, cy + np.sin(a) * r * 0.78, r * 0.22)
        dome(cv, cx, cy, r * 0.62, col, shine=0.12)
        dome(cv, cx + r * 0.1, cy, r * 0.12, (230, 230, 226), shadow=False, shine=0.3)
        return
    x, y, w, h = _rect_of(shape)
    top = shape
    if chairs and min(w, h) >= 50:   # chairs along the long sides, inside the footprint
        horizontal = w >= h
        n = max(1, chairs // 2)
        for i in range(n):
            t = (i + 0.5) / n
            if horizontal:
                for cy in (y + 8, y + h - 8):
                    _chair(cv, x + 12 + t * (w - 24), cy, 8)
            else:
                for cx in (x + 8, x + w - 8):
                    _chair(cv, cx, y + 12 + t * (h - 24), 8)
        top = rect(x, y + 14, w, h - 28) if horizontal else rect(x + 14, y, w - 28, h)
    block(cv, top, col, (5, 6, 3, 0.45), edge=2, seed=shape.index)
    box, a = raster(cv, top)
    x0, y0, x1, y1 = box
    grain_lines = fbm(y1 - y0, x1 - x0, 4, shape.index, 2) * 0.2 + 0.9
    cv.shade(box, 1.0 + (grain_lines - 1.0) * erode(a, 2))


def workbench(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, _col(shape, '#7c5a3c'), (5, 6, 3, 0.45), edge=2, seed=shape.index)
    block(cv, rect(x + 10, y + 8, w * 0.3, 8), (150, 150, 156), (2, 2, 1, 0.4), edge=1)
    block(cv, rect(x + w * 0.5, y + h * 0.45, 26, 6), (120, 80, 50), (2, 2, 1, 0.4), edge=1)
    block(cv, rect(x + w * 0.5 + 26, y + h * 0.45 - 2, 8, 10), (90, 90, 96), None, edge=1)
    dome(cv, x + w - 22, y + h / 2, 8, (170, 60, 40), shine=0.3)
    for _ in range(4):
        block(cv, rect(x + rnd.uniform(8, w - 16), y + rnd.uniform(h * 0.6, h - 8), 4, 3),
              (190, 190, 196), None, edge=0)


def shelf(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, _col(shape, '#6a4a30'), (5, 6, 3, 0.5), edge=2)
    horizontal = w >= h
    pos = 4.0
    end = (w if horizontal else h) - 4
    while pos < end - 3:
        bw = rnd.uniform(3, 7)
        c = BOOK_COLOURS[rnd.integers(len(BOOK_COLOURS))]
        part = rect(x + pos, y + 4, bw - 1, h - 8) if horizontal else rect(x + 4, y + pos, w - 8, bw - 1)
        block(cv, part, c, None, edge=1, noise=0.05)
        pos += bw


def bed(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (90, 64, 44), (6, 7, 3, 0.5), edge=2)
    block(cv, rect(x + 3, y + 3, w - 6, h - 6), (220, 216, 204), None, edge=2)
    block(cv, rect(x + 6, y + 6, w - 12, min(22, h * 0.22)), (240, 238, 230), (1, 2, 2, 0.3), edge=2)
    block(cv, rect(x + 3, y + h * 0.38, w - 6, h * 0.62 - 3), _col(shape, '#6e3a34'),
          (0, -2, 2, 0.35), edge=2, noise=0.15, seed=shape.index)


def sofa(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    col = _col(shape, '#5a4a72')
    block(cv, shape, col * 0.8, (6, 7, 3, 0.5), edge=2)
    block(cv, rect(x + 8, y + 8, w - 16, h - 10), col, None, edge=2, noise=0.1)
    n = max(1, int((w - 16) // 40))
    for i in range(1, n):
        block(cv, rect(x + 8 + i * (w - 16) / n - 1, y + 10, 2, h - 14), col * 0.7, None, edge=0)


def cabinet(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, _col(shape, '#8c949a'), (5, 6, 3, 0.5), edge=2, noise=0.05)
    horizontal = w >= h
    n = max(1, int((w if horizontal else h) // 26))
    for i in range(1, n):
        if horizontal:
            block(cv, rect(x + i * w / n - 1, y + 2, 2, h - 4), (50, 54, 58), None, edge=0)
        else:
            block(cv, rect(x + 2, y + i * h / n - 1, w - 4, 2), (50, 54, 58), None, edge=0)


def plant(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    dome(cv, cx, cy, r * 0.7, (150, 86, 56), shine=0.1)
    for i in range(7):
        a = i * 0.9 + rnd.uniform(0, 0.5)
        dome(cv, cx + np.cos(a) * r * 0.45, cy + np.sin(a) * r * 0.45, r * 0.45,
             (60 + 10 * (i % 3), 120, 56), shadow=False, shine=0.1, seed=i)
    dome(cv, cx, cy, r * 0.4, (80, 140, 64), shadow=False, shine=0.2)


def crate(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    col = _col(shape, '#9a7446')
    block(cv, shape, col, (6, 7, 3, 0.5), edge=2, noise=0.15, seed=shape.index)
    block(cv, rect(x + 4, y + 4, w - 8, h - 8), col * 0.85, None, edge=1, noise=0.15)
    for t in (0.33, 0.66):
        block(cv, rect(x + 4, y + h * t - 1, w - 8, 3), col * 1.1, None, edge=1)


def barrel(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    col = _col(shape, '#3c6a8a')
    dome(cv, cx, cy, r, col, shine=0.25)
    for k in (0.8, 0.5):
        box, a = raster(cv, circle(cx, cy, r * k))
        cv.blend(box, np.clip(a - erode(a, 1), 0, 1) * 0.7, col * 0.6)
    dome(cv, cx + r * 0.35, cy - r * 0.3, r * 0.14, (40, 40, 40), shadow=False, shine=0)


def stove(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (48, 46, 46), (6, 7, 3, 0.5), edge=2)
    for i in range(2):
        cx = x + w * (0.3 + 0.4 * i)
        dome(cv, cx, y + h * 0.45, min(w, h) * 0.16, (30, 28, 28), shadow=False, shine=0.2)
    glow(cv, x + w / 2, y + h * 0.85, min(w, h) * 0.4, (255, 120, 40), 0.5)


def counter(cv, shape, pal, rnd):
    block(cv, shape, _col(shape, '#c8c4bc'), (6, 7, 3, 0.45), edge=3, noise=0.06)
    box, a = raster(cv, shape)
    if box is not None:
        cv.blend(box, np.clip(erode(a, 4) - erode(a, 6), 0, 1) * 0.4, (90, 90, 96))


PAINTERS = {
    'desk': desk, 'table': table, 'shelf': shelf, 'bed': bed, 'sofa': sofa,
    'cabinet': cabinet, 'locker': cabinet, 'plant': plant, 'crate': crate,
    'barrel': barrel, 'stove': stove, 'counter': counter, 'workbench': workbench,
}
