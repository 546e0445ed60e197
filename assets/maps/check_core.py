"""Reading generated locations and the grid tools the level checks use."""
import os
from collections import deque

import numpy as np
from PIL import Image

from level_rules import picture_file, mask_file

OPEN, WALL, RED = 0, 1, 2
WALL_RGB, RED_RGB = (0, 255, 255), (255, 0, 0)
BLOCK = 3   # cell size of the reachability grid


class Location:
    """A generated picture and mask: classes[y, x] is OPEN, WALL or RED."""

    def __init__(self, name, classes, picture_size, problems=()):
        self.name = name
        self.classes = classes
        self.h, self.w = classes.shape
        self.picture_size = picture_size
        self.problems = list(problems)
        self._cache = {}

    @property
    def wall(self):
        return self.classes == WALL

    @property
    def red(self):
        return self.classes == RED

    def at(self, x, y):
        xi, yi = int(round(x)), int(round(y))
        if 0 <= xi < self.w and 0 <= yi < self.h:
            return int(self.classes[yi, xi])
        return None

    def near(self, what, radius):
        key = (what, radius)
        if key not in self._cache:
            self._cache[key] = near(self.wall if what == 'wall' else self.red, radius)
        return self._cache[key]

    def copy(self):
        return Location(self.name, self.classes.copy(), self.picture_size, self.problems)


def load_location(data_dir, name):
    problems = []
    pic_path = os.path.join(data_dir, picture_file(name))
    mask_path = os.path.join(data_dir, mask_file(name))
    with Image.open(pic_path) as pic:
        if pic.format != 'JPEG':
            problems.append(f'{picture_file(name)} is not a JPEG')
        picture_size = pic.size
    with Image.open(mask_path) as img:
        if img.format != 'GIF':
            problems.append(f'{mask_file(name)} is not a GIF')
        if img.mode == 'P':
            pal = np.array(img.getpalette()[:768], np.int32).reshape(-1, 3)
            used = np.unique(np.asarray(img))
            for i in used:
                c = tuple(int(v) for v in pal[i])
                if c not in (WALL_RGB, RED_RGB) and _close(c):
                    problems.append(f'{mask_file(name)} uses {c}, almost a mask colour (dithered?)')
        rgb = np.asarray(img.convert('RGB'), np.int32)
    if (rgb.shape[1], rgb.shape[0]) != picture_size:
        problems.append(f'mask {rgb.shape[1]}x{rgb.shape[0]} differs from picture '
                        f'{picture_size[0]}x{picture_size[1]}')
    classes = np.full(rgb.shape[:2], OPEN, np.uint8)
    classes[np.all(rgb == WALL_RGB, axis=2)] = WALL
    classes[np.all(rgb == RED_RGB, axis=2)] = RED
    odd = ~np.isin(classes, (WALL, RED)) & _close_arr(rgb)
    if odd.any():
        y, x = np.argwhere(odd)[0]
        problems.append(f'mask pixel ({x},{y}) is {tuple(rgb[y, x])}, near but not a mask colour')
    return Location(name, classes, picture_size, problems)


def _close(c):
    return any(sum(abs(a - b) for a, b in zip(c, ref)) < 120 for ref in (WALL_RGB, RED_RGB))


def _close_arr(rgb):
    out = np.zeros(rgb.shape[:2], bool)
    for ref in (WALL_RGB, RED_RGB):
        out |= np.abs(rgb - np.asarray(ref)).sum(axis=2) < 120
    return out


def near(mask, radius):
    """True where some True pixel of mask lies within radius (Euclidean)."""
    h, w = mask.shape
    idx = np.arange(w)
    big = 1 << 20
    last = np.maximum.accumulate(np.where(mask, idx, -big), axis=1)
    nxt = np.minimum.accumulate(np.where(mask, idx, big)[:, ::-1], axis=1)[:, ::-1]
    g = np.minimum(np.minimum(idx - last, nxt - idx), radius + 1).astype(np.int64)
    g2 = g * g
    out = np.zeros((h, w), bool)
    r2 = radius * radius
    for dy in range(-radius, radius + 1):
        src = g2[max(dy, 0):h + min(dy, 0)]
        out[max(-dy, 0):h - max(dy, 0)] |= (src + dy * dy) <= r2
    return out


def components(mask):
    """Connected pieces (4-neighbour) of a sparse boolean mask: list of (ys, xs)."""
    seen = np.zeros(mask.shape, bool)
    h, w = mask.shape
    out = []
    for y0, x0 in np.argwhere(mask):
        if seen[y0, x0]:
            continue
        seen[y0, x0] = True
        queue, ys, xs = deque([(y0, x0)]), [], []
        while queue:
            y, x = queue.popleft()
            ys.append(y)
            xs.append(x)
            for ny, nx in ((y - 1, x), (y + 1, x), (y, x - 1), (y, x + 1)):
                if 0 <= ny < h and 0 <= nx < w and mask[ny, nx] and not seen[ny, nx]:
                    seen[ny, nx] = True
                    queue.append((ny, nx))
        out.append((np.array(ys), np.array(xs)))
    return out


def label_blocks(passable):
    """Connected areas of a coarse grid where every pixel of a block is passable."""
    h, w = passable.shape
    bh, bw = h // BLOCK, w // BLOCK
    cells = passable[:bh * BLOCK, :bw * BLOCK].reshape(bh, BLOCK, bw, BLOCK).all(axis=(1, 3))
    labels = np.full(bh * bw, -1, np.int32)
    flat = cells.ravel()
    current = 0
    for start in np.flatnonzero(flat):
        if labels[start] >= 0:
            continue
        labels[start] = current
        queue = deque([start])
        while queue:
            i = queue.popleft()
            y, x = divmod(i, bw)
            for j, ok in ((i - bw, y > 0), (i + bw, y < bh - 1), (i - 1, x > 0), (i + 1, x < bw - 1)):
                if ok and flat[j] and labels[j] < 0:
                    labels[j] = current
                    queue.append(j)
        current += 1
    return labels.reshape(bh, bw)


def labels_near(labels, xs, ys, reach=4):
    """Area labels of the grid cells within reach pixels of the given pixels."""
    found = set()
    bh, bw = labels.shape
    for dy in (-reach, 0, reach):
        for dx in (-reach, 0, reach):
            by = np.clip((np.asarray(ys) + dy) // BLOCK, 0, bh - 1)
            bx = np.clip((np.asarray(xs) + dx) // BLOCK, 0, bw - 1)
            found.update(int(v) for v in np.unique(labels[by, bx]) if v >= 0)
    return found
