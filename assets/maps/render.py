"""Turns a parsed map into its picture (RGB array) and its collision mask."""
import numpy as np

from canvas import Canvas
from mapfile import Shape
from mask import Mask
from materials import Materials
from palettes import palette
from roles import PAINTERS, check_role
from textures import fbm, grain, rng


def _finish(cv, spec, pal):
    """Whole-picture light: big soft light variation, theme tint, fine grain."""
    h, w = cv.h, cv.w
    light = 0.93 + 0.12 * fbm(h, w, 420, spec.seed + 901, 2)
    cv.img *= light[..., None]
    cv.img *= np.asarray(pal['tint'], np.float32)
    if pal['vignette'] > 0:   # darker along the outer walls of a room
        ys = np.minimum(np.arange(h), h - 1 - np.arange(h)).astype(np.float32)
        xs = np.minimum(np.arange(w), w - 1 - np.arange(w)).astype(np.float32)
        edge = np.minimum(ys[:, None], xs[None, :])
        cv.img *= (1.0 - pal['vignette'] * np.exp(-edge / 90.0))[..., None]
    cv.img += (grain(h, w, spec.seed + 77)[..., None] - 0.5) * 6.0


def render(spec):
    pal = palette(spec.theme)
    cv = Canvas(spec.width, spec.height, Materials(spec.width, spec.height, spec.seed, pal))
    mask = Mask(spec.width, spec.height)
    ground = Shape('rect', spec.ground, [(0, 0), (spec.width, spec.height)],
                   opts=dict(spec.ground_opts), index=-1)
    shapes = [ground] + spec.shapes
    for shape in shapes:
        check_role(shape)
        PAINTERS[shape.base_role](cv, shape, pal, rng(spec.seed * 7919 + shape.index * 104729))
        mask.add(shape)
    _finish(cv, spec, pal)
    return cv.result(), mask
