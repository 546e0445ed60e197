"""Drawing sprites: shapes are drawn four times larger with soft bulge shading, then
reduced and cut hard against the key colour (no pixel is a blend of figure and key)."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from palette import CYAN
from textures import fractal_noise, mask_array

S = 4  # supersampling factor


class Sprite:
    def __init__(self, w, h, seed=0):
        self.w, self.h, self.seed = w, h, seed
        self.col = np.zeros((h * S, w * S, 3), np.float32)
        self.alpha = np.zeros((h * S, w * S), np.float32)
        self.noise = None

    def _noise(self):
        """One noise field per sprite, shifted for each part (cheaper than a field per part)."""
        if self.noise is None:
            self.noise = fractal_noise(self.w * S, self.h * S, self.seed, octaves=3, cells=max(2, self.w // 4))
        return self.noise

    def mask(self, fn):
        m = Image.new("L", (self.w * S, self.h * S), 0)
        fn(ImageDraw.Draw(m), S)
        return m

    def part(self, fn, colour, bulge=1.0, texture=0.12, spec=0.35, light=(-0.7, -0.7)):
        """Draw one body part: fn(draw, s) paints its mask in units of sprite pixels times s."""
        m = self.mask(fn)
        a = mask_array(m)
        if not a.any():
            return
        height = mask_array(m.filter(ImageFilter.GaussianBlur(2.2 * S)))
        gy, gx = np.gradient(height)
        slope = (gx * light[0] + gy * light[1]) * 9.0 * bulge
        shade = np.clip(1.0 + slope, 0.35, 1.6)
        self.seed += 1
        if texture:
            n = np.roll(self._noise(), (self.seed * 37 % self.h * S, self.seed * 53 % self.w * S), (0, 1))
            shade *= 1 - texture / 2 + texture * n
        c = np.asarray(colour, np.float32) * shade[..., None]
        c += 255 * spec * np.clip(slope - 0.35, 0, 1)[..., None] * height[..., None]
        self.col = self.col * (1 - a[..., None]) + c * a[..., None]
        self.alpha = np.maximum(self.alpha, a)

    def flat(self, fn, colour):
        """A part in one colour, no shading (stripes, eyes, lights)."""
        a = mask_array(self.mask(fn))
        self.col = self.col * (1 - a[..., None]) + np.asarray(colour, np.float32) * a[..., None]
        self.alpha = np.maximum(self.alpha, a)

    def finish(self, outline=0.45, threshold=0.5):
        """Reduce to the real size on the key colour; figure edge pixels get a dark rim."""
        pre = Image.fromarray(np.clip(self.col * self.alpha[..., None], 0, 255).astype(np.uint8), "RGB")
        al = Image.fromarray(np.clip(self.alpha * 255, 0, 255).astype(np.uint8), "L")
        small_pre = np.asarray(pre.resize((self.w, self.h), Image.BOX), np.float32)
        small_a = np.asarray(al.resize((self.w, self.h), Image.BOX), np.float32) / 255
        figure = small_a >= threshold
        colour = small_pre / np.maximum(small_a, 1e-3)[..., None]
        pad = np.pad(figure, 1)
        edge = figure & ~(pad[:-2, 1:-1] & pad[2:, 1:-1] & pad[1:-1, :-2] & pad[1:-1, 2:])
        colour[edge] *= outline
        out = np.where(figure[..., None], np.clip(np.rint(colour), 0, 255), np.asarray(CYAN, np.float32))
        out = out.astype(np.uint8)
        # a figure pixel must never read as the key colour
        clash = figure & (out[..., 0] < 24) & (out[..., 1] > 230) & (out[..., 2] > 230)
        out[clash] = (40, 200, 200)
        return Image.fromarray(out, "RGB")


def to_palette(img, key=CYAN):
    """8-bit version with the key colour as palette entry 0 and every figure colour kept close."""
    arr = np.asarray(img.convert("RGB"))
    is_key = np.all(arr == np.asarray(key, np.uint8), axis=-1)
    fig = arr[~is_key].reshape(1, -1, 3)
    pal_img = Image.fromarray(fig, "RGB").quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                                                    dither=Image.Dither.NONE)
    fig_pal = pal_img.getpalette()[:255 * 3]
    idx = np.zeros(arr.shape[:2], np.uint8)
    idx[~is_key] = np.asarray(pal_img, np.uint8).reshape(-1) + 1
    out = Image.fromarray(idx, "P")
    palette = list(key) + fig_pal
    out.putpalette(palette + [0] * (768 - len(palette)))
    return out


def ellipse(cx, cy, rx, ry):
    return lambda d, s: d.ellipse([(cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s], fill=255)


def rect(x0, y0, x1, y1, radius=0.0):
    return lambda d, s: d.rounded_rectangle([x0 * s, y0 * s, x1 * s, y1 * s], radius=radius * s, fill=255)


def poly(points):
    return lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255)


def limb(points, width):
    """A thick jointed line with round joints."""
    def fn(d, s):
        pts = [(x * s, y * s) for x, y in points]
        d.line(pts, fill=255, width=int(width * s))
        r = width * s / 2
        for x, y in pts:
            d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return fn


def many(*fns):
    def fn(d, s):
        for f in fns:
            f(d, s)
    return fn
