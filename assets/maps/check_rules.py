"""The rules every generated location must satisfy; each returns failure texts."""
import math

import numpy as np

import level_rules as R
from check_core import OPEN, components, label_blocks, labels_near

BAND_MARGIN = 20
ENEMY_CLEARANCE = 10


def arrival_points(name):
    for entry, (vx, vy), (px, py) in R.arrivals_of(name):
        yield f'arrival ({entry})', (px - vx, py - vy), (vx, vy)


def check_sizes(loc):
    out = []
    for entry, (vx, vy), _ in R.arrivals_of(loc.name):
        need = (R.PLAY_W - vx, R.PLAY_H - vy)
        if loc.w < need[0] or loc.h < need[1]:
            out.append(f'{loc.name}: {loc.w}x{loc.h} is too small for the view ({vx},{vy}) '
                       f'of arrival ({entry}); needs {need[0]}x{need[1]}')
    return out


def check_arrivals(loc):
    out = []
    for label, (mx, my), _ in arrival_points(loc.name):
        cls = loc.at(mx, my)
        where = f'{loc.name}: {label} at map ({mx},{my})'
        if cls is None:
            out.append(f'{where} is outside the picture')
        elif cls != OPEN:
            out.append(f'{where} is not open ground')
        elif loc.near('wall', R.PLAYER_RADIUS)[my, mx]:
            out.append(f'{where} has a wall within {R.PLAYER_RADIUS} px')
        elif loc.near('red', R.PLAYER_RADIUS)[my, mx]:
            out.append(f'{where} has a trigger within {R.PLAYER_RADIUS} px')
    return out


def red_areas(loc):
    """[(action index, ys, xs)] for each connected red area, -2 when it mixes bands."""
    if 'areas' not in loc._cache:
        areas = []
        for ys, xs in components(loc.red):
            acts = {int(a) for a in np.unique(R.classify(loc.name, xs, ys, loc.w, loc.h))}
            for dx in (-BAND_MARGIN, BAND_MARGIN):
                for dy in (-BAND_MARGIN, BAND_MARGIN):
                    acts |= {int(a) for a in np.unique(
                        R.classify(loc.name, xs + dx, ys + dy, loc.w, loc.h))}
            areas.append((acts.pop() if len(acts) == 1 else -2, ys, xs))
        loc._cache['areas'] = areas
    return loc._cache['areas']


def check_triggers(loc):
    out = []
    names = R.ACTIONS[loc.name]
    found = set()
    for act, ys, xs in red_areas(loc):
        where = f'{loc.name}: red area at map ({xs[0]},{ys[0]}) ({len(xs)} px)'
        if act == -2:
            out.append(f'{where} is within {BAND_MARGIN} px of a band edge or half line')
        elif act == -1:
            out.append(f'{where} lies in no trigger band: it would do nothing')
        else:
            found.add(names[act])
    for missing in [n for n in names if n not in found]:
        out.append(f'{loc.name}: no red area for "{missing}"')
    return out


def _view_range(size, play, values):
    lo, hi = min(values), max(values)
    scrolls = any(v < -R.SCROLL_MARGIN or v + size > play + R.SCROLL_MARGIN for v in values)
    if scrolls:
        lo = min(lo, play + R.SCROLL_MARGIN - size - R.MAX_STEP)
        hi = max(hi, -R.SCROLL_MARGIN + R.MAX_STEP)
    return int(math.floor(lo)), int(math.ceil(hi)), scrolls


def _screen_limits(views, size, play, far, scrolls):
    """Where on screen a player can stand for each view: the camera follows the
    player once it reaches a scroll band, unless that side of the map is reached."""
    lo = np.zeros(views.shape)
    hi = np.full(views.shape, play - 1.0)
    if scrolls:
        lo = np.where(views < -R.SCROLL_MARGIN - R.MAX_STEP, far - R.MAX_STEP, lo)
        hi = np.where(views > play + R.SCROLL_MARGIN + R.MAX_STEP - size,
                      play - far + R.MAX_STEP, hi)
    return lo, hi


