"""Small sprites: the two shots, the first-aid kit, the blood splat and the boss life bar."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from palette import BLACK, CYAN
from sprite_kit import Sprite, many, rect
from textures import fractal_noise, rng


def gun_shot():
    """1 x 4 tracer: hot tip at the top, cooling towards the tail."""
    img = Image.new("RGB", (1, 4))
    for y, c in enumerate(((255, 250, 200), (255, 220, 80), (255, 160, 40), (210, 90, 20))):
        img.putpixel((0, y), c)
    return img


def boss_shot():
    """19 x 19 plasma ball: white-hot core, orange body, ragged red rim."""
    w = h = 19
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    ang = np.arctan2(yy - 9, xx - 9)
    n = fractal_noise(w * 4, h * 4, 501, octaves=3, cells=4)
    wobble = 1 + 0.06 * np.sin(ang * 5 + 1.3) + 0.04 * np.sin(ang * 9)
    d = np.sqrt((xx - 9) ** 2 + (yy - 9) ** 2) / wobble
    t = np.clip(d / 8.6, 0, 1)
    stops = [(0.0, (255, 255, 230)), (0.3, (255, 236, 120)), (0.6, (255, 150, 40)), (0.85, (220, 60, 20)),
             (1.0, (150, 20, 20))]
    out = np.zeros((h, w, 3), np.float32)
    for c in range(3):
        out[..., c] = np.interp(t, [s[0] for s in stops], [s[1][c] for s in stops])
    out *= (0.9 + 0.2 * n[::4, ::4])[..., None]
    inside = d <= 8.6
    res = np.where(inside[..., None], np.clip(out, 0, 255), np.asarray(CYAN, np.float32)).astype(np.uint8)
    return Image.fromarray(res, "RGB")


def first_aid():
    """19 x 19 white case with a red cross and a grip on top."""
    sp = Sprite(19, 19, seed=510)
    sp.part(rect(6.5, 0.8, 12.5, 4.5, 1.2), (60, 60, 66), bulge=0.4)
    sp.part(rect(1.0, 3.2, 18.0, 18.0, 2.4), (236, 236, 228), bulge=1.0, texture=0.06, spec=0.2)
    sp.part(many(rect(7.6, 5.6, 11.4, 15.6), rect(4.0, 8.8, 15.0, 12.4)), (214, 30, 34), bulge=0.5, spec=0.3)
    return sp.finish(outline=0.55)


def blood():
    """32 x 32 irregular dark-red splat on black (black is left out when drawn)."""
    s = 4
    r = rng(520)
    m = Image.new("L", (32 * s, 32 * s), 0)
    d = ImageDraw.Draw(m)
    ang = np.linspace(0, 2 * np.pi, 48, endpoint=False)
    rad = 7.5 + 2.5 * r.random(48)
    rad = (rad + np.roll(rad, 1) + np.roll(rad, -1)) / 3
    d.polygon([(16 * s + np.cos(a) * q * s, 16 * s + np.sin(a) * q * s) for a, q in zip(ang, rad)], fill=255)
    for _ in range(9):  # streaks thrown outwards, ending in drops
        a = r.random() * 2 * np.pi
        l0, l1 = 7 + 2 * r.random(), 10 + 4.5 * r.random()
        x0, y0 = 16 + np.cos(a) * l0, 16 + np.sin(a) * l0
        x1, y1 = 16 + np.cos(a) * l1, 16 + np.sin(a) * l1
        d.line([(x0 * s, y0 * s), (x1 * s, y1 * s)], fill=255, width=int((1.2 + r.random()) * s))
        q = (0.9 + r.random() * 1.2) * s
        d.ellipse([x1 * s - q, y1 * s - q, x1 * s + q, y1 * s + q], fill=255)
    for _ in range(7):  # loose droplets
        a, l = r.random() * 2 * np.pi, 11 + 3.5 * r.random()
        x, y, q = 16 + np.cos(a) * l, 16 + np.sin(a) * l, (0.6 + 0.6 * r.random()) * s
        d.ellipse([x * s - q, y * s - q, x * s + q, y * s + q], fill=255)
    cover = np.asarray(m.resize((32, 32), Image.BOX), np.float32) / 255
    height = np.asarray(m.filter(ImageFilter.GaussianBlur(6)).resize((32, 32), Image.BOX), np.float32) / 255
    n = fractal_noise(32, 32, 521, octaves=3, cells=4)
    base = np.stack([70 + 100 * height + 30 * n, 4 + 10 * height, 8 + 12 * height], -1)
    gy, gx = np.gradient(height)
    base += np.clip(-(gx + gy) * 160, 0, 60)[..., None] * np.array([1.0, 0.5, 0.5])  # wet sheen
    inside = cover >= 0.45
    out = np.where(inside[..., None], np.clip(base, 40, 255), np.asarray(BLACK, np.float32))
    return Image.fromarray(out.astype(np.uint8), "RGB")


def boss_life():
    """400 x 20 bar: dark metal frame, glossy red-to-orange fill with segment ticks."""
    w, h = 400, 20
    x = np.linspace(0, 1, w, dtype=np.float32)[None, :]
    y = np.linspace(0, 1, h, dtype=np.float32)[:, None]
    red, orange = np.array((170, 16, 12), np.float32), np.array((255, 150, 30), np.float32)
    fill = red * (1 - x[..., None]) + orange * x[..., None]
    gloss = 1.25 - 0.6 * np.abs(y - 0.3)
    arr = fill * gloss[..., None]
    arr[..., :] += (np.clip(0.35 - np.abs(y - 0.28), 0, 1) * 160)[..., None]
    arr[:, 20::20] *= 0.6
    frame = np.array((44, 40, 46), np.float32)
    arr[:2, :], arr[-2:, :], arr[:, :2], arr[:, -2:] = frame, frame, frame, frame
    arr[0, :] += 40
    arr[:, 0] += 40
    arr[2, 2:-2] *= 0.7
    arr = np.clip(arr, 0, 255)
    arr[..., 0] = np.maximum(arr[..., 0], 40)   # red never drops to zero, so no pixel can be the key cyan
    return Image.fromarray(np.rint(arr).astype(np.uint8), "RGB")
