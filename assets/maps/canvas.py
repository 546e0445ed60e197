"""The picture being painted and the shape rasteriser shared by all painters."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

SUPERSAMPLE = 3


class Canvas:
    """RGB float picture plus the per-map texture cache."""

    def __init__(self, width, height, materials):
        self.w, self.h = width, height
        self.img = np.zeros((height, width, 3), np.float32)
        self.mat = materials

    def clip(self, x0, y0, x1, y1):
        x0, y0 = max(0, int(np.floor(x0))), max(0, int(np.floor(y0)))
        x1, y1 = min(self.w, int(np.ceil(x1))), min(self.h, int(np.ceil(y1)))
        return (x0, y0, x1, y1) if x1 > x0 and y1 > y0 else None

    def view(self, box):
        x0, y0, x1, y1 = box
        return self.img[y0:y1, x0:x1]

    def blend(self, box, alpha, colour):
        """colour: (3,) or an array of the box size; alpha: scalar or (h, w)."""
        x0, y0, x1, y1 = box
        dst = self.img[y0:y1, x0:x1]
        col = np.asarray(colour, np.float32)
        a = np.asarray(alpha, np.float32)
        if a.ndim == 2:
            a = a[..., None]
        dst += (col - dst) * a

    def material(self, name, box):
        x0, y0, x1, y1 = box
        return self.mat.get(name)[y0:y1, x0:x1]

    def shade(self, box, factor):
        """Multiply the box by factor ((h, w) or scalar), e.g. for shadows and light."""
        f = np.asarray(factor, np.float32)
        if f.ndim == 2:
            f = f[..., None]
        self.view(box)[...] *= f

    def result(self):
        return np.clip(self.img + 0.5, 0, 255).astype(np.uint8)


def draw_geometry(draw, shape, ox=0, oy=0, s=1, grow=0.0, fill=255):
    if shape.kind == 'rect':
        (ax, ay), (bx, by) = shape.points
        draw.rectangle([(ax - grow - ox) * s, (ay - grow - oy) * s,
                        (bx + grow - ox) * s - 1, (by + grow - oy) * s - 1], fill=fill)
    elif shape.kind == 'circle':
        (cx, cy), r = shape.points[0], shape.radius + grow
        if r > 0:
            draw.ellipse([(cx - r - ox) * s, (cy - r - oy) * s,
                          (cx + r - ox) * s - 1, (cy + r - oy) * s - 1], fill=fill)
    else:
        pts = [((x - ox) * s, (y - oy) * s) for x, y in shape.points]
        if shape.kind == 'poly':
            draw.polygon(pts, fill=fill)
        else:
            width = max(1, int(round((shape.num('w') + 2 * grow) * s)))
            draw.line(pts, fill=fill, width=width, joint='curve')
            rad = width / 2
            for px, py in (pts[0], pts[-1]):
                draw.ellipse([px - rad, py - rad, px + rad, py + rad], fill=fill)


def raster(canvas, shape, pad=0, grow=0.0, aa=True):
    """Coverage of a shape: (box, alpha) with alpha in 0..1 over the clipped box."""
    x0, y0, x1, y1 = shape.bbox()
    box = canvas.clip(x0 - pad - max(grow, 0) - 1, y0 - pad - max(grow, 0) - 1,
                      x1 + pad + max(grow, 0) + 1, y1 + pad + max(grow, 0) + 1)
    if box is None:
        return None, None
    bx0, by0, bx1, by1 = box
    s = SUPERSAMPLE if aa else 1
    img = Image.new('L', ((bx1 - bx0) * s, (by1 - by0) * s), 0)
    draw_geometry(ImageDraw.Draw(img), shape, bx0, by0, s, grow)
    if s > 1:
        img = img.resize((bx1 - bx0, by1 - by0), Image.BOX)
    return box, np.asarray(img, np.float32) / 255.0


def shifted(alpha, dx, dy):
    """alpha moved by (dx, dy) pixels, zero filled."""
    out = np.zeros_like(alpha)
    h, w = alpha.shape
    dx, dy = int(round(dx)), int(round(dy))
    if abs(dx) >= w or abs(dy) >= h:
        return out
    out[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] = \
        alpha[max(-dy, 0):h - max(dy, 0), max(-dx, 0):w - max(dx, 0)]
    return out


def blur(alpha, radius):
    if radius <= 0:
        return alpha
    img = Image.fromarray(np.clip(alpha * 255, 0, 255).astype(np.uint8))
    return np.asarray(img.filter(ImageFilter.GaussianBlur(radius)), np.float32) / 255.0


def erode(alpha, size):
    """Shrink a coverage map by about size pixels (for rims and insets)."""
    if size <= 0:
        return alpha
    img = Image.fromarray(np.clip(alpha * 255, 0, 255).astype(np.uint8))
    k = 2 * int(size) + 1
    return np.asarray(img.filter(ImageFilter.MinFilter(k)), np.float32) / 255.0


def drop_shadow(canvas, shape, dx=10, dy=12, soft=4, strength=0.45, grow=0.0):
    """Darken the ground south-east of a solid shape (light from the north-west)."""
    pad = abs(dx) + abs(dy) + 3 * soft + 2
    box, a = raster(canvas, shape, pad=pad, grow=grow, aa=False)
    if box is None:
        return
    shadow = np.zeros_like(a)
    steps = max(1, int(max(abs(dx), abs(dy)) // 2))
    for i in range(1, steps + 1):   # extruded, so the shadow stays attached
        shadow = np.maximum(shadow, shifted(a, dx * i / steps, dy * i / steps))
    shadow = blur(shadow, soft) * (1.0 - a)
    canvas.shade(box, 1.0 - strength * shadow)


def bevel(canvas, box, alpha, width=2, light=1.25, dark=0.62):
    """Light rim on the north-west edges, dark rim on the south-east edges."""
    lit = np.clip(alpha - shifted(alpha, width, width), 0, 1)
    shade = np.clip(alpha - shifted(alpha, -width, -width), 0, 1)
    canvas.shade(box, 1.0 + (light - 1.0) * lit)
    canvas.shade(box, 1.0 - (1.0 - dark) * shade)
