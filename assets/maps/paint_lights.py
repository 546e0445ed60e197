"""Light pools, dark corners and lettering: they change the picture only, never the mask."""

from canvas import raster, blur, erode
from font import draw_text
from primitives import glow
from textures import hexrgb


def light(cv, shape, pal, rnd):
    (cx, cy), r = shape.points[0], shape.radius
    glow(cv, cx, cy, r, hexrgb(shape.opt('color', '#fff4d8')), shape.num('strength', 0.18))


def dark(cv, shape, pal, rnd):
    box, a = raster(cv, shape, pad=int(shape.num('soft', 20)) * 2)
    if box is not None:
        cv.shade(box, 1.0 - shape.num('strength', 0.3) * blur(a, shape.num('soft', 20)))


PAINTERS = {'light': light, 'dark': dark}


def text(cv, shape, pal, rnd):
    """Painted lettering on the floor or a roof; rect gives the box it is centred in."""
    (ax, ay), (bx, by) = shape.points
    draw_text(cv, (ax + bx) / 2, (ay + by) / 2, shape.opt('say', '').replace('_', ' '),
              int(shape.num('scale', 3)), hexrgb(shape.opt('color', '#f0e8d0')),
              shadow=shape.opt('shadow', 'yes') == 'yes')


PAINTERS['text'] = text


def paint(cv, shape, pal, rnd):
    """Flat paint (a helipad ring, a roof logo) that leaves the mask as it is."""
    box, a = raster(cv, shape)
    if box is None:
        return
    ring = shape.num('ring', 0)
    if ring > 0:
        a = a - erode(a, int(ring))
    cv.blend(box, a * shape.num('alpha', 0.9), hexrgb(shape.opt('color', '#e0d040')))


PAINTERS['paint'] = paint
