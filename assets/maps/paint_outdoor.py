"""Painters for things found outdoors: trees, bushes, cars, benches, lamps, towers."""
import numpy as np

from canvas import raster, erode
from primitives import rect, circle, block, dome, radial, soft_blob, glow
from textures import fbm, hexrgb

GREENS = [(58, 104, 46), (70, 116, 50), (50, 92, 52), (84, 120, 48), (62, 110, 64)]
CAR_COLOURS = [(170, 36, 32), (40, 70, 140), (220, 220, 214), (40, 40, 44), (200, 170, 40),
               (90, 110, 120), (30, 110, 80), (140, 140, 146)]


def _crown(cv, cx, cy, r, rgb, seed, lumpy=1.0):
    box, _ = raster(cv, circle(cx, cy, r * 1.15), pad=2)
    if box is None:
        return None, None
    x0, y0, x1, y1 = box
    d = radial(box, cx, cy, r)
    n = fbm(y1 - y0, x1 - x0, max(3.0, r / 3.5), seed, 3)
    edge = np.clip((1.0 - d) * r / 3.0 + (n - 0.5) * 2.5 * lumpy, 0, 1)
    light = 1.2 - 0.65 * np.clip(radial(box, cx - r * 0.35, cy - r * 0.4, r * 1.7), 0, 1)
    leaves = fbm(y1 - y0, x1 - x0, 3.5, seed + 1, 2)
    col = np.asarray(rgb, np.float32) * (light * (0.72 + 0.56 * leaves))[..., None]
    cv.blend(box, edge, col)
    return box, edge


def tree(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    kind = shape.opt('kind', 'round')
    soft_blob(cv, circle(cx + r * 0.45, cy + r * 0.55, r * 0.95), (0, 0, 0), 0.5, max(2, int(r * 0.2)))
    base = GREENS[rnd.integers(len(GREENS))]
    if kind == 'autumn':
        base = [(176, 96, 40), (190, 140, 50), (150, 70, 36)][rnd.integers(3)]
    if kind == 'pine':
        base = (40, 78, 50)
    seed = shape.index * 13 + 5
    _crown(cv, cx, cy, r, base, seed, 1.4 if kind == 'pine' else 1.0)
    for i in range(3):   # a few brighter lobes on the lit side
        ang = rnd.uniform(2.6, 4.4)
        _crown(cv, cx + np.cos(ang) * r * 0.35, cy + np.sin(ang) * r * 0.35, r * 0.5,
               np.minimum(np.asarray(base) * 1.2, 255), seed + 10 + i)


def bush(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    soft_blob(cv, circle(cx + r * 0.3, cy + r * 0.4, r), (0, 0, 0), 0.4, max(2, int(r * 0.2)))
    col = hexrgb(shape.opt('color')) if 'color' in shape.opts else GREENS[rnd.integers(5)]
    _crown(cv, cx, cy, r, col, shape.index * 7 + 3, 1.3)
    if shape.opt('flowers', 'no') != 'no':
        for _ in range(int(r)):
            a, d = rnd.uniform(0, 6.3), rnd.uniform(0, r * 0.8)
            dome(cv, cx + np.cos(a) * d, cy + np.sin(a) * d, 1.8, hexrgb(shape.opt('flowers')),
                 shadow=False, shine=0.3)


def car(cv, shape, pal, rnd):
    (ax, ay), (bx, by) = shape.points
    w, h = bx - ax, by - ay
    col = np.asarray(hexrgb(shape.opt('color')) if 'color' in shape.opts
                     else CAR_COLOURS[rnd.integers(len(CAR_COLOURS))], np.float32)
    block(cv, shape, col, (6, 7, 3, 0.55), edge=2, noise=0.04, seed=shape.index)
    box, a = raster(cv, shape)
    if box is None:
        return
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1) * 0.6, (20, 20, 22))
    horizontal = w >= h
    length = w if horizontal else h
    glass = (40, 52, 66)

    def seg(t0, t1, inset):
        if horizontal:
            return rect(ax + length * t0, ay + inset, length * (t1 - t0), h - 2 * inset)
        return rect(ax + inset, ay + length * t0, w - 2 * inset, length * (t1 - t0))
    front = shape.opt('front', 'e' if horizontal else 's')
    flip = front in ('w', 'n')
    parts = [(0.22, 0.36, 3, glass), (0.36, 0.72, 4, col * 1.12), (0.72, 0.82, 3, glass)]
    for t0, t1, inset, c in parts:
        if flip:
            t0, t1 = 1 - t1, 1 - t0
        block(cv, seg(t0, t1, inset), c, None, edge=1, noise=0.02)
    lamp_t = 0.02 if flip else 0.92
    block(cv, seg(lamp_t, lamp_t + 0.06, 2), (250, 240, 200), None, edge=0, noise=0)


def bench(cv, shape, pal, rnd):
    box, a = block(cv, shape, (70, 60, 54), (4, 5, 2, 0.45), edge=1)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    (ax, ay), (bx, by) = shape.points
    along = ys if (bx - ax) >= (by - ay) else xs
    slats = erode(a, 2) * ((along % 5) < 3)
    cv.blend(box, slats, (150, 106, 66))


def lamp(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    glow(cv, cx, cy, r * 9, (255, 236, 170), 0.28)
    dome(cv, cx, cy, r, (64, 66, 70), shine=0.4)
    dome(cv, cx, cy, r * 0.5, (255, 244, 200), shadow=False, shine=0.6)


def tower(cv, shape, pal, rnd):
    """Cooling tower seen from above: a concrete ring around a dark throat."""
    (cx, cy), r = shape.points[0], shape.radius
    dome(cv, cx, cy, r, (170, 166, 156), seed=shape.index, shine=0.15)
    box, a = raster(cv, circle(cx, cy, r * 0.78))
    d = radial(box, cx + r * 0.08, cy + r * 0.1, r * 0.78)
    cv.blend(box, a, np.asarray((40, 40, 42), np.float32) * (0.6 + 0.5 * d)[..., None])
    x0, y0, x1, y1 = box
    steam = fbm(y1 - y0, x1 - x0, r / 4, shape.index + 4, 3)
    cv.blend(box, a * np.clip((steam - 0.4) * 1.6, 0, 0.8), (236, 236, 232))


def chimney(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    dome(cv, cx, cy, r, (150, 70, 56), shine=0.1)
    for k, c in ((0.72, (230, 230, 225)), (0.62, (170, 60, 50)), (0.5, (30, 28, 28))):
        box, a = raster(cv, circle(cx, cy, r * k))
        cv.blend(box, a, c)


def container(cv, shape, pal, rnd):
    col = np.asarray(hexrgb(shape.opt('color')) if 'color' in shape.opts
                     else [(150, 60, 40), (40, 90, 130), (60, 110, 70), (170, 130, 40)][rnd.integers(4)],
                     np.float32)
    box, a = block(cv, shape, col, (7, 9, 3, 0.5), edge=2)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    (ax, ay), (bx, by) = shape.points
    along = xs if (bx - ax) >= (by - ay) else ys
    cv.shade(box, 1.0 - 0.22 * erode(a, 3) * ((along % 7) < 2))


PAINTERS = {
    'tree': tree, 'bush': bush, 'car': car, 'bench': bench, 'lamp': lamp,
    'tower': tower, 'chimney': chimney, 'container': container,
}
