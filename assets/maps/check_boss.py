"""The two boss scenes: the walk on its first appearance and the fight room."""
import math

import level_rules as R
from check_core import OPEN, WALL, RED


def check_walk(loc):
    spec = R.WALK_BOSS
    if loc.name != spec['location']:
        return []
    # The first visit may come through any entry: the walk must end from each arrival's view.
    views = sorted({v for entry, v, _ in R.arrivals_of(loc.name) if (loc.name, entry) not in R.NO_ENEMIES_FROM})
    return [f for view in views for f in _walk_from(loc, spec, view)]


def _walk_from(loc, spec, view):
    (x, y), (tx, ty) = spec['start'], spec['target']
    angle = math.atan((x - tx) / (y - ty))
    start = (x - view[0], y - view[1])
    if loc.at(*start) != OPEN or loc.near('wall', R.BOSS_RADIUS // 2)[start[1], start[0]]:
        return [f'{loc.name}: the walking boss starts at map {start}, not on open ground']
    for step in range(1, spec['max_passes'] + 1):
        x -= spec['speed'] * math.sin(angle)
        y -= spec['speed'] * math.cos(angle)
        cls = loc.at(x - view[0], y - view[1])
        if cls in (WALL, RED):
            return []
    return [f'{loc.name}: the walking boss meets no wall or red pixel within '
            f'{spec["max_passes"]} passes (last at map ({x - view[0]:.0f},{y - view[1]:.0f}))']


def check_fight(loc):
    if loc.name != R.FIGHT_BOSS['location']:
        return []
    views = [v for _, v, _ in R.arrivals_of(loc.name)]
    scroll_x = loc.w > R.PLAY_W + R.SCROLL_MARGIN
    vx_lo = min(v[0] for v in views) if not scroll_x else R.PLAY_W + R.SCROLL_MARGIN - loc.w - R.MAX_STEP
    vx_hi = max(v[0] for v in views)
    # patrol x (play area) W/4..3W/4 in every horizontal view, at map y = H / height_divisor
    x0 = int(loc.w * 0.25 - vx_hi - R.BOSS_RADIUS)
    x1 = int(math.ceil(loc.w * 0.75 - vx_lo + R.BOSS_RADIUS))
    line = loc.h / R.FIGHT_BOSS['height_divisor']
    y0, y1 = int(line - R.BOSS_RADIUS), int(math.ceil(line + R.BOSS_RADIUS))
    band = loc.classes[max(y0, 0):y1 + 1, max(x0, 0):x1 + 1]
    out = []
    if x0 < 0 or x1 >= loc.w:
        out.append(f'{loc.name}: the boss patrol ({x0}..{x1}) leaves the picture')
    if (band == WALL).any():
        out.append(f'{loc.name}: wall inside the boss patrol band map x {x0}..{x1}, y {y0}..{y1}')
    return out
