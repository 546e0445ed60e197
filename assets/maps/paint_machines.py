"""Painters for machinery: machines, turbines, tanks, consoles, pipes, racks."""
import numpy as np

from canvas import raster, erode, drop_shadow, bevel
from primitives import rect, circle, block, dome, glow, radial
from textures import fbm, hexrgb

LIGHTS = [(60, 230, 90), (240, 60, 40), (250, 200, 50), (70, 160, 255)]


def _rect_of(shape):
    (ax, ay), (bx, by) = shape.points
    return ax, ay, bx - ax, by - ay


def _col(shape, default):
    return np.asarray(hexrgb(shape.opt('color', default)), np.float32)


def _leds(cv, x, y, w, rnd, n=5):
    for i in range(n):
        dome(cv, x + (i + 0.5) * w / n, y, 2.2, LIGHTS[rnd.integers(len(LIGHTS))],
             shadow=False, shine=0.6)


def machine(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    col = _col(shape, '#6f7c84')
    block(cv, shape, col, (8, 10, 4, 0.55), edge=3, noise=0.1, seed=shape.index)
    block(cv, rect(x + 6, y + 6, w - 12, h * 0.45), col * 0.8, None, edge=2, noise=0.05)
    box, a = raster(cv, rect(x + 10, y + h * 0.58, w - 20, h * 0.3))
    if box is not None:
        x0, y0, x1, y1 = box
        ys, xs = np.mgrid[y0:y1, x0:x1]
        cv.shade(box, 1.0 - 0.4 * a * ((ys % 6) < 2))   # cooling slots
    _leds(cv, x + 10, y + 12, min(w - 20, 60), rnd)
    if w > 50 and h > 50:
        dome(cv, x + w - 18, y + h * 0.3, 8, (220, 220, 210), shadow=False, shine=0.4)
        block(cv, rect(x + w - 19, y + h * 0.3 - 6, 2, 7), (200, 40, 30), None, edge=0)


def turbine(cv, shape, pal, rnd):
    """A horizontal or vertical turbine casing with a cylindrical sheen."""
    x, y, w, h = _rect_of(shape)
    horizontal = w >= h
    col = _col(shape, '#8a949a')
    drop_shadow(cv, shape, 10, 12, 5, 0.55)
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    across = (ys - y) / h if horizontal else (xs - x) / w
    along = xs - x if horizontal else ys - y
    sheen = 0.55 + 0.75 * np.maximum(np.sin(np.clip(across, 0, 1) * np.pi), 0) ** 0.7 - 0.25 * across
    rings = 1.0 - 0.25 * ((along % 38) < 3)
    n = 0.95 + 0.1 * fbm(y1 - y0, x1 - x0, 20, shape.index, 2)
    cv.blend(box, a, col * (sheen * rings * n)[..., None])
    hub = (x + w - h * 0.45, y + h / 2) if horizontal else (x + w / 2, y + h - w * 0.45)
    dome(cv, hub[0], hub[1], min(w, h) * 0.32, col * 0.7, shadow=False, shine=0.5)
    for k in range(8):
        t = k * np.pi / 4
        r = min(w, h) * 0.28
        block(cv, rect(hub[0] + np.cos(t) * r - 1.5, hub[1] + np.sin(t) * r - 1.5, 3, 3),
              (40, 40, 44), None, edge=0)
    stripe = rect(x + w * 0.1, y + 3, w * 0.12, h - 6) if horizontal else rect(x + 3, y + h * 0.1, w - 6, h * 0.12)
    block(cv, stripe, (220, 170, 40), None, edge=1, noise=0.1)


def tank(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    kind = shape.opt('kind', 'steel')
    if kind == 'glass':
        liquid = _col(shape, '#50e08c')
        glow(cv, cx, cy, r * 1.7, liquid, 0.35)
        dome(cv, cx, cy, r, (90, 100, 110), shine=0.1)
        box, a = raster(cv, circle(cx, cy, r * 0.82))
        d = radial(box, cx, cy, r * 0.82)
        x0, y0, x1, y1 = box
        bubbles = fbm(y1 - y0, x1 - x0, 3, shape.index, 2)
        cv.blend(box, a, liquid * (1.1 - 0.5 * d + 0.3 * (bubbles - 0.5))[..., None])
        dome(cv, cx + r * 0.05, cy + r * 0.1, r * 0.32, (60, 70, 60), shadow=False, shine=0.1)
        cv.blend(box, a * np.clip(1 - radial(box, cx - r * 0.4, cy - r * 0.45, r * 0.3), 0, 1),
                 (255, 255, 255))
        return
    col = _col(shape, '#9aa2a6')
    dome(cv, cx, cy, r, col, seed=shape.index, shine=0.35)
    box, a = raster(cv, circle(cx, cy, r * 0.86))
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1) * 0.5, col * 0.5)
    for k in range(12):
        t = k * np.pi / 6
        dome(cv, cx + np.cos(t) * r * 0.93, cy + np.sin(t) * r * 0.93, 1.6, col * 0.5,
             shadow=False, shine=0)
    if r > 25:
        dome(cv, cx - r * 0.2, cy + r * 0.2, r * 0.18, (200, 170, 40), shadow=False, shine=0.3)


