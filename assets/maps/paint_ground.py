"""Painters for open ground: roads, pavements, lawns, floors and floor markings."""
import numpy as np

from canvas import raster, erode, blur
from textures import fbm, hexrgb

GROUND_MATERIAL = {
    'road': 'asphalt', 'junction': 'asphalt', 'parking': 'asphalt', 'crossing': 'asphalt',
    'pavement': 'pavement', 'plaza': 'plaza', 'grass': 'grass', 'dirt': 'dirt',
    'carpet': 'carpet', 'tiles': 'tiles', 'metalfloor': 'metal', 'concrete': 'concrete',
    'planks': 'planks',
}


def fill_material(cv, shape, name, pad=0):
    box, a = raster(cv, shape, pad=pad)
    if box is not None:
        cv.blend(box, a, cv.material(name, box))
    return box, a


def _lines_along(cv, shape, box, a, horizontal, offsets, width, rgb, dash=None, alpha=0.85):
    """Painted lines parallel to the long axis of a rect, at offsets from its centre."""
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1].astype(np.float32)
    (ax, ay), (bx, by) = shape.points
    across = ys - (ay + by) / 2 if horizontal else xs - (ax + bx) / 2
    along = xs if horizontal else ys
    paint = np.zeros(a.shape, np.float32)
    for off in offsets:
        paint = np.maximum(paint, np.clip(width / 2 + 0.5 - np.abs(across - off), 0, 1))
    if dash:
        on, off_len = dash
        paint *= ((along % (on + off_len)) < on)
    wear = 0.65 + 0.35 * fbm(y1 - y0, x1 - x0, 30, shape.index + 7, 2)
    cv.blend(box, paint * a * alpha * wear, rgb)


def road(cv, shape, pal, rnd):
    box, a = fill_material(cv, shape, 'asphalt')
    if box is None or shape.kind != 'rect':
        return
    (ax, ay), (bx, by) = shape.points
    horizontal = (bx - ax) >= (by - ay)
    half = ((by - ay) if horizontal else (bx - ax)) / 2
    kerb = np.clip(a - erode(a, 3), 0, 1)
    cv.blend(box, kerb, (176, 172, 164))
    cv.shade(box, 1.0 - 0.35 * np.clip(erode(a, 3) - erode(a, 7), 0, 1))
    if shape.opt('marks', 'yes') == 'none':
        return
    _lines_along(cv, shape, box, a, horizontal, [0], 3, (230, 196, 60), dash=(34, 22))
    _lines_along(cv, shape, box, a, horizontal, [-(half - 10), half - 10], 2, (222, 222, 214))


def crossing(cv, shape, pal, rnd):
    box, a = fill_material(cv, shape, 'asphalt')
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    along = xs if shape.opt('dir', 'x') == 'x' else ys
    stripes = ((along % 16) < 9).astype(np.float32)
    wear = 0.7 + 0.3 * fbm(y1 - y0, x1 - x0, 20, shape.index, 2)
    cv.blend(box, erode(a, 4) * stripes * 0.9 * wear, (226, 226, 220))


def parking(cv, shape, pal, rnd):
    box, a = fill_material(cv, shape, 'asphalt')
    if box is None:
        return
    x0, y0, x1, y1 = box
    pitch = shape.num('pitch', 44)
    ys, xs = np.mgrid[y0:y1, x0:x1]
    (ax, ay), (bx, by) = shape.points
    along = xs - ax if shape.opt('stalls', 'x') == 'x' else ys - ay
    line = (np.abs((along + 1) % pitch - 1) < 1.5).astype(np.float32)
    cv.blend(box, erode(a, 6) * line * 0.85, (220, 220, 210))
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1) * 0.8, (210, 210, 200))


def plain(cv, shape, pal, rnd):
    name = shape.opt('mat', GROUND_MATERIAL.get(shape.base_role) or pal.get('floor', 'concrete'))
    box, a = fill_material(cv, shape, name)
    if box is None:
        return
    if 'color' in shape.opts:
        cv.blend(box, a * 0.35, hexrgb(shape.opt('color')))
    if shape.base_role == 'grass':   # soft dark lawn edge
        cv.shade(box, 1.0 - 0.25 * np.clip(a - erode(a, 3), 0, 1))


def rug(cv, shape, pal, rnd):
    base = hexrgb(shape.opt('color', '#7a2c2c'))
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    weave = 0.85 + 0.2 * fbm(y1 - y0, x1 - x0, 3, shape.index, 2)
    cv.blend(box, a, np.asarray(base, np.float32) * weave[..., None])
    for inset, rgb in ((5, (210, 180, 110)), (9, base), (16, (220, 196, 130)), (19, base)):
        ring = erode(a, inset)
        cv.blend(box, ring, np.asarray(rgb, np.float32) * weave[..., None])
    ys, xs = np.mgrid[y0:y1, x0:x1]
    pattern = ((xs + ys) % 24 < 3) | ((xs - ys) % 24 < 3)
    cv.blend(box, erode(a, 22) * pattern * 0.35, (230, 200, 140))


def hazard(cv, shape, pal, rnd):
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    stripe = ((xs + ys) % 24) < 12
    col = np.where(stripe[..., None], np.float32((226, 180, 30)), np.float32((32, 30, 28)))
    wear = 0.75 + 0.25 * fbm(y1 - y0, x1 - x0, 14, shape.index, 2)
    cv.blend(box, a * 0.9, col * wear[..., None])


def marking(cv, shape, pal, rnd):
    box, a = raster(cv, shape)
    if box is not None:
        x0, y0, x1, y1 = box
        wear = 0.6 + 0.4 * fbm(y1 - y0, x1 - x0, 18, shape.index, 2)
        cv.blend(box, a * wear * 0.9, hexrgb(shape.opt('color', '#e8e4d8')))


def stain(cv, shape, pal, rnd):
    box, a = raster(cv, shape, pad=4)
    if box is None:
        return
    x0, y0, x1, y1 = box
    n = fbm(y1 - y0, x1 - x0, 14, shape.index + 3, 3)
    blob = blur(a, 3) * np.clip((n - 0.35) * 3, 0, 1)
    cv.shade(box, 1.0 - shape.num('depth', 0.3) * blob)


def manhole(cv, shape, pal, rnd):
    box, a = raster(cv, shape)
    if box is None:
        return
    x0, y0, x1, y1 = box
    ys, xs = np.mgrid[y0:y1, x0:x1]
    grid_lines = ((xs % 6) < 2) | ((ys % 6) < 2)
    cv.blend(box, a, (70, 70, 72))
    cv.shade(box, 1.0 - 0.3 * erode(a, 3) * grid_lines)
    cv.blend(box, np.clip(a - erode(a, 2), 0, 1), (120, 118, 112))


def stripe(cv, shape, pal, rnd):
    """Painted floor band, e.g. walkways in the power plant."""
    box, a = raster(cv, shape)
    if box is not None:
        rim = np.clip(a - erode(a, 3), 0, 1)
        cv.blend(box, rim * 0.85, hexrgb(shape.opt('color', '#d8b030')))


PAINTERS = {
    'road': road, 'junction': plain, 'crossing': crossing, 'parking': parking,
    'pavement': plain, 'plaza': plain, 'grass': plain, 'dirt': plain, 'floor': plain,
    'carpet': plain, 'tiles': plain, 'metalfloor': plain, 'concrete': plain,
    'planks': plain, 'rug': rug, 'hazard': hazard, 'marking': marking, 'stain': stain,
    'manhole': manhole, 'stripe': stripe,
}
