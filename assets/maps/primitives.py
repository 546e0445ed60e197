"""Small reusable drawing pieces: bevelled blocks, discs, glows and gradients."""
import numpy as np

from canvas import raster, drop_shadow, bevel, erode, blur
from mapfile import Shape
from textures import fbm


def rect(x, y, w, h, role='part'):
    return Shape('rect', role, [(x, y), (x + w, y + h)])


def circle(cx, cy, r, role='part'):
    return Shape('circle', role, [(cx, cy)], radius=r)


def poly(points, role='part'):
    return Shape('poly', role, list(points))


def line(points, width, role='part'):
    return Shape('line', role, list(points), opts={'w': width})


def block(cv, shape, rgb, shadow=(5, 6, 3, 0.45), edge=2, noise=0.08, seed=0,
          light=1.25, dark=0.6):
    """A solid piece: shadow on what lies below, noisy fill, bevelled rim."""
    if shadow:
        dx, dy, soft, strength = shadow
        drop_shadow(cv, shape, dx, dy, soft, strength)
    box, a = raster(cv, shape)
    if box is None:
        return None, None
    x0, y0, x1, y1 = box
    shade = 1.0 + noise * (fbm(y1 - y0, x1 - x0, 12, seed + 17, 3) - 0.5) * 2
    cv.blend(box, a, np.asarray(rgb, np.float32) * shade[..., None])
    if edge:
        bevel(cv, box, a, edge, light, dark)
    return box, a


def radial(box, cx, cy, r):
    """Distance from (cx, cy) divided by r over a box, for domes and glows."""
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    return np.hypot(xs + 0.5 - cx, ys + 0.5 - cy) / max(r, 1e-3)


def dome(cv, cx, cy, r, rgb, shadow=True, seed=0, shine=0.5):
    """A round top lit from the north-west (tank lids, tree crowns, lamps)."""
    shape = circle(cx, cy, r)
    if shadow:
        drop_shadow(cv, shape, r * 0.25 + 3, r * 0.3 + 4, max(2, r * 0.12), 0.5)
    box, a = raster(cv, shape)
    if box is None:
        return None, None
    d = radial(box, cx - r * 0.35, cy - r * 0.4, r * 1.5)
    light = 1.25 - 0.75 * np.clip(d, 0, 1) ** 1.4
    spec = np.clip(1.0 - radial(box, cx - r * 0.4, cy - r * 0.45, r * 0.35), 0, 1) * shine
    x0, y0, x1, y1 = box
    n = 1.0 + 0.06 * (fbm(y1 - y0, x1 - x0, 8, seed, 2) - 0.5)
    col = np.asarray(rgb, np.float32) * (light * n)[..., None]
    cv.blend(box, a, col)
    cv.blend(box, a * spec, (255, 255, 255))
    return box, a


def glow(cv, cx, cy, r, rgb, strength=0.6):
    """Additive-looking soft light pool on the ground."""
    shape = circle(cx, cy, r)
    box, _ = raster(cv, shape, pad=2)
    if box is None:
        return
    t = np.clip(1.0 - radial(box, cx, cy, r), 0, 1) ** 2 * strength
    cv.blend(box, t, rgb)


def ring(cv, shape, width, rgb, alpha=1.0):
    box, a = raster(cv, shape)
    if box is not None:
        cv.blend(box, np.clip(a - erode(a, width), 0, 1) * alpha, rgb)


def soft_blob(cv, shape, rgb, alpha=0.5, soft=4):
    box, a = raster(cv, shape, pad=soft * 3)
    if box is not None:
        cv.blend(box, blur(a, soft) * alpha, rgb)


def vgradient(box, top, bottom):
    x0, y0, x1, y1 = box
    t = np.linspace(0, 1, y1 - y0, dtype=np.float32)[:, None]
    return np.repeat(top + (bottom - top) * t, x1 - x0, axis=1)