def check_chains(loc):
    """A move to a location later in the trigger order must not trigger again at
    once: the destination is tested against this mask at the arrival position."""
    out = []
    views = [v for _, v, _ in R.arrivals_of(loc.name)]
    x_lo, x_hi, sx = _view_range(loc.w, R.PLAY_W, [v[0] for v in views])
    y_lo, y_hi, sy = _view_range(loc.h, R.PLAY_H, [v[1] for v in views])
    vxs, vys = np.arange(x_lo, x_hi + 1), np.arange(y_lo, y_hi + 1)
    px0, px1 = _screen_limits(vxs, loc.w, R.PLAY_W, R.SCROLL_FAR, sx)
    py0, py1 = _screen_limits(vys, loc.h, R.PLAY_H, R.SCROLL_FAR_Y, sy)
    red_wide = loc.near('red', 2) | loc.red
    order = R.TRIGGER_ORDER
    for act, name in enumerate(R.ACTIONS[loc.name]):
        if not R.is_move(loc.name, name) or order.index(name) <= order.index(loc.name):
            continue
        hit = np.zeros((loc.h, loc.w), bool)
        for a, ys, xs in red_areas(loc):
            if a == act:
                hit[ys, xs] = True
        sat = np.zeros((loc.h + 1, loc.w + 1), np.int64)
        sat[1:, 1:] = hit.cumsum(0).cumsum(1)
        # red pixels T with T + view on a reachable screen spot, per view
        xa = np.clip(np.ceil(px0 - vxs), 0, loc.w).astype(int)
        xb = np.clip(np.floor(px1 - vxs) + 1, 0, loc.w).astype(int)
        ya = np.clip(np.ceil(py0 - vys), 0, loc.h).astype(int)
        yb = np.clip(np.floor(py1 - vys) + 1, 0, loc.h).astype(int)
        count = (sat[yb[:, None], xb[None, :]] - sat[ya[:, None], xb[None, :]]
                 - sat[yb[:, None], xa[None, :]] + sat[ya[:, None], xa[None, :]])
        count = np.where((xb > xa)[None, :] & (yb > ya)[:, None], count, 0)
        _, (bx, by) = R.arrival(name, R.MOVE_ENTRY[(loc.name, name)])
        qx, qy = bx - vxs[None, :], by - vys[:, None]
        inside = (qx >= 0) & (qx < loc.w) & (qy >= 0) & (qy < loc.h)
        bad = (count > 0) & inside
        bad &= red_wide[np.clip(qy, 0, loc.h - 1), np.clip(qx, 0, loc.w - 1)]
        if bad.any():
            iy, ix = np.argwhere(bad)[0]
            out.append(f'{loc.name}: leaving for {name} with view ({vxs[ix]},{vys[iy]}) the '
                       f'arrival ({bx},{by}) reads red at map ({bx - vxs[ix]},{by - vys[iy]})')
    return out


def check_reach(loc):
    out = []
    passable = ~loc.near('wall', R.PLAYER_RADIUS) & ~loc.red
    labels = label_blocks(passable)
    starts = []
    for label, (mx, my), _ in arrival_points(loc.name):
        found = labels_near(labels, [mx], [my], 3)
        if not found:
            out.append(f'{loc.name}: {label} at map ({mx},{my}) has no room to walk')
        starts.append((label, (mx, my), found))
    for act, ys, xs in red_areas(loc):
        reached = labels_near(labels, xs, ys, 4)
        for label, point, found in starts:
            if found and not found & reached:
                out.append(f'{loc.name}: red area at map ({xs[0]},{ys[0]}) cannot be reached '
                           f'from the {label} at {point}')
    for kx, ky in R.KITS.get(loc.name, []):
        cls = loc.at(kx, ky)
        if cls != OPEN:
            out.append(f'{loc.name}: first-aid kit at map ({kx},{ky}) is not on open ground')
            continue
        reached = labels_near(labels, [kx], [ky], R.KIT_TOUCH - 3)
        for label, point, found in starts:
            if found and not found & reached:
                out.append(f'{loc.name}: first-aid kit at map ({kx},{ky}) cannot be reached '
                           f'from the {label} at {point}')
    return out


def check_enemies(loc):
    out = []
    clear = loc.near('wall', ENEMY_CLEARANCE)
    for entry, (vx, vy), _ in R.arrivals_of(loc.name):
        if (loc.name, entry) in R.NO_ENEMIES_FROM:
            continue
        for ex, ey in R.ENEMIES.get(loc.name, []):
            mx, my = ex - vx, ey - vy
            cls = loc.at(mx, my)
            where = f'{loc.name}: enemy ({ex},{ey}) placed on arrival ({entry}) at map ({mx},{my})'
            if cls is None:
                out.append(f'{where} is off the picture')
            elif cls != OPEN or clear[my, mx]:
                out.append(f'{where} is on or within {ENEMY_CLEARANCE} px of a wall or on red')
    return out