def console(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    col = _col(shape, '#3a4450')
    block(cv, shape, col, (6, 8, 3, 0.5), edge=2)
    screen = np.asarray(hexrgb(shape.opt('screen', '#46c8f0')), np.float32)
    n = max(1, int(w // 46)) if w >= h else max(1, int(h // 46))
    for i in range(n):
        if w >= h:
            sx, sy, sw, sh = x + 6 + i * (w - 12) / n, y + 5, (w - 12) / n - 6, h * 0.42
        else:
            sx, sy, sw, sh = x + 5, y + 6 + i * (h - 12) / n, w * 0.42, (h - 12) / n - 6
        glow(cv, sx + sw / 2, sy + sh / 2, max(sw, sh) * 0.9, screen, 0.25)
        block(cv, rect(sx, sy, sw, sh), screen * 0.55, None, edge=1, noise=0.3, seed=i)
        box, a = raster(cv, rect(sx + 2, sy + 2, sw - 4, sh - 4))
        if box is not None:
            x0, y0, x1, y1 = box
            ys, xs = np.mgrid[y0:y1, x0:x1]
            cv.blend(box, a * ((ys % 4) < 1) * 0.6, np.minimum(screen * 1.4, 255))
    if w >= h:
        _leds(cv, x + 8, y + h * 0.75, w - 16, rnd, max(3, int(w // 14)))
    else:
        _leds(cv, x + w * 0.62, y + 8, 6, rnd, 1)


def pipe(cv, shape, pal, rnd):
    col = _col(shape, '#8c8478')
    drop_shadow(cv, shape, 6, 8, 3, 0.45)
    box, a = raster(cv, shape)
    if box is None:
        return
    core = erode(a, max(1, int(shape.num('w') * 0.25)))
    inner = erode(a, max(1, int(shape.num('w') * 0.42)))
    shade = 0.6 + 0.35 * a + 0.25 * core + 0.2 * inner
    cv.blend(box, a, col * shade[..., None])
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    flange = (((xs + ys) % 70) < 4).astype(np.float32)
    cv.shade(box, 1.0 - 0.3 * a * flange)


def rack(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (36, 38, 44), (6, 7, 3, 0.5), edge=2)
    horizontal = w >= h
    n = int((w if horizontal else h) // 10)
    for i in range(n):
        px, py = (x + 5 + i * 10, y + h / 2) if horizontal else (x + w / 2, y + 5 + i * 10)
        dome(cv, px, py, 1.6, LIGHTS[rnd.integers(len(LIGHTS))], shadow=False, shine=0.5)


def transformer(cv, shape, pal, rnd):
    x, y, w, h = _rect_of(shape)
    block(cv, shape, (96, 104, 96), (8, 10, 4, 0.55), edge=3)
    box, a = raster(cv, rect(x + 6, y + 6, w - 12, h - 12))
    if box is not None:
        x0, y0, x1, y1 = box
        ys, xs = np.mgrid[y0:y1, x0:x1]
        cv.shade(box, 1.0 - 0.35 * a * ((xs % 8) < 3))
        bevel(cv, box, a, 1, 1.2, 0.8)
    for i in range(3):
        dome(cv, x + w * (0.25 + 0.25 * i), y + 10, 5, (200, 120, 60), shadow=True, shine=0.4)


PAINTERS = {
    'machine': machine, 'turbine': turbine, 'tank': tank, 'console': console,
    'pipe': pipe, 'rack': rack, 'transformer': transformer, 'generator': machine,
}
